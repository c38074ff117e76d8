// The Random Categories dialog (144): which of the 51 built-in categories
// Random Words draws from.
#ifndef WORDLOFT_WORDLISTS_RANDOM_CATEGORIES_DIALOG_H
#define WORDLOFT_WORDLISTS_RANDOM_CATEGORIES_DIALOG_H

#include <windows.h>

#include <cstdint>

// Runs the dialog: 1 after OK, with CategorySelected and
// SelectedCategoryCount rewritten (at least one category); 0 after Cancel,
// with Preferences unchanged.
int16_t EditRandomCategories(HWND owner);

#endif
