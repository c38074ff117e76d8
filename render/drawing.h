// The drawing primitives every panel and the scoreboard dialog use: bitmap
// copy, region frame, pattern and texture fills, scaled fonts, and drawing
// outside a paint.
#ifndef WORDLOFT_RENDER_DRAWING_H
#define WORDLOFT_RENDER_DRAWING_H

#include <windows.h>

#include "render/drawing_resources.h"
#include "render/scene_buffer.h"
#include "render/scene_layout.h"

// Draws an icon at its own size (DrawIcon would take the system's icon
// size, which grows with the monitor's scale) with its top-left corner at
// (x, y). A null icon draws nothing.
void DrawSceneIcon(HDC dc, HICON icon, int x, int y);

// A memory context with the bitmap selected, to copy from; EndCopyFrom
// takes the bitmap out again. The drawing resources keep one such context
// for every copy (making one per copy costs more than many copies); null
// when none can be had.
HDC BeginCopyFrom(HBITMAP bitmap);
void EndCopyFrom(HDC source);

// The raster operation of a picture drawn over a region just filled white:
// the pictures are drawn to be ANDed onto the scene, and over white that
// is a plain copy, which costs a fraction of the AND.
constexpr DWORD kOntoWhite = SRCCOPY;

// Copies the whole bitmap with its top-left corner at (x, y).
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, DWORD rasterOp);

// Copies the whole bitmap enlarged to a resolution (dpi / 96 times, its
// pixel art kept sharp as the scene's is) with its top-left corner at
// (x, y) of an MM_TEXT context; at 96 a plain copy.
void DrawBitmapAtDpi(HDC dc, HBITMAP bitmap, int x, int y, int dpi);

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
// proportions). The caller selects it and deletes it. CreateFontAtDpi
// sizes it for a given resolution instead of the device's.
HFONT CreateScaledFont(HDC dc, const char* faceName, int heightTenthsOfPoint,
                       int widthTenthsOfPoint, int attributes, bool useLogicalInch);
HFONT CreateFontAtDpi(HDC dc, const char* faceName, int heightTenthsOfPoint, int attributes, int dpi);

// The scene's Times New Roman of the given size in tenths of a point:
// sized for its 96-pixel logical inch whatever the monitor's scale, since
// the scene is enlarged as a whole. Made the first time and kept with the
// drawing resources; the caller selects it and does not delete it. Null
// when it cannot be made.
HFONT SceneFont(HDC dc, int heightTenthsOfPoint, int attributes);

// The window rectangle of a region.
RECT WindowRectOf(const RegionRect& r);

// Drawing outside a paint goes into the scene's back buffer, and what it
// changed is shown on the window at once. BeginBufferDrawing gives the
// context to draw into: the given one (a paint's), or the buffer's, in
// its first state. Null after a warning beep when none can be had.
HDC BeginBufferDrawing(HDC given);
// Gives back what BeginBufferDrawing took (nothing when a context was
// given) and puts on the window what was drawn into the buffer. Each
// frame of an animation is shown before its pause with ShowSceneChanges
// (render/scene_buffer.h).
void ShowBufferDrawing(HDC given, HDC used);

#endif
