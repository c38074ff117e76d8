// The pictures with words in the language the program speaks: the
// statistics panels, the scoreboard's headings and banner, the welcome and
// About pictures. English has them as bitmaps of the program; each other
// language as a packed picture (type "WLTB") of the same name in its own
// language, made by the art generator.
#ifndef WORDLOFT_PLATFORM_LANGUAGE_PICTURES_H
#define WORDLOFT_PLATFORM_LANGUAGE_PICTURES_H

#include <windows.h>

// The picture in the program's language where it has one of its own,
// otherwise the bitmap of that name, as LoadBitmap gives it; the caller
// deletes it.
HBITMAP LoadProgramPicture(LPCSTR name);

// A dialog's picture control (SS_BITMAP) shows the language's picture of
// that name instead of the English one it was made with. Called at
// WM_INITDIALOG; ForgetLanguagePicture at WM_DESTROY.
void ShowLanguagePicture(HWND dialog, int control, int picture);
void ForgetLanguagePicture(HWND dialog, int control, int picture);

#endif
