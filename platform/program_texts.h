// The language the program speaks, and its menus, dialogs and texts in that
// language. The program carries its resources in English, German, French
// and Spanish, in one file; it speaks the language of Windows' user
// interface when it is one of them (its primary language decides: Austrian
// German is German), English otherwise. The resources are found in that
// language explicitly (FindResourceEx), which every Windows from XP on
// answers the same way, whatever language a thread or the system prefers;
// a resource missing in the language is taken in English.
#ifndef WORDLOFT_PLATFORM_PROGRAM_TEXTS_H
#define WORDLOFT_PLATFORM_PROGRAM_TEXTS_H

#include <windows.h>

#include <string>

#include "game/text_format.h"

// Chooses the language from Windows' user interface language; called
// first thing at start-up.
void ChooseProgramLanguage();

// The language identifier of the program's resources in a language.
LANGID ResourceLanguageOf(Language language);

// A resource of the program in the language the program speaks, or in
// English; nullptr when there is none.
HRSRC FindProgramResource(LPCSTR type, LPCSTR name);

// The bytes of a resource found (nullptr when found is), and their
// number in size when size is given.
const void* ProgramResourceBytes(HRSRC found, DWORD* size = nullptr);

// The menu, in the program's language.
HMENU LoadProgramMenu(int id);

// A modal dialog of the program's resources in its language: as
// DialogBoxParamA, or DialogBoxParamW for a procedure that takes wide text.
INT_PTR ProgramDialogBox(int id, HWND owner, DLGPROC procedure, LPARAM parameter);
INT_PTR ProgramDialogBoxW(int id, HWND owner, DLGPROC procedure, LPARAM parameter);

// A text of the string table as UTF-16, for the wide-character calls.
std::wstring ProgramWideText(int16_t id);

#endif
