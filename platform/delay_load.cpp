// The system DLLs that the first paint does not need (the file dialogs,
// the shell, COM, the accessible objects, sound playback) are loaded at
// the program's first call into each, not at its start (see
// cmake/delay_load.cmake). Where Windows cannot supply such a DLL or one
// of its functions, the loader used to refuse to start the program with a
// message naming it; the first call now says the same in the program's
// own words and ends the program, rather than letting the call crash.
// Every game's end has saved the record by then. Each such DLL is loaded
// from the system folder by its full path (platform/system_library.h),
// never through the search path, which begins with the program's folder.
#include <windows.h>

#include <delayimp.h>

#include <string>

#include "game/text_format.h"
#include "platform/program_handles.h"
#include "platform/system_library.h"
#include "resource.h"

namespace {

// Exit code of a program ended because a system DLL was missing.
constexpr UINT kMissingSystemFunction = 3;

FARPROC WINAPI ReportMissingSystemFunction(unsigned notification, PDelayLoadInfo info) {
    if (notification != dliFailLoadLib && notification != dliFailGetProc) return nullptr;
    // A message the box handles may call into the same DLL again: the
    // first report is the one shown.
    static bool reporting = false;
    if (reporting) ExitProcess(kMissingSystemFunction);
    reporting = true;
    const char* title = ProductTitle[0] != '\0' ? ProductTitle : "Wordloft";
    std::string text;
    if (notification == dliFailLoadLib) {
        text = FormatProgramText(IDS_MISSING_LIBRARY,
                                 {title, info->szDll, std::to_string(static_cast<unsigned long>(info->dwLastError))});
    } else if (info->dlp.fImportByName) {
        text = FormatProgramText(IDS_MISSING_FUNCTION, {title, info->dlp.szProcName, info->szDll});
    } else {
        text = FormatProgramText(IDS_MISSING_ORDINAL,
                                 {title, std::to_string(static_cast<unsigned long>(info->dlp.dwOrdinal)), info->szDll});
    }
    MessageBoxA(MainWindow, text.c_str(), title, MB_OK | MB_ICONSTOP | MB_TASKMODAL);
    ExitProcess(kMissingSystemFunction);
}

// Before the helper loads a DLL by its bare name, the DLL is loaded here
// from the system folder. One that is not there is reported as missing at
// once: the helper would otherwise look for it along the search path.
FARPROC WINAPI LoadFromSystemFolder(unsigned notification, PDelayLoadInfo info) {
    if (notification != dliNotePreLoadLibrary) return nullptr;
    const HMODULE library = LoadSystemLibrary(info->szDll);
    if (library == nullptr) {
        info->dwLastError = GetLastError();
        return ReportMissingSystemFunction(dliFailLoadLib, info);
    }
    return reinterpret_cast<FARPROC>(library);
}

}  // namespace

// The delay-load helper calls these before it loads a DLL and when a load
// or a look-up fails (C linkage, as <delayimp.h> declares them).
PfnDliHook __pfnDliNotifyHook2 = LoadFromSystemFolder;
PfnDliHook __pfnDliFailureHook2 = ReportMissingSystemFunction;
