// The scene's back buffer: the one 593 x 378 picture in memory that every
// panel draws into, and its way onto the window.
//
// Drawing outside a paint goes into the buffer (BeginWindowDrawing), and
// what it changed is put on the window at once (ShowSceneChanges), so
// that each frame of an animation is on the screen before its pause. A
// region whose content the game changed is composed again from the game's
// state at the next paint (MarkSceneChanged); a paint otherwise only copies
// the buffer. On a monitor of a larger scale the window shows the buffer
// enlarged (render/display_scale.h), from a second picture of the client
// area's size that follows every change.
#ifndef WORDLOFT_RENDER_SCENE_BUFFER_H
#define WORDLOFT_RENDER_SCENE_BUFFER_H

#include <windows.h>

#include "render/display_scale.h"

// Made when the main window is created, for a monitor of the given
// resolution; the whole scene is composed at the first paint. Where the
// enlarged picture cannot be had the scene is shown at its own size.
// False when not even the scene's picture can be had: drawing outside a
// paint then beeps, and a paint draws straight onto the window.
bool CreateSceneBuffer(HWND window, int dpi);
void DeleteSceneBuffer();

// The buffer's device context; null when there is none.
HDC SceneBufferDc();

// The scale the window shows the scene at.
const DisplayScale& SceneDisplayScale();

// The window is now on a monitor of another resolution: the enlarged
// picture is made again for it and the whole window is repainted.
void ChangeSceneScale(int dpi);

// The scene rectangle is to be composed again from the game's state; its
// part of the window is repainted.
void MarkSceneChanged(const RegionRect& scene);

// Puts on the window what was drawn into the buffer since it was last
// shown. Nothing happens while the scene is being composed.
void ShowSceneChanges();

// WM_PAINT: composes what was marked, then copies the client rectangle
// area from the buffer.
void PaintSceneWindow(HDC dc, const RECT& area);

// WM_PAINT inside a pause: copies the client rectangle area from the
// buffer as it stands, composing nothing (the scene is drawn straight onto
// dc when there is no buffer).
void ShowSceneBuffer(HDC dc, const RECT& area);

// WM_PRINTCLIENT: draws the whole scene afresh from the game's state into
// dc, at the window's scale.
void PrintScene(HDC dc);

// The window's client rectangle that shows a scene rectangle, and the
// scene point under a client point.
RECT ClientRectOf(const RegionRect& scene);
POINT ScenePointOf(int clientX, int clientY);

#endif
