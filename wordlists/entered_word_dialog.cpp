// The Enter Word dialog. A phrase is taken in upper case when it follows
// the phrase rules; otherwise the field asks to try again, with a beep
// when sound is on, and the dialog stays open. The information text is
// taken as typed.
#include "wordlists/entered_word_dialog.h"

#include "game/game_state.h"
#include "game/phrase.h"
#include "platform/program_texts.h"
#include "platform/help.h"
#include "platform/program_handles.h"
#include "platform/utilities.h"
#include "records/record_requests.h"
#include "resource.h"

namespace {

// Texts longer than their fields are cut: 26 phrase characters and 99 of
// information.
constexpr int kPhraseBufferSize = kMaxPhraseLength + 1;
constexpr int kInformationBufferSize = 100;

void FocusPhraseField(HWND dialog) { SetFocus(GetDlgItem(dialog, IDC_ENTERED_PHRASE)); }

void AskToTryAgain(HWND dialog) {
    BeepIfSoundOn();
    SetDlgItemTextA(dialog, IDC_ENTERED_PHRASE, ProgramText(IDS_PLEASE_TRY_AGAIN).c_str());
    FocusPhraseField(dialog);
    SendDlgItemMessageA(dialog, IDC_ENTERED_PHRASE, EM_SETSEL, 0, -1);
}

void AcceptEnteredWord(HWND dialog) {
    char phrase[kPhraseBufferSize];
    GetDlgItemTextA(dialog, IDC_ENTERED_PHRASE, phrase, sizeof phrase);
    UpperCasePhrase(phrase);
    if (!IsValidPhrase(phrase)) {
        AskToTryAgain(dialog);
        return;
    }
    char information[kInformationBufferSize];
    GetDlgItemTextA(dialog, IDC_ENTERED_INFORMATION, information, sizeof information);
    SetGamePhrase(phrase, information);
    EndDialog(dialog, 1);
}

void ShowHelp(HWND dialog) {
    ShowWordEntryHelp();
    FocusPhraseField(dialog);
}

INT_PTR OnCommand(HWND dialog, int command) {
    switch (command) {
        case IDOK: AcceptEnteredWord(dialog); return TRUE;
        case IDCANCEL: EndDialog(dialog, 0); return TRUE;
        case IDC_ENTER_WORD_HELP: ShowHelp(dialog); return TRUE;
        case IDC_COPY_TOP_TO_BOTTOM: return TRUE;
        default: return FALSE;
    }
}

// The phrase field starts empty and has the focus.
INT_PTR OnInitDialog(HWND dialog) {
    CentreDialog(dialog);
    SetDlgItemTextA(dialog, IDC_ENTERED_PHRASE, "");
    FocusPhraseField(dialog);
    return FALSE;
}

}  // namespace

INT_PTR CALLBACK EnteredWordDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: return OnInitDialog(dialog);
        case WM_COMMAND: return OnCommand(dialog, LOWORD(wParam));
        default: return FALSE;
    }
}

// ---- Requests answered here ----

int16_t AskEnteredWord() {
    const INT_PTR result = ProgramDialogBox(IDD_ENTER_WORD, MainWindow,
                                           EnteredWordDialogProc, 0);
    return result == 1 ? 1 : 0;
}
