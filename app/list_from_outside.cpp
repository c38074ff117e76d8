// A list file from outside the game. Every way in (the command line, a
// drop, a second copy's WM_COPYDATA) only notes the path and posts
// kOpenWaitingListMessage; the window then opens the list when nothing is
// under way: no letter guessed in the game (the Words menu is usable), no
// guess or pause running, no dialog or message box open. Until then the
// message loop looks after each message it handles whether that moment has
// come, so that a game ended by a guess, given up with New, or a dialog
// closed all let the list in.
#include "app/list_from_outside.h"

#include <shellapi.h>

#include <string>

#include "app/main_window.h"
#include "game/engine.h"
#include "game/game_state.h"
#include "game/requests.h"
#include "platform/pauses.h"
#include "platform/program_handles.h"
#include "platform/utilities.h"
#include "platform/wide_paths.h"
#include "records/preferences.h"
#include "resource.h"
#include "wordlists/list_file.h"
#include "wordlists/list_messages.h"
#include "wordlists/open_list_dialog.h"

namespace {

// WM_COPYDATA's dwData for a list file's path, in UTF-16 with its
// terminator: "WLST".
constexpr ULONG_PTR kListPathData = 0x574C5354;
// The longest path the wide-character calls take, in characters.
constexpr size_t kLongestPath = 32767;
constexpr UINT kHandOverTimeoutMs = 5000;

// The list the command line named (a full path), kept until the window is up.
std::string NamedPath;
// The list that waits to be opened, and whether the player was told so.
std::string WaitingPath;
bool WaitingNoted = false;

bool GameUnderWay() { return CountLettersUsed() > 0; }

// No guess and no pause runs: requests are held meanwhile.
bool CanTellNow() { return !RequestsHeld(); }

bool CanOpenNow() {
    return CanTellNow() && !GameUnderWay() && IsWindowEnabled(MainWindow) && PreferencesBeforeEdit == nullptr;
}

void KeepWaiting() {
    if (WaitingNoted || !CanTellNow()) return;
    WaitingNoted = true;
    ShowListNote("The word list " + FileNameOf(WaitingPath) +
                 (GameUnderWay() ? " will open when this game is over."
                                 : " will open when the window in front of the game is closed."));
}

// Notes a path and has the window look at it once its queue gets there.
void LetListWait(const std::string& path) {
    WaitingPath = path;
    WaitingNoted = false;
    PostMessageA(MainWindow, kOpenWaitingListMessage, 0, 0);
}

// The command line's list as a full path, when it names an existing file.
std::string ExistingListOnCommandLine() {
    const std::string named = ListPathOnCommandLine(Utf8Path(GetCommandLineW()));
    if (named.empty()) return named;
    const std::wstring wide = WidePath(named.c_str());
    const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0) return std::string();
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(wide.c_str(), size, &full[0], nullptr);
    if (length == 0 || length >= size) return std::string();
    full.resize(length);
    const DWORD attributes = GetFileAttributesW(full.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return std::string();
    return Utf8Path(full.c_str());
}

// Custom Words becomes the source: the record is saved, the report shown,
// and a new game drawn from the list.
void PlayFromCustomWords(const ListReport& report, const std::string& fileName) {
    SetUseCustomWordsEnabled(true);
    Preferences.WordSource = kSourceCustomWords;
    CheckWordSourceItem(kSourceCustomWords);
    SavePreferences();
    ShowListReport(report, fileName);
    NewGame(kSourceCustomWords, 1);
}

void OpenList(const std::string& path) {
    static ListFile file;
    if (!LoadListFile(path.c_str(), file)) return;
    ListReport preview;
    const int16_t usable = CountUsableEntries(file, preview);
    if (usable == 0) {
        ShowListReport(preview, file.Name);
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
    PlayFromCustomWords(report, file.Name);
}

void BringWindowForward() {
    if (IsIconic(MainWindow)) ShowWindow(MainWindow, SW_RESTORE);
    SetForegroundWindow(MainWindow);
}

}  // namespace

bool HandListToRunningCopy() {
    NamedPath = ExistingListOnCommandLine();
    if (NamedPath.empty()) return false;
    char className[100];
    LoadResourceString(IDS_WINDOW_CLASS, className, sizeof className);
    HWND running = FindWindowA(className, nullptr);
    if (running == nullptr) return false;
    const std::wstring wide = WidePath(NamedPath.c_str());
    COPYDATASTRUCT data = {};
    data.dwData = kListPathData;
    data.cbData = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
    data.lpData = const_cast<wchar_t*>(wide.c_str());
    DWORD processId = 0;
    GetWindowThreadProcessId(running, &processId);
    AllowSetForegroundWindow(processId);
    DWORD_PTR taken = FALSE;
    if (SendMessageTimeoutW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                            kHandOverTimeoutMs, &taken) != 0 &&
        taken == TRUE)
        return true;
    ShowListNote("Wordloft is already running but did not take the word list " + FileNameOf(NamedPath) +
                 ". Close it, then open the list again.");
    return true;
}

void OpenListNamedAtStart() {
    if (!NamedPath.empty()) LetListWait(NamedPath);
}

LRESULT TakeListFromOtherCopy(const COPYDATASTRUCT* data) {
    if (data == nullptr || data->dwData != kListPathData || data->lpData == nullptr) return FALSE;
    const size_t units = data->cbData / sizeof(wchar_t);
    if (data->cbData % sizeof(wchar_t) != 0 || units < 2 || units > kLongestPath + 1) return FALSE;
    std::wstring wide(static_cast<const wchar_t*>(data->lpData), units);
    wide.resize(wide.find(L'\0') == std::wstring::npos ? units : wide.find(L'\0'));
    const std::string path = Utf8Path(wide.c_str());
    if (path.empty() || !IsListFileName(path)) return FALSE;
    LetListWait(path);
    return TRUE;
}

LRESULT TakeDroppedList(HDROP drop) {
    if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) > 0) {
        const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        if (length > 0 && DragQueryFileW(drop, 0, &path[0], length + 1) == length) {
            path.resize(length);
            LetListWait(Utf8Path(path.c_str()));
        }
    }
    DragFinish(drop);
    return 0;
}

LRESULT OpenWaitingList() {
    if (WaitingPath.empty() || MainWindow == nullptr) return 0;
    if (!CanOpenNow()) {
        KeepWaiting();
        return 0;
    }
    const std::string path = WaitingPath;
    WaitingPath.clear();
    BringWindowForward();
    OpenList(path);
    return 0;
}

void LetWaitingListIn() {
    if (WaitingPath.empty() || MainWindow == nullptr) return;
    if (CanOpenNow() || (!WaitingNoted && CanTellNow())) PostMessageA(MainWindow, kOpenWaitingListMessage, 0, 0);
}
