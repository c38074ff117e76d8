// The main window at the scale of its monitor: its size, its place and
// its icons, when it is made and when it moves to a monitor of another
// scale (or the scale is changed).
#ifndef WORDLOFT_APP_WINDOW_SCALE_H
#define WORDLOFT_APP_WINDOW_SCALE_H

#include <windows.h>

// Gives the scene the scale of the window's monitor (dpi) times the
// player's text scale (platform/player_settings.h), or the largest that
// fits there, and sizes the window so that its client area shows it,
// whatever the frame, caption and menu bar measure; centred on the desktop
// when asked, in the same move.
void FitWindowToScene(HWND window, int dpi, bool centre);

// The system's frame metrics, the screen's resolution or the player's text
// scale changed: the window is fitted again, and centred on its monitor
// when it no longer lies inside the monitor's work area. A minimized window
// is fitted when it is restored (RefitWhenRestored): its minimized place is
// not its own.
void RefitWindow(HWND window);
void RefitWhenRestored(HWND window);

// The scene has one size: a maximized window keeps the size and place it
// has (WM_GETMINMAXINFO).
void KeepOwnSizeWhenMaximized(HWND window, MINMAXINFO& limits);

// The window is now at another resolution: it takes the place Windows
// suggests, the scene's scale and size there, and its icons at that scale.
void FollowNewDpi(HWND window, int dpi, const RECT& suggested);

// The window's outer size whose client area shows the scene at a
// resolution, for Windows to suggest before a change of scale.
SIZE WindowSizeAtDpi(HWND window, int dpi);

#endif
