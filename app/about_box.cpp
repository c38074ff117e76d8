// The About box. The picture is centred in the dialog when it opens, since
// the picture control takes the size of its bitmap; a click on it, Escape
// or the close box ends the dialog.
#include "app/about_box.h"

#include "platform/language_pictures.h"
#include "platform/program_handles.h"
#include "platform/program_texts.h"
#include "resource.h"

namespace {

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

void CentrePicture(HWND dialog) {
    HWND picture = GetDlgItem(dialog, IDC_ABOUT_PICTURE);
    RECT dialogRect;
    RECT pictureRect;
    GetWindowRect(dialog, &dialogRect);
    GetWindowRect(picture, &pictureRect);
    SetWindowPos(picture, nullptr, (WidthOf(dialogRect) - WidthOf(pictureRect)) / 2,
                 (HeightOf(dialogRect) - HeightOf(pictureRect)) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

INT_PTR CALLBACK AboutBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            ShowLanguagePicture(dialog, IDC_ABOUT_PICTURE, IDB_ABOUT);
            CentrePicture(dialog);
            return TRUE;
        case WM_DESTROY:
            ForgetLanguagePicture(dialog, IDC_ABOUT_PICTURE, IDB_ABOUT);
            return FALSE;
        case WM_COMMAND:
            if (LOWORD(wParam) != IDC_ABOUT_PICTURE && LOWORD(wParam) != IDCANCEL) return FALSE;
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

INT_PTR ShowAboutBox() {
    return ProgramDialogBox(IDD_ABOUT, MainWindow, AboutBoxProc, 0);
}
