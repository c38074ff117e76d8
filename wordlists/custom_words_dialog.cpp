// The Custom Words dialog. The list box shows the CustomWordList line by
// line; every button changes the list in Preferences and then the list box
// to match. The whole record is copied when the dialog opens, so that
// Cancel can put back everything, lists loaded from files included; the
// end of the session keeps that copy too, since nothing was confirmed.
#include "wordlists/custom_words_dialog.h"

#include <cstdio>
#include <cstring>

#include "game/game_state.h"
#include "game/phrase.h"
#include "platform/program_texts.h"
#include "platform/help.h"
#include "platform/pauses.h"
#include "platform/program_handles.h"
#include "platform/utilities.h"
#include "records/preferences.h"
#include "records/record_requests.h"
#include "resource.h"
#include "wordlists/custom_word_list.h"
#include "wordlists/list_file.h"
#include "wordlists/list_messages.h"
#include "wordlists/word_list_file_dialogs.h"

namespace {

// Typed texts longer than an entry's rules allow are cut: 26 phrase
// characters and 100 of information (the information field's 102 bytes
// hold one more, which the list never uses).
constexpr int kPhraseBufferSize = kMaxPhraseLength + 1;
constexpr int kMaxInformationLength = 100;
static_assert(kMaxInformationLength < kInformationFieldSize, "the information fits its field");
// Room to the right of a line's text when the list scrolls sideways.
constexpr int kLineMargin = 8;
constexpr int16_t kSortPauseMs = 200;

PreferencesRecord SavedPreferences;

HWND ListOf(HWND dialog) { return GetDlgItem(dialog, IDC_CUSTOM_LIST); }

void FocusPhraseField(HWND dialog) {
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_CUSTOM_PHRASE)),
                 TRUE);
}

// A Yes/No/Cancel question owned by the dialog; true only for Yes.
bool Confirm(HWND dialog, int16_t question) {
    return MessageBoxA(dialog, ProgramText(question).c_str(), ProductTitle, MB_YESNOCANCEL | MB_ICONQUESTION) == IDYES;
}

// Lets the list scroll sideways far enough to show the whole line.
void FitLineWidth(HWND list, const char* line) {
    HDC dc = GetDC(list);
    if (dc == nullptr) return;
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0)));
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, line, static_cast<int>(std::strlen(line)), &size);
    SelectObject(dc, oldFont);
    ReleaseDC(list, dc);
    const LRESULT width = size.cx + kLineMargin;
    if (width > SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0))
        SendMessageA(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(width), 0);
}

// Adds an entry's line at the end of the list box; false (after a beep)
// when the list box refuses it.
bool AddListLine(HWND list, const WordEntry& entry) {
    char line[kCustomWordLineSize];
    FormatCustomWordLine(entry, line, sizeof line);
    const LRESULT result = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    if (result == LB_ERR || result == LB_ERRSPACE) {
        BeepIfSoundOn();
        return false;
    }
    FitLineWidth(list, line);
    return true;
}

void SelectLastLine(HWND dialog) {
    HWND list = ListOf(dialog);
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    if (count > 0) SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(count - 1), 0);
}

// The list box shown afresh from the list, its last line selected.
void ShowWholeList(HWND dialog) {
    SendMessageA(ListOf(dialog), LB_RESETCONTENT, 0, 0);
    SendMessageA(ListOf(dialog), LB_SETHORIZONTALEXTENT, 0, 0);
    FillCustomWordList(dialog);
    SelectLastLine(dialog);
    UpdateCustomWordButtons(dialog);
}

void EnableItem(HWND dialog, int id, bool on) { EnableWindow(GetDlgItem(dialog, id), on ? TRUE : FALSE); }

