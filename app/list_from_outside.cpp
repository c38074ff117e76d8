// A list file from outside the game. Every way in (the command line, a
// drop, a second copy's WM_COPYDATA) only adds the path to the lists that
// wait and posts kOpenWaitingListMessage; the window then opens them, one
// after the other in the order they came, when nothing is under way: no
// letter guessed in the game (the Words menu is usable), no guess or pause
// running, no dialog or message box open. Until then the message loop
// looks after each message it handles whether that moment has come, so
// that a game ended by a guess, given up with New, or a dialog closed all
// let the lists in. Every box shown for such a list is owned by the main
// window, which it disables, and the list's game starts fresh whatever
// happened meanwhile.
#include "app/list_from_outside.h"

#include <shellapi.h>

#include <deque>
#include <string>

#include "app/main_window.h"
#include "game/engine.h"
#include "game/game_state.h"
#include "game/requests.h"
#include "platform/pauses.h"
#include "platform/program_handles.h"
#include "platform/system_library.h"
#include "platform/utilities.h"
#include "platform/wide_paths.h"
#include "records/preferences.h"
#include "resource.h"
#include "wordlists/list_file.h"
#include "wordlists/list_messages.h"
#include "wordlists/list_text.h"
#include "wordlists/open_list_dialog.h"

namespace {

// WM_COPYDATA's dwData for a list file's path, in UTF-16 with its
// terminator: "WLST"; and, without data, for a copy started without a
// list: the game comes to the front, "WFWD".
constexpr ULONG_PTR kListPathData = 0x574C5354;
constexpr ULONG_PTR kComeForwardData = 0x57465744;
// The longest path the wide-character calls take, in characters.
constexpr size_t kLongestPath = 32767;
constexpr UINT kHandOverTimeoutMs = 5000;
// How long a later copy looks for the window of a copy that is still
// starting, and how often.
constexpr DWORD kRunningWindowWaitMs = 5000;
constexpr DWORD kRunningWindowRetryMs = 100;
// Held by the copy that runs, for the session (the same name reaches an
// elevated copy, whose mutex a copy without its rights may not open).
constexpr wchar_t kRunningCopyName[] = L"Local\\Wordloft.RunningCopy";
// Explorer sends a drop's data ahead of WM_DROPFILES in this message.
constexpr UINT kCopyGlobalData = 0x0049;
// MSGFLT_ALLOW of ChangeWindowMessageFilterEx and MSGFLT_ADD of
// ChangeWindowMessageFilter.
constexpr DWORD kAllowMessage = 1;

using MessageFilterEx = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
using MessageFilter = BOOL(WINAPI*)(UINT, DWORD);

// The lists that wait, in the order they came, and whether the player was
// told about each.
struct WaitingList {
    std::string Path;
    bool Noted;
};
std::deque<WaitingList> WaitingLists;

bool GameUnderWay() { return CountLettersUsed() > 0; }

// No guess and no pause runs: requests are held meanwhile.
bool CanTellNow() { return !RequestsHeld(); }

bool CanOpenNow() {
    return CanTellNow() && !GameUnderWay() && IsWindowEnabled(MainWindow) && PreferencesBeforeEdit == nullptr;
}

bool HasUnnotedList() {
    for (const WaitingList& list : WaitingLists)
        if (!list.Noted) return true;
    return false;
}

// Tells once about the lists that came since the last note.
void KeepWaiting() {
    if (!CanTellNow()) return;
    std::string names;
    int count = 0;
    for (WaitingList& list : WaitingLists) {
        if (list.Noted) continue;
        list.Noted = true;
        names += (count++ > 0 ? ", " : "") + FileNameOf(list.Path);
    }
    if (count == 0) return;
    ShowListNoteOwned(ListMessage(GameUnderWay() ? IDS_LISTS_WAIT_FOR_GAME : IDS_LISTS_WAIT_FOR_WINDOW,
                                  {names, std::to_string(count)}),
                      FrontWindow());
}

// Adds a path to the lists that wait and has the window look at it once
// its queue gets there (at start, once the window is there).
void LetListWait(const std::string& path) {
    WaitingLists.push_back({path, false});
    if (MainWindow != nullptr) PostMessageA(MainWindow, kOpenWaitingListMessage, 0, 0);
}

// The list the command line names, as a full path when it can be made one.
std::string ListNamedOnCommandLine() {
    const std::string named = ListPathOnCommandLine(Utf8Path(GetCommandLineW()));
    if (named.empty()) return named;
    const std::wstring wide = WidePath(named.c_str());
    const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0) return named;
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(wide.c_str(), size, &full[0], nullptr);
    if (length == 0 || length >= size) return named;
    full.resize(length);
    return Utf8Path(full.c_str());
}

// Custom Words becomes the source and the record is saved; after the
// report, a new game drawn from the list starts from a clean state (all
// guesses, no letter used, the menus usable, the scene fresh), whatever a
// message handed to the window while a box was open did.
void PlayFromCustomWords(const ListReport& report, const std::string& fileName) {
    SetUseCustomWordsEnabled(true);
    Preferences.WordSource = kSourceCustomWords;
    CheckWordSourceItem(kSourceCustomWords);
    SavePreferences();
    ShowListReport(report, fileName, MainWindow);
    SetSourceTitle();
    StartNextGame();
}

