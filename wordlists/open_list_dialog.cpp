// The Replace / Add / Cancel dialog of a list file from outside. It is a
// dialog of the program's own rather than a Yes/No/Cancel box, in which
// only Yes could go on. Its text names the file in any language, so the
// dialog runs with the wide-character calls.
#include "wordlists/open_list_dialog.h"

#include "platform/program_texts.h"
#include "platform/program_handles.h"
#include "platform/utilities.h"
#include "platform/wide_paths.h"
#include "records/preferences.h"
#include "resource.h"

namespace {

struct Question {
    std::string FileName;
    int Usable;
};

std::string Entries(int count) { return std::to_string(count) + (count == 1 ? " entry" : " entries"); }

std::string QuestionText(const Question& question) {
    std::string text = question.FileName + " holds " + Entries(question.Usable) + " that can be played.\n\n";
    if (Preferences.CustomWordCount >= kCustomWordMax)
        return text + "Your Custom Words list is full (" + Entries(kCustomWordMax) +
               "): the file's entries can replace it, not be added to it.";
    return text + "Your Custom Words list holds " + Entries(Preferences.CustomWordCount) +
           ". Replace it with the file's entries, or add them to it?";
}

INT_PTR OnInitDialog(HWND dialog, const Question& question) {
    CentreDialog(dialog);
    SetDlgItemTextW(dialog, IDC_OPEN_LIST_TEXT, WidePath(QuestionText(question).c_str()).c_str());
    EnableWindow(GetDlgItem(dialog, IDC_ADD_TO_LIST), Preferences.CustomWordCount < kCustomWordMax);
    return TRUE;
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
