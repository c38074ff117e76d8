// The main window's size, place and icons at the scale of its monitor.
#include "app/window_scale.h"

#include "platform/display_dpi.h"
#include "platform/player_settings.h"
#include "platform/program_handles.h"
#include "render/scene_buffer.h"
#include "resource.h"

namespace {

// The work area of the window's monitor; false when it cannot be had.
bool WorkAreaOf(HWND window, RECT& area) {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) return false;
    area = monitor.rcWork;
    return true;
}

// The scene's scale on a monitor of the given resolution: the monitor's
// own, times the player's "Make text bigger" factor, since every word of
// the game is painted into the scene.
int SceneDpiAt(int dpi) { return TextScaledDpi(dpi, TextScalePercent()); }

// The largest scale, from the one wanted down to 100 %, at which the whole
// window, with the frame of the monitor's resolution (frameDpi), fits the
// work area of its monitor: a scene enlarged beyond the screen would be
// cut off.
int DpiThatFits(HWND window, int frameDpi, int dpi) {
    RECT work;
    if (!WorkAreaOf(window, work)) return dpi;
    const long width = work.right - work.left;
    const long height = work.bottom - work.top;
    for (; dpi > kSceneDpi; dpi -= kSceneDpi / 4) {
        const SIZE size = WindowSizeForClient(window, ScaledLength(kSceneWidth, dpi),
                                              ScaledLength(kSceneHeight, dpi), frameDpi);
        if (size.cx <= width && size.cy <= height) break;
    }
    return dpi > kSceneDpi ? dpi : kSceneDpi;
}

// Gives the window its outer size, centred on the desktop when asked (as
// it is made); a window only resized is not brought to the front.
void PlaceWindow(HWND window, SIZE size, bool centre) {
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    SetWindowPos(window, nullptr, (desktop.right - size.cx) / 2, (desktop.bottom - size.cy) / 2, size.cx, size.cy,
                 SWP_NOZORDER | (centre ? 0 : SWP_NOMOVE | SWP_NOACTIVATE));
}

// A window that no longer lies inside its monitor's work area (after a
// change of resolution, say) is centred there.
void KeepOnItsMonitor(HWND window) {
    RECT area;
    RECT frame;
    if (!WorkAreaOf(window, area) || !GetWindowRect(window, &frame)) return;
    if (frame.left >= area.left && frame.top >= area.top && frame.right <= area.right && frame.bottom <= area.bottom)
        return;
    const long width = frame.right - frame.left;
    const long height = frame.bottom - frame.top;
    SetWindowPos(window, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The caption's and the taskbar's icons at the sizes of a monitor of
// another scale; the class's own icons serve until the first change. The
// window shows them until it is gone, which is the program's end.
HICON ScaledIcons[2] = {nullptr, nullptr};

// A refit asked for while the window was minimized.
bool RefitPending = false;

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
void FitWindowToScene(HWND window, int dpi, bool centre) {
    ChangeSceneScale(DpiThatFits(window, dpi, SceneDpiAt(dpi)));
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
    FitWindowToScene(window, dpi, false);
}

void RefitWindow(HWND window) {
    if (IsIconic(window)) {
        RefitPending = true;
        return;
    }
    RefitPending = false;
    FitWindowToScene(window, WindowDpi(window), false);
    KeepOnItsMonitor(window);
}

void RefitWhenRestored(HWND window) {
    if (RefitPending) RefitWindow(window);
}

void KeepOwnSizeWhenMaximized(HWND window, MINMAXINFO& limits) {
    RECT frame;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (!GetWindowRect(window, &frame) || IsRectEmpty(&frame) ||
        !GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    limits.ptMaxSize = POINT{frame.right - frame.left, frame.bottom - frame.top};
    limits.ptMaxPosition = POINT{frame.left - monitor.rcMonitor.left, frame.top - monitor.rcMonitor.top};
}

SIZE WindowSizeAtDpi(HWND window, int dpi) {
    const int sceneDpi = SceneDpiAt(dpi);
    return WindowSizeForClient(window, ScaledLength(kSceneWidth, sceneDpi), ScaledLength(kSceneHeight, sceneDpi), dpi);
}