// The file is read once; nothing of it is kept once it is taken.
void OpenList(const std::string& path) {
    ListFile file;
    if (!LoadListFile(path.c_str(), file)) return;
    ListReport preview;
    const int16_t usable = CountUsableEntries(file, preview);
    if (usable == 0) {
        ShowListReport(preview, file.Name, MainWindow);
        return;
    }
    int16_t append = 0;
    if (Preferences.CustomWordCount > 0) {
        const OpenListChoice choice = AskReplaceOrAdd(MainWindow, file.Name, usable);
        if (choice == OpenListChoice::Cancel) return;
        append = choice == OpenListChoice::Add ? 1 : 0;
    }
    ListReport report;
    TakeListFile(file, append, report);
    const std::string name = file.Name;
    file = ListFile();
    PlayFromCustomWords(report, name);
}

void BringWindowForward() {
    if (IsIconic(MainWindow)) ShowWindow(MainWindow, SW_RESTORE);
    SetForegroundWindow(GetLastActivePopup(MainWindow));
}

// The window of the copy that runs, looked for while that copy may still
// be making it.
HWND FindRunningWindow() {
    char className[100];
    LoadResourceString(IDS_WINDOW_CLASS, className, sizeof className);
    HWND running = FindWindowA(className, nullptr);
    for (DWORD waited = 0; running == nullptr && waited < kRunningWindowWaitMs; waited += kRunningWindowRetryMs) {
        Sleep(kRunningWindowRetryMs);
        running = FindWindowA(className, nullptr);
    }
    return running;
}

// Hands the path (empty: only the request to come forward) to the copy
// that runs; true when it took it.
bool HandOver(HWND running, const std::string& path) {
    const std::wstring wide = WidePath(path.c_str());
    COPYDATASTRUCT data = {};
    data.dwData = path.empty() ? kComeForwardData : kListPathData;
    if (!path.empty()) {
        data.cbData = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
        data.lpData = const_cast<wchar_t*>(wide.c_str());
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(running, &processId);
    AllowSetForegroundWindow(processId);
    DWORD_PTR taken = FALSE;
    return SendMessageTimeoutW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                               kHandOverTimeoutMs, &taken) != 0 &&
           taken == TRUE;
}

}  // namespace

bool HandListToRunningCopy() {
    const std::string named = ListNamedOnCommandLine();
    // This copy's handle is kept until the program ends; Windows closes it.
    HANDLE mutex = CreateMutexW(nullptr, FALSE, kRunningCopyName);
    const DWORD error = GetLastError();
    const bool another = error == ERROR_ALREADY_EXISTS || (mutex == nullptr && error == ERROR_ACCESS_DENIED);
    if (!another) {
        if (!named.empty()) LetListWait(named);
        return false;
    }
    if (mutex != nullptr) CloseHandle(mutex);
    const std::string problem = named.empty() ? std::string() : ListFileProblem(named.c_str());
    if (!problem.empty()) {
        ShowListNote(problem);
        return true;
    }
    HWND running = FindRunningWindow();
    if (running == nullptr || !HandOver(running, named))
        ShowListNote(named.empty() ? ListMessage(IDS_RUNNING_GAME_NOT_FOUND)
                                   : ListMessage(IDS_LIST_NOT_TAKEN, {FileNameOf(named)}));
    return true;
}

void LetListsInFromLowerPrograms(HWND window) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    const auto allowForWindow = LibraryFunction<MessageFilterEx>(user32, "ChangeWindowMessageFilterEx");
    const auto allow = LibraryFunction<MessageFilter>(user32, "ChangeWindowMessageFilter");
    for (UINT message : {static_cast<UINT>(WM_DROPFILES), static_cast<UINT>(WM_COPYDATA), kCopyGlobalData}) {
        if (allowForWindow != nullptr) {
            allowForWindow(window, message, kAllowMessage, nullptr);
        } else if (allow != nullptr) {
            allow(message, kAllowMessage);
        }
    }
}

void OpenListNamedAtStart() {
    if (!WaitingLists.empty()) PostMessageA(MainWindow, kOpenWaitingListMessage, 0, 0);
}

LRESULT TakeListFromOtherCopy(const COPYDATASTRUCT* data) {
    if (data == nullptr) return FALSE;
    if (data->dwData == kComeForwardData) {
        BringWindowForward();
        return TRUE;
    }
    if (data->dwData != kListPathData || data->lpData == nullptr) return FALSE;
    const size_t units = data->cbData / sizeof(wchar_t);
    if (data->cbData % sizeof(wchar_t) != 0 || units < 2 || units > kLongestPath + 1) return FALSE;
    std::wstring wide(static_cast<const wchar_t*>(data->lpData), units);
    wide.resize(wide.find(L'\0') == std::wstring::npos ? units : wide.find(L'\0'));
    const std::string path = Utf8Path(wide.c_str());
    if (path.empty() || !IsListFileName(path) || !ListFileProblem(path.c_str()).empty()) return FALSE;
    LetListWait(path);
    return TRUE;
}

LRESULT TakeDroppedList(HDROP drop) {
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        if (length == 0 || DragQueryFileW(drop, i, &path[0], length + 1) != length) continue;
        path.resize(length);
        LetListWait(Utf8Path(path.c_str()));
    }
    DragFinish(drop);
    return 0;
}

LRESULT OpenWaitingList() {
    if (WaitingLists.empty() || MainWindow == nullptr) return 0;
    if (!CanOpenNow()) {
        KeepWaiting();
        return 0;
    }
    const std::string path = WaitingLists.front().Path;
    WaitingLists.pop_front();
    BringWindowForward();
    OpenList(path);
    return 0;
}

void LetWaitingListIn() {
    if (WaitingLists.empty() || MainWindow == nullptr) return;
    if (CanOpenNow() || (HasUnnotedList() && CanTellNow())) PostMessageA(MainWindow, kOpenWaitingListMessage, 0, 0);
}