void AddWord(HWND dialog) {
    char phrase[kPhraseBufferSize] = "";
    GetDlgItemTextA(dialog, IDC_CUSTOM_PHRASE, phrase, sizeof phrase);
    // The button is disabled on a full list; Enter must not overrun it either.
    if (phrase[0] == '\0' || Preferences.CustomWordCount >= kCustomWordMax) {
        BeepIfSoundOn();
        return;
    }
    UpperCasePhrase(phrase);
    if (!IsValidPhrase(phrase)) {
        BeepIfSoundOn();
        ShowErrorMessage(ProgramText(IDS_WORD_ERROR).c_str());
        return;
    }
    char information[kMaxInformationLength + 1] = "";
    GetDlgItemTextA(dialog, IDC_CUSTOM_INFORMATION, information, sizeof information);
    AddCustomWord(phrase, information);
    if (!AddListLine(ListOf(dialog), Preferences.CustomWords[Preferences.CustomWordCount - 1])) return;
    SetDlgItemTextA(dialog, IDC_CUSTOM_PHRASE, "");
    SetDlgItemTextA(dialog, IDC_CUSTOM_INFORMATION, "");
    SelectLastLine(dialog);
    UpdateCustomWordButtons(dialog);
}

// The phrase, as typed, becomes the information; the focus follows it.
void CopyPhraseToInformation(HWND dialog) {
    char phrase[kPhraseBufferSize] = "";
    GetDlgItemTextA(dialog, IDC_CUSTOM_PHRASE, phrase, sizeof phrase);
    if (phrase[0] == '\0') {
        BeepIfSoundOn();
        FocusPhraseField(dialog);
        return;
    }
    SetDlgItemTextA(dialog, IDC_CUSTOM_INFORMATION, phrase);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_CUSTOM_INFORMATION)),
                 TRUE);
}

void DeleteWord(HWND dialog) {
    HWND list = ListOf(dialog);
    const LRESULT line = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (line == LB_ERR || Preferences.CustomWordCount <= 0) return;
    if (SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(line), 0) == LB_ERR) BeepIfSoundOn();
    const int next = DeleteCustomWord(static_cast<int>(line));
    if (next >= 0) SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(next), 0);
    UpdateCustomWordButtons(dialog);
}

void DeleteAllWords(HWND dialog) {
    if (!Confirm(dialog, IDS_CONFIRM_DELETE_ALL_WORDS)) return;
    SendMessageA(ListOf(dialog), LB_RESETCONTENT, 0, 0);
    Preferences.CustomWordCount = 0;
    UpdateCustomWordButtons(dialog);
}

// "Sorting..." and the hourglass show for a moment, so that the player
// sees the list being rebuilt.
void SortList(HWND dialog) {
    SetDlgItemTextA(dialog, IDC_SORT_STATUS, ProgramText(IDS_SORTING).c_str());
    UpdateWindow(GetDlgItem(dialog, IDC_SORT_STATUS));
    SetWaitCursor();
    DelayMilliseconds(kSortPauseMs);
    SendMessageA(ListOf(dialog), LB_RESETCONTENT, 0, 0);
    SortCustomWords();
    FillCustomWordList(dialog);
    SetArrowCursor();
    SelectLastLine(dialog);
    SetDlgItemTextA(dialog, IDC_SORT_STATUS, "");
    UpdateCustomWordButtons(dialog);
}

// Replaces (append 0) or extends (append 1) the list from a word-list,
// text or CSV file; the report of what it could not take as it stood
// shows over the list as it now is.
void LoadList(HWND dialog, int16_t append) {
    static char path[kFileDialogPathBytes];
    static char fileTitle[kFileDialogTitleBytes];
    if (!append && Preferences.CustomWordCount > 0 && !Confirm(dialog, IDS_CONFIRM_OVERWRITE_WORDS)) return;
    const int16_t titleId = append ? IDS_APPEND_LIST_TITLE : IDS_OPEN_LIST_TITLE;
    if (!AskOpenFileName(dialog, titleId, IDS_LIST_FILE_FILTERS, IDS_FILTER_ERROR, "WLT", "", fileTitle, path))
        return;
    ListReport report;
    ReadListFile(path, append, report);
    ShowWholeList(dialog);
    ShowListReport(report, fileTitle);
}

