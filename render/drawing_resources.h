// The shared drawing resources of the scene: the pens, brushes, bitmaps
// and icons every panel draws with, made when the main window is created
// and deleted when it is destroyed, and the program instance that drawing
// uses.
#ifndef WORDLOFT_RENDER_DRAWING_RESOURCES_H
#define WORDLOFT_RENDER_DRAWING_RESOURCES_H

#include <windows.h>

#include "render/scene_layout.h"

constexpr int kWeaveCount = 7;
constexpr int kFaceColourCount = 3;
constexpr int kDanceFrameCount = 8;

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
    HICON DanceIcons[kDanceFrameCount];
    HICON UpperLetterIcons[kLetterCount];
    HICON LowerLetterIcons[kLetterCount];
    // The 26 finished letter cells of each case (0 lower, 1 upper) side by
    // side, made by the letter panel when it first needs them.
    HBITMAP LetterSheets[2];
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

#endif
