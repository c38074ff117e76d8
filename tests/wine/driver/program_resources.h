// The program's own resources, read from its file by the driver: the texts
// and pictures a scenario expects the program to show in a language, so
// that a check says "the program shows its German menu", not a copy of it.
#ifndef WORDLOFT_TESTS_PROGRAM_RESOURCES_H
#define WORDLOFT_TESTS_PROGRAM_RESOURCES_H

#include <windows.h>

#include <initializer_list>
#include <string>

#include "image.h"

// The languages of the program's resources.
constexpr LANGID kResourcesInEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
LANGID ResourceLanguageOfPrimary(WORD primaryLanguage);

// A text of the string table in a language; empty when there is none.
std::wstring ResourceString(LANGID language, int id);
// A text of the string table with "{0}".."{9}" put in.
std::wstring ResourceText(LANGID language, int id, std::initializer_list<std::wstring> values);
// The text of a menu item of menu 109, by command, in a language.
std::wstring ResourceMenuText(LANGID language, int command);
// The caption of a dialog template in a language.
std::wstring ResourceDialogCaption(LANGID language, int dialog);
// A category's text ("WLTW" resource) in a language, as its bytes.
std::string ResourceCategoryText(LANGID language, const char* name);
// A picture with words in a language: English's bitmap, another
// language's packed picture; false when there is none.
bool ResourcePicture(LANGID language, const char* name, Image& picture);

// A wide text as UTF-8, for messages.
std::string Narrow(const std::wstring& text);

#endif
