// The Windows version behind the program's choices: read from ntdll's
// RtlGetVersion, which reports the version Windows really is whatever the
// manifest declares. (The manifest names every Windows from Vista to 10
// and 11, so GetVersionExA would tell the truth as well; RtlGetVersion
// needs no such promise.)
#include "platform/windows_version.h"

#include <windows.h>

namespace {

constexpr DWORD kVistaMajorVersion = 6;

using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);

WindowsVersion ReadWindowsVersion() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    if (ntdll == nullptr) return WindowsVersion{0, 0};
    const auto getVersion = reinterpret_cast<RtlGetVersionFunction>(
        reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
    if (getVersion == nullptr) return WindowsVersion{0, 0};
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (getVersion(&version) != 0) return WindowsVersion{0, 0};
    return WindowsVersion{version.dwMajorVersion, version.dwMinorVersion};
}

}  // namespace

WindowsVersion RunningWindowsVersion() {
    static const WindowsVersion version = ReadWindowsVersion();
    return version;
}

// Every Windows since 2000 has RtlGetVersion; one without it is older still
// and comes with its help viewer.
bool SystemHasWinHelpViewer() { return RunningWindowsVersion().Major < kVistaMajorVersion; }
