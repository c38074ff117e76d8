// Answering as an older Windows would (probe_older_windows.h), through the
// program's own import slots.
#include "probe_older_windows.h"

#include <cstring>

#include "probe_timing.h"

namespace {

constexpr UINT kLaterQueueFlags = 0x0800 | 0x1000;  // QS_TOUCH, QS_POINTER

using MsgWaitFunction = DWORD(WINAPI*)(DWORD, const HANDLE*, DWORD, DWORD, DWORD);
using QueueStatusFunction = DWORD(WINAPI*)(UINT);
using GetProcAddressFunction = FARPROC(WINAPI*)(HMODULE, LPCSTR);
using SystemParametersFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT);

ProbeBlock* Block = nullptr;
MsgWaitFunction RealMsgWait = nullptr;
QueueStatusFunction RealQueueStatus = nullptr;
GetProcAddressFunction RealGetProcAddress = nullptr;
SystemParametersFunction RealSystemParameters = nullptr;
bool ContrastThemeOn = false;

DWORD WINAPI StrictMsgWait(DWORD count, const HANDLE* handles, DWORD ms, DWORD wake, DWORD flags) {
    if (RefuseLaterQueueFlags(wake)) return WAIT_FAILED;
    return RealMsgWait(count, handles, ms, wake, flags);
}

DWORD WINAPI StrictQueueStatus(UINT flags) {
    if (RefuseLaterQueueFlags(flags)) return 0;
    return RealQueueStatus(flags);
}

FARPROC WINAPI GetProcAddressWithoutWindowDpi(HMODULE module, LPCSTR name) {
    if (HIWORD(reinterpret_cast<ULONG_PTR>(name)) != 0 && std::strcmp(name, "GetDpiForWindow") == 0) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return RealGetProcAddress(module, name);
}

// SPI_GETHIGHCONTRAST as Windows answers it with a theme on: the flags of
// a theme the player can switch, and no scheme name.
BOOL WINAPI SystemParametersWithContrast(UINT action, UINT size, PVOID value, UINT flags) {
    if (action != SPI_GETHIGHCONTRAST || value == nullptr) return RealSystemParameters(action, size, value, flags);
    HIGHCONTRASTA* contrast = static_cast<HIGHCONTRASTA*>(value);
    if (contrast->cbSize != sizeof *contrast) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    contrast->dwFlags = HCF_AVAILABLE | HCF_HOTKEYAVAILABLE | (ContrastThemeOn ? HCF_HIGHCONTRASTON : 0);
    contrast->lpszDefaultScheme = nullptr;
    return TRUE;
}

// Redirects an import slot of the program; keeps the real function.
template <typename Function>
void Redirect(const char* dll, const char* name, Function replacement, Function& real) {
    void** slot = ImportSlot(dll, name);
    if (slot == nullptr) return;
    real = reinterpret_cast<Function>(*slot);
    if (!WriteSlot(slot, reinterpret_cast<void*>(replacement))) real = nullptr;
}

bool OlderThanWindows8() {
    using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
    const auto getVersion = reinterpret_cast<RtlGetVersionFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlGetVersion")));
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (getVersion == nullptr || getVersion(&version) != 0) return false;
    return version.dwMajorVersion < 6 || (version.dwMajorVersion == 6 && version.dwMinorVersion < 2);
}

}  // namespace

void ActAsOlderWindows(ProbeBlock* block) {
    static bool done = false;
    if (done || block == nullptr) return;
    done = true;
    if (!OlderThanWindows8()) return;
    Block = block;
    Redirect<MsgWaitFunction>("user32.dll", "MsgWaitForMultipleObjectsEx", StrictMsgWait, RealMsgWait);
    Redirect<QueueStatusFunction>("user32.dll", "GetQueueStatus", StrictQueueStatus, RealQueueStatus);
    block->ActingAsOlderWindows = 1;
}

bool RefuseLaterQueueFlags(UINT flags) {
    if (Block == nullptr || (flags & kLaterQueueFlags) == 0) return false;
    ++Block->RefusedQueueCalls;
    SetLastError(ERROR_INVALID_PARAMETER);
    return true;
}

int32_t AnswerHighContrast(bool on) {
    ContrastThemeOn = on;
    if (RealSystemParameters == nullptr)
        Redirect<SystemParametersFunction>("user32.dll", "SystemParametersInfoA", SystemParametersWithContrast,
                                           RealSystemParameters);
    return RealSystemParameters != nullptr ? 1 : 0;
}

int32_t HideWindowDpi() {
    if (RealGetProcAddress == nullptr)
        Redirect<GetProcAddressFunction>("kernel32.dll", "GetProcAddress", GetProcAddressWithoutWindowDpi,
                                         RealGetProcAddress);
    return RealGetProcAddress != nullptr ? 1 : 0;
}
