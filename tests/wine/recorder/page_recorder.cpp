// A stand-in for the player's web browser in the Wine tests. The help
// scenarios register it for .htm pages as
//
//   "...\wordloft_page_recorder.exe" "RECORD-FILE" "%1"
//
// and it appends the page it was asked to show, as it arrived (UTF-8), to
// RECORD-FILE: one line per start. It shows no window.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count < 2) return 1;
    FILE* record = _wfopen(arguments[1], L"ab");
    if (record == nullptr) return 1;
    char page[4 * MAX_PATH] = "";
    if (count >= 3)
        WideCharToMultiByte(CP_UTF8, 0, arguments[2], -1, page, sizeof page, nullptr, nullptr);
    std::fprintf(record, "%s\n", page);
    std::fclose(record);
    LocalFree(arguments);
    return 0;
}
