// The resolution of the monitor a window is on, and the window size that
// gives a client area of a wanted size there. Monitors of their own
// resolution came with Windows 8.1 (the window's own calls with Windows
// 10); before them the system's logical inch holds for every window.
#ifndef WORDLOFT_PLATFORM_DISPLAY_DPI_H
#define WORDLOFT_PLATFORM_DISPLAY_DPI_H

#include <windows.h>

// The messages of a monitor's scale, which the headers of the program's
// API level (Windows XP) do not declare: a window learns that its monitor's
// scale changed (Windows 8.1 on) and is asked for its size at a new scale
// (Windows 10 1703 on). Older Windows sends neither.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

// Pixels to the logical inch where the window is (96 at 100 %).
int WindowDpi(HWND window);

// The outer size of a window of the window's styles and menu whose client
// area is width x height at the given resolution.
SIZE WindowSizeForClient(HWND window, int width, int height, int dpi);

// A system metric (GetSystemMetrics) at the given resolution; the
// system's own where Windows cannot tell it for another one.
int SystemMetricAtDpi(int index, int dpi);

// Has Windows scale the caption and menu bar of a window that follows its
// monitor's resolution (Windows 10 1607 with per-monitor awareness of the
// first kind; later Windows does it by itself). Called on WM_NCCREATE.
void EnableScaledFrame(HWND window);

#endif
