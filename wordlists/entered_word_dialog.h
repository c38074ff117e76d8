// The Enter Word dialog: another person types the phrase of the next game
// and, if they like, a line of information about it. AskEnteredWord (a
// request of the game, game/requests.h) runs it, owned by the main window.
#ifndef WORDLOFT_WORDLISTS_ENTERED_WORD_DIALOG_H
#define WORDLOFT_WORDLISTS_ENTERED_WORD_DIALOG_H

#include <windows.h>

#include "game/requests.h"

// Ends with 1 after setting Phrase, PhraseLength and Information of the
// game, or with 0 (Cancel) leaving the game as it was.
INT_PTR CALLBACK EnteredWordDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
