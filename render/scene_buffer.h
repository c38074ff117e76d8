// The scene's back buffer: the one 593 x 378 picture in memory that every
// panel draws into, and its way onto the window. It calls no panel: it is
// the layer under them.
//
// Drawing outside a paint goes into the buffer (BeginBufferDrawing of
// render/drawing.h), and what it changed is put on the window at once
// (ShowSceneChanges), so that each frame of an animation is on the screen
// before its pause. A region whose content the game changed is marked
// (MarkSceneChanged) and composed again from the game's state by the
// painter (render/scene_paint.h) at the next paint, between
// BeginComposingMarked and EndComposingMarked; a paint otherwise only
// copies the buffer (ShowSceneBuffer). On a monitor of a larger scale the
// window shows the buffer enlarged (render/display_scale.h), from a second
// picture of the client area's size that follows every change.
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
// shown. Nothing happens while the scene is being composed, so that no
// half-composed picture is ever shown.
void ShowSceneChanges();

// The buffer's context clipped to the marked rectangle, which is no longer
// marked, for the scene to be composed into; null when nothing is marked
// or there is no buffer. EndComposingMarked brings the enlarged picture up
// to date over what was composed; nothing is shown meanwhile.
HDC BeginComposingMarked();
void EndComposingMarked();

// Copies the client rectangle area from the buffer onto dc as it stands;
// false when there is no buffer.
bool ShowSceneBuffer(HDC dc, const RECT& area);

// Printing the scene afresh into dc at the window's scale: the context to
// draw the whole scene into (dc itself at 100 % or when no picture can be
// had), then EndScenePrint puts it onto dc enlarged. Nothing is shown
// meanwhile.
HDC BeginScenePrint(HDC dc);
void EndScenePrint(HDC dc);

// The format of a 32-bit picture of the given size stored top row first,
// as the buffer and every enlarged picture are.
BITMAPINFO TopDownPictureFormat(int width, int height);

// The window's client rectangle that shows a scene rectangle, and the
// scene point under a client point.
RECT ClientRectOf(const RegionRect& scene);
POINT ScenePointOf(int clientX, int clientY);

#endif
