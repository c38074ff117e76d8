// The main window's size, place and icons at the scale of its monitor.
#include "app/window_scale.h"

#include "platform/display_dpi.h"
#include "platform/program_handles.h"
#include "render/scene_buffer.h"
#include "resource.h"

namespace {

// The largest scale, from the monitor's own down to 100 %, at which the
// whole window fits the work area of its monitor: a scene enlarged beyond
// the screen would be cut off.
int DpiThatFits(HWND window, int dpi) {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) return dpi;
    const long width = monitor.rcWork.right - monitor.rcWork.left;
    const long height = monitor.rcWork.bottom - monitor.rcWork.top;
    const int frameDpi = dpi;
    for (; dpi > kSceneDpi; dpi -= kSceneDpi / 4) {
        const SIZE size = WindowSizeForClient(window, ScaledLength(kSceneWidth, dpi),
                                              ScaledLength(kSceneHeight, dpi), frameDpi);
        if (size.cx <= width && size.cy <= height) break;
    }
    return dpi > kSceneDpi ? dpi : kSceneDpi;
}

// Gives the window its outer size, centred on the desktop when asked.
void PlaceWindow(HWND window, SIZE size, bool centre) {
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    SetWindowPos(window, nullptr, (desktop.right - size.cx) / 2, (desktop.bottom - size.cy) / 2, size.cx, size.cy,
                 SWP_NOZORDER | (centre ? 0 : SWP_NOMOVE));
}

// The caption's and the taskbar's icons at the sizes of a monitor of
// another scale; the class's own icons serve until the first change. The
// window shows them until it is gone, which is the program's end.
HICON ScaledIcons[2] = {nullptr, nullptr};

void ShowIconsForDpi(HWND window, int dpi) {
    const struct {
        WPARAM Kind;
        int Id;
        int Width;
        int Height;
    } icons[2] = {{ICON_SMALL, IDI_WORDLOFT_SMALL, SM_CXSMICON, SM_CYSMICON},
                  {ICON_BIG, IDI_WORDLOFT, SM_CXICON, SM_CYICON}};
    for (int i = 0; i < 2; ++i) {
        const HICON icon = static_cast<HICON>(LoadImageA(ProgramInstance, MAKEINTRESOURCEA(icons[i].Id), IMAGE_ICON,
                                                         SystemMetricAtDpi(icons[i].Width, dpi),
                                                         SystemMetricAtDpi(icons[i].Height, dpi), LR_DEFAULTCOLOR));
        if (!icon) continue;
        SendMessageA(window, WM_SETICON, icons[i].Kind, reinterpret_cast<LPARAM>(icon));
        if (ScaledIcons[i]) DestroyIcon(ScaledIcons[i]);
        ScaledIcons[i] = icon;
    }
}

}  // namespace

// A menu bar that wraps onto a second line shows only once the window has
// its size, so the client area is measured and the size corrected once.
void FitWindowToScene(HWND window, bool centre) {
    const int dpi = WindowDpi(window);
    ChangeSceneScale(DpiThatFits(window, dpi));
    const DisplayScale& scale = SceneDisplayScale();
    const int width = scale.X.ClientSize;
    const int height = scale.Y.ClientSize;
    SIZE size = WindowSizeForClient(window, width, height, dpi);
    PlaceWindow(window, size, centre);
    RECT client;
    if (!GetClientRect(window, &client) || (client.right == width && client.bottom == height)) return;
    size.cx += width - client.right;
    size.cy += height - client.bottom;
    PlaceWindow(window, size, centre);
}

void FollowNewDpi(HWND window, int dpi, const RECT& suggested) {
    ShowIconsForDpi(window, dpi);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    FitWindowToScene(window, false);
}

SIZE WindowSizeAtDpi(HWND window, int dpi) {
    return WindowSizeForClient(window, ScaledLength(kSceneWidth, dpi), ScaledLength(kSceneHeight, dpi), dpi);
}
