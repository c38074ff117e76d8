// The painter: the whole scene composed region by region, and the
// window's paints and prints, which compose what the game marked into the
// scene's back buffer and copy it to the window. The only drawing code
// that knows every panel; it stands on the buffer (render/scene_buffer.h).
#ifndef WORDLOFT_RENDER_SCENE_PAINT_H
#define WORDLOFT_RENDER_SCENE_PAINT_H

#include <windows.h>

// Draws the whole client area into dc, region by region, the letter panel
// last. Works on any device context (the buffer, a print or a window one).
void PaintAll(HDC dc);

// WM_PAINT: composes what was marked, takes the meter's pattern one step
// as a repaint of the meter does, then copies the client rectangle area
// from the buffer. Without a buffer the scene is drawn straight onto dc.
void PaintSceneWindow(HDC dc, const RECT& area);

// WM_PAINT inside a pause: the client rectangle area as the buffer holds
// it, composing nothing (without a buffer the scene is drawn straight onto
// dc).
void ShowSceneWindow(HDC dc, const RECT& area);

// WM_PRINTCLIENT: the whole scene drawn afresh from the game's state into
// dc, at the window's scale.
void PrintScene(HDC dc);

#endif
