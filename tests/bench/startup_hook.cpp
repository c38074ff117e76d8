// The bench's start-up hook: a WH_CALLWNDPROC and a WH_CALLWNDPROCRET hook
// that Wine loads into a starting program when the bench installs them on
// its main thread. They note when the thread's first window message and
// first WM_PAINT come (startup_profile.h) and change nothing else.
#include <windows.h>

#include "startup_profile.h"

namespace {

StartupProfile* Profile() {
    static StartupProfile* profile = [] {
        HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, STARTUP_PROFILE_MEMORY_NAME);
        return mapping != nullptr ? static_cast<StartupProfile*>(
                                        MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(StartupProfile)))
                                  : nullptr;
    }();
    return profile;
}

int64_t Now() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK StartupSentHookProc(int code, WPARAM wParam, LPARAM lParam) {
    StartupProfile* profile = Profile();
    if (code == HC_ACTION && profile != nullptr) {
        const int64_t now = Now();
        if (profile->FirstMessage == 0) profile->FirstMessage = now;
        if (reinterpret_cast<const CWPSTRUCT*>(lParam)->message == WM_PAINT && profile->PaintStart == 0)
            profile->PaintStart = now;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

extern "C" __declspec(dllexport) LRESULT CALLBACK StartupReturnHookProc(int code, WPARAM wParam, LPARAM lParam) {
    StartupProfile* profile = Profile();
    if (code == HC_ACTION && profile != nullptr &&
        reinterpret_cast<const CWPRETSTRUCT*>(lParam)->message == WM_PAINT && profile->PaintEnd == 0) {
        profile->PaintEnd = Now();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
