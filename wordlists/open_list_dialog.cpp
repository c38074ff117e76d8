// The Replace / Add / Cancel dialog of a list file from outside. It is a
// dialog of the program's own rather than a Yes/No/Cancel box, in which
// only Yes could go on. Its text names the file in any language, so the
// dialog runs with the wide-character calls.
#include "wordlists/open_list_dialog.h"

#include "game/text_format.h"
#include "platform/program_handles.h"
#include "platform/program_texts.h"
#include "platform/utilities.h"
#include "platform/wide_paths.h"
#include "records/preferences.h"
#include "resource.h"

namespace {

struct Question {
    std::string FileName;
    int Usable;
};

std::string QuestionText(const Question& question) {
    const std::string text =
        FormatProgramText(IDS_QUESTION_HOLDS, {question.FileName, std::to_string(question.Usable)}) + "\n\n";
    if (Preferences.CustomWordCount >= kCustomWordMax)
        return text + FormatProgramText(IDS_QUESTION_FULL, {std::to_string(kCustomWordMax)});
    return text + FormatProgramText(IDS_QUESTION_REPLACE_OR_ADD, {std::to_string(Preferences.CustomWordCount)});
}

// The default button is the choice that loses nothing: "Add to list", or
// Cancel while the list is full. The focus starts on it, so that Enter
// (or a slip on it) never replaces the list.
INT_PTR OnInitDialog(HWND dialog, const Question& question) {
    CentreDialog(dialog);
    SetDlgItemTextW(dialog, IDC_OPEN_LIST_TEXT, WidePath(QuestionText(question).c_str()).c_str());
    const bool canAdd = Preferences.CustomWordCount < kCustomWordMax;
    EnableWindow(GetDlgItem(dialog, IDC_ADD_TO_LIST), canAdd);
    const int safe = canAdd ? IDC_ADD_TO_LIST : IDCANCEL;
    SendMessageA(dialog, DM_SETDEFID, safe, 0);
    SetFocus(GetDlgItem(dialog, safe));
    return FALSE;
}

INT_PTR CALLBACK OpenListDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: return OnInitDialog(dialog, *reinterpret_cast<const Question*>(lParam));
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_REPLACE_LIST:
                case IDC_ADD_TO_LIST:
                case IDCANCEL: EndDialog(dialog, LOWORD(wParam)); return TRUE;
                default: return FALSE;
            }
        default: return FALSE;
    }
}

}  // namespace

OpenListChoice AskReplaceOrAdd(HWND owner, const std::string& fileName, int usable) {
    SetArrowCursor();
    const Question question = {fileName, usable};
    const INT_PTR choice = ProgramDialogBoxW(IDD_OPEN_LIST_FILE, owner,
                                           OpenListDialogProc, reinterpret_cast<LPARAM>(&question));
    if (choice == IDC_REPLACE_LIST) return OpenListChoice::Replace;
    if (choice == IDC_ADD_TO_LIST && Preferences.CustomWordCount < kCustomWordMax) return OpenListChoice::Add;
    return OpenListChoice::Cancel;
}
