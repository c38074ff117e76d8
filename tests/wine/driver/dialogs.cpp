// Finding and working the program's dialogs from the driver's process.
#include "dialogs.h"

#include <vector>

namespace {

struct DialogSearch {
    DWORD ProcessId;
    const char* Caption;
    HWND Found;
    bool EnabledOnly = false;  // only a dialog that takes input
    int Count = -1;            // 0 and up: count every match, shown or not yet, instead of stopping
};

// Top-level windows are enumerated from the top of the Z order down.
BOOL CALLBACK MatchDialog(HWND window, LPARAM data) {
    DialogSearch* search = reinterpret_cast<DialogSearch*>(data);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search->ProcessId || (search->Count < 0 && !IsWindowVisible(window))) return TRUE;
    if (search->EnabledOnly && !IsWindowEnabled(window)) return TRUE;
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) != "#32770") return TRUE;
    if (search->Caption != nullptr && WindowText(window) != search->Caption) return TRUE;
    search->Found = window;
    if (search->Count < 0) return FALSE;
    ++search->Count;
    return TRUE;
}

// The name field of the winning-streak name dialog.
constexpr int kStreakNameField = 1018;

}  // namespace

HWND FindAnyDialog(DWORD processId) {
    DialogSearch search = {processId, nullptr, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

HWND FindInputDialog(DWORD processId) {
    DialogSearch search = {processId, nullptr, nullptr};
    search.EnabledOnly = true;
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

int CountDialogs(DWORD processId, const char* caption) {
    DialogSearch search = {processId, caption, nullptr};
    search.Count = 0;
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.Count;
}

HWND WaitForDialog(DWORD processId, const char* caption, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        DialogSearch search = {processId, caption, nullptr};
        EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
        if (search.Found != nullptr) {
            // A dialog can be visible a moment before its initialisation has
            // filled it; let it finish.
            DWORD_PTR result;
            SendMessageTimeoutA(search.Found, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result);
            return search.Found;
        }
        if (GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(20);
    }
}

bool WaitForDialogGone(HWND dialog, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (IsWindow(dialog) && IsWindowVisible(dialog)) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

std::string WindowText(HWND window) {
    char text[1024] = "";
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_NORMAL, 3000, &length))
        return "";
    return std::string(text, length < sizeof text ? length : 0);
}

std::string MessageBoxText(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char className[64] = "";
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Static") != 0) continue;
        std::string text = WindowText(child);
        if (!text.empty()) return text;
    }
    return "";
}

std::string ItemText(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    return item != nullptr ? WindowText(item) : std::string();
}

bool SetItemText(HWND dialog, int id, const std::string& text) {
    HWND item = GetDlgItem(dialog, id);
    if (item == nullptr) return false;
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(item, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                               SMTO_NORMAL, 3000, &result) != 0 &&
           result != 0;
}

int ButtonCheck(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    DWORD_PTR result = 0;
    if (item == nullptr ||
        !SendMessageTimeoutA(item, BM_GETCHECK, 0, 0, SMTO_NORMAL, 3000, &result))
        return -1;
    return static_cast<int>(result);
}

void PressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string DescribeDialog(HWND dialog) {
    std::string text = MessageBoxText(dialog);
    return "\"" + WindowText(dialog) + "\"" + (text.empty() ? "" : ": \"" + text + "\"");
}

void DismissDialog(HWND dialog) {
    if (GetDlgItem(dialog, kStreakNameField) != nullptr) {
        SetItemText(dialog, kStreakNameField, "Dismissed");
        PressButton(dialog, IDOK);
        if (WaitForDialogGone(dialog, 2000)) return;
    }
    for (int id : {IDCANCEL, IDNO, IDOK}) {
        PressButton(dialog, id);
        if (WaitForDialogGone(dialog, 1500)) return;
    }
}
