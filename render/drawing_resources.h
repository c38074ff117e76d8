// The shared drawing resources of the scene: the pens, brushes, bitmaps
// and icons every panel draws with, made when the main window is created
// and deleted when it is destroyed, and the program instance that drawing
// uses.
#ifndef WORDLOFT_RENDER_DRAWING_RESOURCES_H
#define WORDLOFT_RENDER_DRAWING_RESOURCES_H

#include <windows.h>

#include "render/animations.h"
#include "render/scene_layout.h"

constexpr int kWeaveCount = 7;
constexpr int kFaceColourCount = 3;
constexpr int kDanceFrameCount = kDance.Frames;

constexpr int kScenePictureCount = 4;
constexpr int kSceneFontCount = 4;

struct NamedPicture {
    const char* Name;
    HBITMAP Bitmap;
};

struct SizedFont {
    int HeightTenthsOfPoint;
    int Attributes;
    HFONT Font;
};

// Every handle is null when its resource could not be made; drawing code
// skips what it lacks.
struct DrawingResourceSet {
    HBRUSH BlackBrush;
    HBRUSH RedBrush;
    HBITMAP CurrentPanel;      // "current"
    HBITMAP CumulativePanel;   // "cumulative"
    HBITMAP Arrow;             // "arrow"
    HBITMAP WeaveBitmaps[kWeaveCount];
    HBRUSH WeaveBrushes[kWeaveCount];
    HBITMAP TextureBitmap;     // "macweave"
    HBRUSH TextureBrush;
    HBITMAP HappyFaces[kFaceColourCount];
    HBITMAP SadFaces[kFaceColourCount];
    HBITMAP NeutralFaces[kFaceColourCount];
    HBITMAP Stand;             // "STAND", the gallows
    HBITMAP Wagon;             // "WAGON"
    HBITMAP GlyphSheet;        // "NEWLETTERS"
    HBITMAP ScoreboardHeadings;  // bitmap 153
    HPEN FramePen;
    HICON CactusIcon;
    HICON UsedLetterIcon;
    HICON PeopleIcon;
    HICON SunIcon;
    // Loaded the first time they are drawn (LetterIcon, DanceIcon).
    HICON DanceIcons[kDanceFrameCount];
    HICON UpperLetterIcons[kLetterCount];
    HICON LowerLetterIcons[kLetterCount];
    // The letter panel of a fresh game in each case (0 lower, 1 upper),
    // made by the letter panel when it first needs it.
    HBITMAP FreshLetterPanels[2];
    // The large pictures of the scene box and the scene's fonts, made when
    // a paint first needs them (see ScenePicture and SceneFont).
    NamedPicture ScenePictures[kScenePictureCount];
    SizedFont SceneFonts[kSceneFontCount];
    // The memory context every copy from a bitmap uses (BeginCopyFrom).
    HDC CopySource;
};

extern DrawingResourceSet DrawingResources;

// The instance whose resources are drawn; set by CreateDrawingResources.
extern HINSTANCE DrawingInstance;

// Called when the main window is created (the scene's back buffer is made
// for it too) and when it is destroyed.
void CreateDrawingResources(HINSTANCE instance, HWND window);
void DeleteDrawingResources();

// Loads one of the program's bitmaps by name for a single drawing step;
// the caller deletes it.
HBITMAP LoadSceneBitmap(const char* name);

// The picture of letter i (0 = A) in capitals or small letters, and frame
// 0..7 of the dance, loaded the first time they are drawn: a game shows
// one case, and the dance only at its end. Null when they cannot be
// loaded.
HICON LetterIcon(bool upper, int i);

// Draws the icon resource id of the program at its own size with its
// top-left corner at (x, y), as DrawIconEx draws an icon (the mask ANDed,
// then the colours XORed), straight from the resource's bits: making an
// icon of it costs several times the drawing, and the letter panel draws
// 26 at its first paint. False, with nothing drawn, when the resource is
// missing or its image is not a palette picture of 8 bits or fewer.
bool DrawIconResource(HDC dc, int id, int x, int y);
HICON DanceIcon(int frame);

// One of the scene box's pictures by name, loaded the first time and kept
// with the drawing resources (a repaint draws it again and again); null
// when it cannot be loaded. The caller does not delete it.
HBITMAP ScenePicture(const char* name);

#endif
