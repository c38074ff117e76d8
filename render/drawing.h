// Shared drawing resources and drawing primitives of the scene.
//
// The pens, brushes, bitmaps and icons every panel draws with are made
// when the main window is created and deleted when it is destroyed.
// PaintAll draws the whole client area in its fixed order; the primitives
// (bitmap copy, region frame, pattern and texture fills, scaled fonts)
// are used by every panel and by the scoreboard dialog.
#ifndef WORDLOFT_RENDER_DRAWING_H
#define WORDLOFT_RENDER_DRAWING_H

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
};

extern DrawingResourceSet DrawingResources;

// Called when the main window is created and when it is destroyed.
void CreateDrawingResources();
void DeleteDrawingResources();

// Draws the whole client area into dc, region by region, the letter panel
// last. Works on any device context (a paint, a print or a window one).
void PaintAll(HDC dc);

// Copies the whole bitmap with its top-left corner at (x, y).
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, DWORD rasterOp);
// Loads one of the program's bitmaps by name for a single drawing step;
// the caller deletes it.
HBITMAP LoadSceneBitmap(const char* name);

// The 2-pixel black frame inside a region.
void FrameRegion(HDC dc, const RegionRect& r);
// Rectangle with weave brush n (0..6) and the black pen.
void FillWithPattern(HDC dc, const RegionRect& r, int n);
// Rectangle with the texture brush and the black pen.
void FillWithTexture(HDC dc, const RegionRect& r);
// Rectangle with the white brush and the given pen; skipped when either
// is missing.
void FillWhite(HDC dc, const RegionRect& r, HPEN pen);

// Attribute bits of CreateScaledFont.
constexpr int kFontBold = 1;
constexpr int kFontItalic = 2;
constexpr int kFontUnderline = 4;
constexpr int kFontStrikeout = 8;

// A font of the given size in tenths of a point (width 0: the face's own
// proportions). The caller selects it and deletes it.
HFONT CreateScaledFont(HDC dc, const char* faceName, int heightTenthsOfPoint,
                       int widthTenthsOfPoint, int attributes, bool useLogicalInch);

// The window rectangle of a region.
RECT WindowRectOf(const RegionRect& r);

// The optional device context of drawing outside a paint: the given one,
// or the main window's. Null after a warning beep when none can be had.
HDC BeginWindowDrawing(HDC given);
// Shows what was drawn so far, then releases what BeginWindowDrawing took
// (nothing when dc was given).
void EndWindowDrawing(HDC given, HDC used);

// Puts everything drawn so far on the screen; called after each frame of
// an animation, before its pause.
void ShowDrawingNow();

#endif