void CancelChanges(HWND dialog) {
    std::memcpy(&Preferences, &SavedPreferences, sizeof Preferences);
    EndDialog(dialog, 0);
}

// Every button but Done and Cancel leaves the focus in the phrase field,
// except the copy, which moves it to the information.
INT_PTR OnButton(HWND dialog, int command) {
    switch (command) {
        case IDOK: AddWord(dialog); break;
        case IDC_DELETE_WORD: DeleteWord(dialog); break;
        case IDC_DELETE_ALL_WORDS: DeleteAllWords(dialog); break;
        case IDC_SORT_LIST: SortList(dialog); break;
        case IDC_OPEN_LIST: LoadList(dialog, 0); break;
        case IDC_APPEND_LIST: LoadList(dialog, 1); break;
        case IDC_SAVE_LIST: SaveWordListFile("*.WLT", "WLT"); break;
        case IDC_CUSTOM_WORDS_HELP: ShowWordEntryHelp(); break;
        default: return FALSE;
    }
    FocusPhraseField(dialog);
    return TRUE;
}

INT_PTR OnCommand(HWND dialog, int command, int notification) {
    switch (command) {
        case IDC_CUSTOM_WORDS_DONE: EndDialog(dialog, 1); return TRUE;
        case IDCANCEL: CancelChanges(dialog); return TRUE;
        case IDC_COPY_PHRASE_TO_INFORMATION: CopyPhraseToInformation(dialog); return TRUE;
        case IDC_CUSTOM_LIST:
            if (notification == LBN_SELCHANGE) UpdateCustomWordButtons(dialog);
            return TRUE;
        default: return OnButton(dialog, command);
    }
}

INT_PTR OnInitDialog(HWND dialog) {
    std::memcpy(&SavedPreferences, &Preferences, sizeof SavedPreferences);
    PreferencesBeforeEdit = &SavedPreferences;
    CentreDialog(dialog);
    ShowWholeList(dialog);
    FocusPhraseField(dialog);
    return FALSE;
}

// A command that another program's request brings in while the list is
// being sorted (the pause of SortList answers such requests) is dropped,
// as a click during the pause would be.
INT_PTR CALLBACK CustomWordsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: return OnInitDialog(dialog);
        case WM_COMMAND: return PauseUnderWay() ? TRUE : OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        default: return FALSE;
    }
}

}  // namespace

void FillCustomWordList(HWND dialog) {
    HWND list = ListOf(dialog);
    for (int i = 0; i < Preferences.CustomWordCount && i < kCustomWordMax; ++i)
        AddListLine(list, Preferences.CustomWords[i]);
}

void UpdateCustomWordButtons(HWND dialog) {
    const bool hasSelection = SendMessageA(ListOf(dialog), LB_GETCURSEL, 0, 0) != LB_ERR;
    const CustomWordButtons buttons = CustomWordButtonStates(Preferences.CustomWordCount, hasSelection);
    EnableItem(dialog, IDC_SAVE_LIST, buttons.SaveList);
    EnableItem(dialog, IDC_SORT_LIST, buttons.SortList);
    EnableItem(dialog, IDC_DELETE_ALL_WORDS, buttons.DeleteAll);
    EnableItem(dialog, IDOK, buttons.AddWord);
    EnableItem(dialog, IDC_APPEND_LIST, buttons.AppendList);
    EnableItem(dialog, IDC_DELETE_WORD, buttons.DeleteWord);
    char count[16];
    std::snprintf(count, sizeof count, "%d", static_cast<int>(Preferences.CustomWordCount));
    SetDlgItemTextA(dialog, IDC_CUSTOM_COUNT, count);
}

int16_t EditCustomWords(HWND owner) {
    const INT_PTR result =
        ProgramDialogBox(IDD_CUSTOM_WORDS, owner, CustomWordsDialogProc, 0);
    PreferencesBeforeEdit = nullptr;
    return result == 1 ? 1 : 0;
}
