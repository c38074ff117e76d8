// The Windows version behind the program's help: read from ntdll's
// RtlGetVersion, which reports the version Windows really is whatever the
// manifest declares. (The manifest names every Windows from Vista to 10
// and 11, so GetVersionExA would tell the truth as well; RtlGetVersion
// needs no such promise.)
#include "platform/windows_version.h"

#include <windows.h>

namespace {

constexpr DWORD kVistaMajorVersion = 6;

using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);

// The major version of Windows; 0 when ntdll does not tell it.
DWORD WindowsMajorVersion() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    if (ntdll == nullptr) return 0;
    const auto getVersion = reinterpret_cast<RtlGetVersionFunction>(
        reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
    if (getVersion == nullptr) return 0;
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof version;
    return getVersion(&version) == 0 ? version.dwMajorVersion : 0;
}

}  // namespace

// Every Windows since 2000 has RtlGetVersion; one without it is older still
// and comes with its help viewer.
bool SystemHasWinHelpViewer() {
    static const bool has = WindowsMajorVersion() < kVistaMajorVersion;
    return has;
}
