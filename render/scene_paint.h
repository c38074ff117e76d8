// The full repaint of the main window's client area.
#ifndef WORDLOFT_RENDER_SCENE_PAINT_H
#define WORDLOFT_RENDER_SCENE_PAINT_H

#include <windows.h>

// Draws the whole client area into dc, region by region, the letter panel
// last. Works on any device context (a paint, a print or a window one).
void PaintAll(HDC dc);

#endif
