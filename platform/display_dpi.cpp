// The monitor's resolution through the calls of Windows 10, or of 8.1's
// shcore.dll where those are missing, found at run time so that the
// program still starts on older Windows, where the screen's logical inch
// answers instead.
#include "platform/display_dpi.h"

#include "platform/system_library.h"

namespace {

// 100 %: the logical inch of Windows before monitors had scales of their own.
constexpr int kDefaultDpi = 96;

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using EnableScalingFunction = BOOL(WINAPI*)(HWND);
using MetricForDpiFunction = int(WINAPI*)(int, UINT);
using DpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

// MDT_EFFECTIVE_DPI of shellscalingapi.h: the scale the user set for the
// monitor.
constexpr int kEffectiveDpi = 0;

// A function of user32, or null where this Windows lacks it. user32 stays
// loaded as long as the program has a window.
template <typename Function>
Function User32Function(const char* name) {
    return LibraryFunction<Function>(GetModuleHandleA("user32.dll"), name);
}

// The monitor's own scale through shcore.dll (Windows 8.1 on), loaded
// only where GetDpiForWindow is missing (8.1 and 10 before 1607); 0 where
// it cannot be told.
int MonitorDpi(HWND window) {
    static const auto getDpi =
        LibraryFunction<DpiForMonitorFunction>(LoadSystemLibrary("shcore.dll"), "GetDpiForMonitor");
    UINT x = 0;
    UINT y = 0;
    if (!getDpi || !window) return 0;
    if (FAILED(getDpi(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x, &y))) return 0;
    return static_cast<int>(y);
}

int ScreenDpi() {
    const HDC screen = GetDC(nullptr);
    if (!screen) return kDefaultDpi;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDefaultDpi;
}

}  // namespace

// Asked only when the window is made or refitted: looked up each time.
int WindowDpi(HWND window) {
    const auto getDpi = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpi && window) {
        const UINT dpi = getDpi(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    const int monitor = getDpi ? 0 : MonitorDpi(window);
    return monitor > 0 ? monitor : ScreenDpi();
}

SIZE WindowSizeForClient(HWND window, int width, int height, int dpi) {
    static const auto adjust = User32Function<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
    RECT frame = {0, 0, width, height};
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    const DWORD extended = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
    const BOOL menu = GetMenu(window) != nullptr;
    if (!adjust || !adjust(&frame, style, menu, extended, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&frame, style, menu, extended);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

int SystemMetricAtDpi(int index, int dpi) {
    static const auto metric = User32Function<MetricForDpiFunction>("GetSystemMetricsForDpi");
    return metric ? metric(index, static_cast<UINT>(dpi)) : GetSystemMetrics(index);
}

void EnableScaledFrame(HWND window) {
    static const auto enable = User32Function<EnableScalingFunction>("EnableNonClientDpiScaling");
    if (enable) enable(window);
}
