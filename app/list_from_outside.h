// Word lists that come from outside the game: a list file named on the
// command line (as Explorer starts the game for a .WLT file), a file
// dropped on the window, or a path handed over by a second copy of the
// program. Each waits until no game is under way and nothing else is
// open, then replaces or extends the Custom Words list, which becomes the
// word source of a new game.
#ifndef WORDLOFT_APP_LIST_FROM_OUTSIDE_H
#define WORDLOFT_APP_LIST_FROM_OUTSIDE_H

#include <windows.h>

// Reads the command line. When it names an existing list file and a copy
// of the game is already running, hands the path to that copy and returns
// true: this copy then ends without a window of its own (a copy that does
// not answer is reported). Otherwise the path, if any, is kept for
// OpenListNamedAtStart and false is returned.
bool HandListToRunningCopy();

// After the first game is set up: the list the command line named opens.
void OpenListNamedAtStart();

// WM_COPYDATA from a second copy: the path is checked and kept, the window
// is asked (kOpenWaitingListMessage) to open it; TRUE when it was taken.
// Nothing is shown here: the other copy waits for the answer.
LRESULT TakeListFromOtherCopy(const COPYDATASTRUCT* data);

// WM_DROPFILES: the first file dropped is taken like a handed-over path.
LRESULT TakeDroppedList(HDROP drop);

// kOpenWaitingListMessage: opens the list that waits, or, while a game is
// under way or a dialog is open, says briefly that it will open when that
// is over.
LRESULT OpenWaitingList();

// Called by the message loop after each message: a list that waits is let
// in (kOpenWaitingListMessage) once nothing is under way any more, or
// the player is told once that it waits.
void LetWaitingListIn();

#endif
