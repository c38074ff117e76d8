// The Custom Words dialog (143): the player adds, deletes, sorts, saves and
// loads the entries of the CustomWordList. It edits Preferences in place and
// undoes everything on Cancel.
#ifndef WORDLOFT_WORDLISTS_CUSTOM_WORDS_DIALOG_H
#define WORDLOFT_WORDLISTS_CUSTOM_WORDS_DIALOG_H

#include <windows.h>

#include <cstdint>

// Runs the dialog: 1 after "Done" (the caller saves the record), 0 after
// "Cancel" (the whole record is as it was at the opening).
int16_t EditCustomWords(HWND owner);

// Fills the emptied list box with one line per entry, in list order.
void FillCustomWordList(HWND dialog);

// Enables the buttons that depend on the list and shows the count.
void UpdateCustomWordButtons(HWND dialog);

#endif
