// A library planted where Windows' search for a library named without a
// path would find it: beside the program, or in the current folder. Built
// as winmm.dll and as shcore.dll, two libraries the game loads by name.
// When loaded it leaves a file named after itself (winmm.dll.loaded) beside
// itself and refuses to load, so that nothing else of it runs.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    wchar_t path[MAX_PATH + 8] = L"";
    const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        lstrcatW(path, L".loaded");
        const HANDLE marker = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (marker != INVALID_HANDLE_VALUE) CloseHandle(marker);
    }
    return FALSE;
}
