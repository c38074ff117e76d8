// The help: its files beside the program and the requests that show them.
//
// Where the system can show Windows Help files (SystemShowsWinHelp), the
// requests go to the platform's help viewer with "wlthelp.hlp". Requests
// for our own topics are made only while that file is there: without it
// the program has no help to give, and stays silent instead of showing an
// error. Help on the viewer itself is always asked for.
//
// Where it cannot (Windows 10 and later), the same requests open the help
// as a web page in the player's browser: "wlthelp.htm" for the contents,
// and for any other topic the small page the help generator writes for its
// context number ("wlthelp-104.htm"), which sends the browser on to the
// topic's anchor in "wlthelp.htm". The file association that starts the
// browser is given a plain path: an address with "#topic" can lose its
// anchor on the way, a page of its own cannot. A page that is missing, or
// that no browser opens, is reported by name. No viewer is used on this
// path, so none is told to quit.
#include "platform/help.h"

#include <objbase.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "game/requests.h"
#include "platform/program_handles.h"
#include "platform/windows_version.h"

char HelpFilePath[kHelpFilePathSize];

namespace {

constexpr char kHelpFileName[] = "wlthelp.hlp";
constexpr char kWebHelpFileName[] = "wlthelp.htm";
constexpr DWORD kIndexContext = 100;
constexpr DWORD kWordEntryContext = 104;
constexpr DWORD kProgramPathSize = MAX_PATH + 1;

// Set once the viewer has been asked for something, so that the program
// only says goodbye to a viewer it has used.
bool HelpRequested = false;
// Set once this thread has COM for the shell's sake (see OpenWebHelpPage).
bool ComStarted = false;

bool FileExists(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The program's path, read whole into a kProgramPathSize buffer, and the
// index of its last "\" or ":" (-1 when it has none). False when the path
// is longer than the buffer: the call then cuts it, and a cut path would
// name another folder.
bool ReadProgramPath(char* program, int& separator) {
    const DWORD length = GetModuleFileNameA(nullptr, program, kProgramPathSize);
    program[length < kProgramPathSize ? length : kProgramPathSize - 1] = '\0';
    separator = static_cast<int>(std::strlen(program)) - 1;
    while (separator >= 0 && program[separator] != '\\' && program[separator] != ':') --separator;
    return length < kProgramPathSize;
}

bool HelpAvailable() { return FileExists(HelpFilePath); }

void ShowHelpContext(DWORD context) {
    if (!HelpAvailable()) return;
    HelpRequested = true;
    WinHelpA(MainWindow, HelpFilePath, HELP_CONTEXT, context);
}

void ReportWebHelp(const char* format, const std::string& path) {
    char text[2 * MAX_PATH];
    std::snprintf(text, sizeof text, format, path.c_str());
    ShowErrorMessage(text);
}

// ShellExecuteA may hand the page to the browser through COM, which it
// expects the calling thread to have; this thread keeps it until QuitHelp.
void StartComForShell() {
    if (ComStarted) return;
    const HRESULT result =
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    ComStarted = result == S_OK || result == S_FALSE;
}

// Opens a page of the web help, beside the program, in the player's
// browser. The page and "wlthelp.htm" it leads to must both be there.
void OpenWebHelpPage(const std::string& page) {
    char program[kProgramPathSize];
    int separator = -1;
    const bool whole = ReadProgramPath(program, separator);
    const std::string folder(program, separator + 1);
    for (const std::string& name : {std::string(kWebHelpFileName), page}) {
        if (!whole || !FileExists((folder + name).c_str())) {
            ReportWebHelp("The help file %s is missing. Keep it in the same folder as the game.",
                          whole ? folder + name : name);
            return;
        }
    }
    StartComForShell();
    const std::string path = folder + page;
    const HINSTANCE opened =
        ShellExecuteA(MainWindow, "open", path.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(opened) <= 32)
        ReportWebHelp("The help file %s could not be opened in a web browser.", path);
}

// The web page that shows the topic of a context number: the contents are
// the top of wlthelp.htm itself.
std::string WebHelpPage(DWORD context) {
    if (context == kIndexContext) return kWebHelpFileName;
    return "wlthelp-" + std::to_string(context) + ".htm";
}

void ShowHelpTopic(DWORD context) {
    if (SystemShowsWinHelp()) ShowHelpContext(context);
    else OpenWebHelpPage(WebHelpPage(context));
}

}  // namespace

void BuildHelpFilePath(char* buffer) {
    // The program's path is read whole, so that a directory longer than the
    // help path's buffer is recognised instead of being cut at a parent
    // folder (which would name another folder's help file).
    char program[kProgramPathSize] = "";
    int separator = -1;
    if (!ReadProgramPath(program, separator)) separator = kHelpFilePathSize;
    if (separator + 13 < kHelpFilePathSize) {
        std::memcpy(buffer, program, separator + 1);
        std::strcpy(buffer + separator + 1, kHelpFileName);
        return;
    }
    // No room for the name: "?" names no file, so help requests do nothing.
    const int end = separator + 1 < kHelpFilePathSize - 1 ? separator + 1 : kHelpFilePathSize - 2;
    std::memcpy(buffer, program, end);
    buffer[end] = '?';
    buffer[end + 1] = '\0';
}

void ShowHelpIndex() { ShowHelpTopic(kIndexContext); }

void ShowWordEntryHelp() { ShowHelpTopic(kWordEntryContext); }

// How to use the viewer is the viewer's own help: it needs no file of ours.
// A browser needs no such help, so there it is the help's contents.
void ShowHelpOnHelp() {
    if (!SystemShowsWinHelp()) {
        OpenWebHelpPage(kWebHelpFileName);
        return;
    }
    HelpRequested = true;
    WinHelpA(MainWindow, "", HELP_HELPONHELP, 0);
}

void QuitHelp() {
    if (HelpRequested) WinHelpA(MainWindow, HelpFilePath, HELP_QUIT, 0);
    if (ComStarted) CoUninitialize();
    ComStarted = false;
}
