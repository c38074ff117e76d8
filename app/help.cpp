// The help file: its path beside the program and the requests made of the
// platform's help viewer. Requests for our own topics are made only while
// the help file is there: without it the program has no help to give, and
// stays silent instead of showing an error. Help on the viewer itself is
// always asked for.
#include "app/help.h"

#include <cstring>

#include "app/app_globals.h"

char HelpFilePath[kHelpFilePathSize];

namespace {

constexpr char kHelpFileName[] = "wlthelp.hlp";
constexpr DWORD kIndexContext = 100;
constexpr DWORD kWordEntryContext = 104;

// Set once the viewer has been asked for something, so that the program
// only says goodbye to a viewer it has used.
bool HelpRequested = false;

bool FileExists(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool HelpAvailable() { return FileExists(HelpFilePath); }

void ShowHelpContext(DWORD context) {
    if (!HelpAvailable()) return;
    HelpRequested = true;
    WinHelpA(MainWindow, HelpFilePath, HELP_CONTEXT, context);
}

}  // namespace

void BuildHelpFilePath(char* buffer) {
    // The program's path is read whole, so that a directory longer than the
    // help path's buffer is recognised instead of being cut at a parent
    // folder (which would name another folder's help file).
    char program[MAX_PATH + 1] = "";
    const DWORD length = GetModuleFileNameA(nullptr, program, sizeof program);
    program[length < sizeof program ? length : sizeof program - 1] = '\0';
    int separator = static_cast<int>(std::strlen(program)) - 1;
    while (separator >= 0 && program[separator] != '\\' && program[separator] != ':') --separator;
    // A path the call had to cut is longer than any the buffer could hold.
    if (length >= sizeof program) separator = kHelpFilePathSize;
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

void ShowHelpIndex() { ShowHelpContext(kIndexContext); }

void ShowWordEntryHelp() { ShowHelpContext(kWordEntryContext); }

// How to use the viewer is the viewer's own help: it needs no file of ours.
void ShowHelpOnHelp() {
    HelpRequested = true;
    WinHelpA(MainWindow, "", HELP_HELPONHELP, 0);
}

void QuitHelp() {
    if (HelpRequested) WinHelpA(MainWindow, HelpFilePath, HELP_QUIT, 0);
}
