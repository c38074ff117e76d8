// The Random Categories dialog. Its list holds the categories' Words menu
// texts in command-id order, so line k is category k; the selected lines
// become the CategorySelected flags when OK is pressed.
#include "wordlists/random_categories_dialog.h"

#include "platform/program_texts.h"
#include "platform/help.h"
#include "platform/program_handles.h"
#include "platform/utilities.h"
#include "records/preferences.h"
#include "records/record_requests.h"
#include "resource.h"

static_assert(IDM_CATEGORY_LAST - IDM_CATEGORY_FIRST + 1 == kBuiltInCategoryCount, "one command per category");

namespace {

// Menu texts are read up to 31 characters.
constexpr int kCategoryTextSize = 32;

HWND ListOf(HWND dialog) { return GetDlgItem(dialog, IDC_CATEGORY_LIST); }

void FillCategoryList(HWND list) {
    HMENU menu = GetMenu(MainWindow);
    for (UINT command = IDM_CATEGORY_FIRST; command <= IDM_CATEGORY_LAST; ++command) {
        char text[kCategoryTextSize] = "";
        if (GetMenuStringA(menu, command, text, sizeof text, MF_BYCOMMAND) > 0)
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
}

void ShowSelection(HWND list) {
    for (int k = 0; k < kBuiltInCategoryCount; ++k) {
        const BOOL selected = Preferences.CategorySelected[k] == 1 ? TRUE : FALSE;
        SendMessageA(list, LB_SETSEL, static_cast<WPARAM>(selected), k);
    }
}

// Refuses an empty selection; otherwise all 100 flags are rewritten from
// the list.
void AcceptSelection(HWND dialog) {
    HWND list = ListOf(dialog);
    if (SendMessageA(list, LB_GETSELCOUNT, 0, 0) <= 0) {
        ShowErrorMessage(ProgramText(IDS_NO_CATEGORY_SELECTED).c_str());
        return;
    }
    for (uint16_t& flag : Preferences.CategorySelected)
        flag = 0;
    Preferences.SelectedCategoryCount = 0;
    const LRESULT lines = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (int k = 0; k < lines && k < kCategoryFlagCount; ++k) {
        if (SendMessageA(list, LB_GETSEL, static_cast<WPARAM>(k), 0) <= 0) continue;
        Preferences.CategorySelected[k] = 1;
        ++Preferences.SelectedCategoryCount;
    }
    EndDialog(dialog, 1);
}

INT_PTR OnCommand(HWND dialog, int command) {
    switch (command) {
        case IDOK: AcceptSelection(dialog); return TRUE;
        case IDCANCEL: EndDialog(dialog, 0); return TRUE;
        case IDC_RANDOM_CATEGORIES_HELP: ShowWordEntryHelp(); return TRUE;
        default: return FALSE;
    }
}

// The list has the focus, its first line at the top.
INT_PTR OnInitDialog(HWND dialog) {
    CentreDialog(dialog);
    HWND list = ListOf(dialog);
    FillCategoryList(list);
    ShowSelection(list);
    SendMessageA(list, LB_SETTOPINDEX, 0, 0);
    SetFocus(list);
    return FALSE;
}

INT_PTR CALLBACK RandomCategoriesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: return OnInitDialog(dialog);
        case WM_COMMAND: return OnCommand(dialog, LOWORD(wParam));
        default: return FALSE;
    }
}

}  // namespace

int16_t EditRandomCategories(HWND owner) {
    const INT_PTR result = ProgramDialogBox(IDD_RANDOM_CATEGORIES, owner,
                                           RandomCategoriesDialogProc, 0);
    return result == 1 ? 1 : 0;
}
