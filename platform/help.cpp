// The help: its files beside the program and the requests that show them.
//
// Where Windows has a help viewer (before Vista: SystemHasWinHelpViewer)
// and "wlthelp.hlp" is there, the requests go to the viewer. Requests for
// our own topics are made only while that file is there: without it (and
// without the web page) the program has no help to give, and stays silent
// instead of showing an error. Help on the viewer itself is always asked
// for.
//
// From Vista on, whose viewer is only a stub, and wherever "wlthelp.hlp"
// is missing but "wlthelp.htm" is there, the same requests open the help
// as a web page in the player's browser: "wlthelp.htm" for the contents,
// and for any other topic the small page the help generator writes for its
// context number ("wlthelp-104.htm"), which sends the browser on to the
// topic's anchor in "wlthelp.htm". The file association that starts the
// browser is given a plain path: an address with "#topic" can lose its
// anchor on the way, a page of its own cannot. A page that is missing, or
// that no program opens, is reported by name in the program's own words
// (the shell is told to show nothing of its own). No viewer is used on
// this path, so none is told to quit.
#include "platform/help.h"

#include <objbase.h>
#include <shellapi.h>

#include <cwchar>

#include "platform/program_handles.h"
#include "platform/program_texts.h"
#include "platform/wide_paths.h"
#include "platform/windows_version.h"
#include "records/record_requests.h"
#include "resource.h"

wchar_t HelpFilePath[kHelpFilePathSize];

namespace {

// The help files of the language the program speaks: "wlthelp.hlp",
// "wlthelp.htm" and "wlthelp-N.htm" for English, the language's own names
// in its string table for the others.
std::wstring HelpFileName() { return ProgramWideText(IDS_HELP_FILE); }
std::wstring WebHelpFileName() { return ProgramWideText(IDS_WEB_HELP_FILE); }
constexpr DWORD kIndexContext = 100;
constexpr DWORD kWordEntryContext = 104;

// Set once the viewer has been asked for something, so that the program
// only says goodbye to a viewer it has used.
bool HelpRequested = false;
// Set once this thread has COM for the shell's sake (see OpenWebHelpPage).
bool ComStarted = false;

bool FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ShowsWebHelp() {
    std::wstring folder;
    if (!ReadProgramFolder(folder)) folder.clear();
    return HelpIsWebPage(HelpFilePath, folder);
}

void ShowHelpContext(DWORD context) {
    if (!FileExists(HelpFilePath)) return;
    HelpRequested = true;
    WinHelpW(MainWindow, HelpFilePath, HELP_CONTEXT, context);
}

// The shell may hand the page to the browser through COM, which it expects
// the calling thread to have; this thread keeps it until QuitHelp.
void StartComForShell() {
    if (ComStarted) return;
    const HRESULT result =
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    ComStarted = result == S_OK || result == S_FALSE;
}

// Opens a page of the web help, beside the program, in the player's
// browser. The page and "wlthelp.htm" it leads to must both be there.
void OpenWebHelpPage(const std::wstring& page) {
    std::wstring folder;
    const bool whole = ReadProgramFolder(folder);
    for (const std::wstring& name : {WebHelpFileName(), page}) {
        if (!whole || !FileExists(folder + name)) {
            ShowErrorMessageNaming(ProgramText(IDS_HELP_MISSING), whole ? folder + name : name);
            return;
        }
    }
    StartComForShell();
    const std::wstring path = folder + page;
    SHELLEXECUTEINFOW open = {};
    open.cbSize = sizeof open;
    open.fMask = SEE_MASK_FLAG_NO_UI;
    open.hwnd = MainWindow;
    open.lpVerb = L"open";
    open.lpFile = path.c_str();
    open.lpDirectory = folder.c_str();
    open.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&open))
        ShowErrorMessageNaming(ProgramText(IDS_HELP_NOT_OPENED), path);
}

// The web page that shows the topic of a context number: the contents are
// the top of wlthelp.htm itself.
std::wstring WebHelpPage(DWORD context) {
    if (context == kIndexContext) return WebHelpFileName();
    return WideText(FormatProgramText(IDS_WEB_HELP_TOPIC_FILE, {std::to_string(context)}).c_str());
}

void ShowHelpTopic(DWORD context) {
    if (ShowsWebHelp()) OpenWebHelpPage(WebHelpPage(context));
    else ShowHelpContext(context);
}

}  // namespace

bool HelpIsWebPage(const wchar_t* helpFile, const std::wstring& folder) {
    if (!SystemHasWinHelpViewer()) return true;
    return !FileExists(helpFile) && !folder.empty() && FileExists(folder + WebHelpFileName());
}

void BuildHelpFilePath(wchar_t* buffer) {
    // The program's path is read whole, so that a directory longer than the
    // help path's buffer is recognised instead of being cut at a parent
    // folder (which would name another folder's help file).
    std::wstring folder;
    const int separator = ReadProgramFolder(folder) ? static_cast<int>(folder.size()) - 1 : kHelpFilePathSize;
    const std::wstring name = HelpFileName();
    if (separator + 2 + static_cast<int>(name.size()) < kHelpFilePathSize) {
        std::wmemcpy(buffer, folder.c_str(), folder.size());
        std::wcscpy(buffer + folder.size(), name.c_str());
        return;
    }
    // No room for the name: "?" names no file, so help requests do nothing.
    const size_t keep = folder.size() < kHelpFilePathSize - 2 ? folder.size() : kHelpFilePathSize - 2;
    std::wmemcpy(buffer, folder.c_str(), keep);
    buffer[keep] = L'?';
    buffer[keep + 1] = L'\0';
}

void ShowHelpIndex() { ShowHelpTopic(kIndexContext); }

void ShowWordEntryHelp() { ShowHelpTopic(kWordEntryContext); }

// How to use the viewer is the viewer's own help: it needs no file of ours.
// A browser needs no such help, so there it is the help's contents.
void ShowHelpOnHelp() {
    if (ShowsWebHelp()) {
        OpenWebHelpPage(WebHelpFileName());
        return;
    }
    HelpRequested = true;
    WinHelpW(MainWindow, L"", HELP_HELPONHELP, 0);
}

void QuitHelp() {
    if (HelpRequested) WinHelpW(MainWindow, HelpFilePath, HELP_QUIT, 0);
    if (ComStarted) CoUninitialize();
    ComStarted = false;
}
