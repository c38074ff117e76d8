// Word lists that come from outside the game: a list file named on the
// command line (as Explorer starts the game for a .WLT file), files
// dropped on the window, or a path handed over by a second copy of the
// program. They wait in the order they came until no game is under way
// and nothing else is open, then each in turn replaces or extends the
// Custom Words list, which becomes the word source of a new game. One
// copy of the game runs per user session.
#ifndef WORDLOFT_APP_LIST_FROM_OUTSIDE_H
#define WORDLOFT_APP_LIST_FROM_OUTSIDE_H

#include <windows.h>

// Decides, by a named mutex of the session, whether this copy is the one
// that runs. When another copy runs (or is still starting), hands it the
// list the command line names, or without one brings it to the front,
// and returns true: this copy then ends without a window of its own (a
// copy that does not answer is reported). Otherwise the list the command
// line names, if any, waits for OpenListNamedAtStart and false is
// returned.
bool HandListToRunningCopy();

// The main window takes files dropped on it and paths handed over from
// programs of a lower integrity level (Explorer, when the game runs as
// administrator), where Windows (Vista and later) would otherwise block
// them.
void LetListsInFromLowerPrograms(HWND window);

// After the first game is set up: the list the command line named opens.
void OpenListNamedAtStart();

// WM_COPYDATA from a second copy: a path is checked (an ordinary file on a
// disk, named as a list) and waits, and the window is asked
// (kOpenWaitingListMessage) to open it; TRUE when it was taken and will be
// opened. A copy started without a list brings the game to the front.
// Nothing is shown here: the other copy waits for the answer.
LRESULT TakeListFromOtherCopy(const COPYDATASTRUCT* data);

// WM_DROPFILES: every file dropped waits, in order.
LRESULT TakeDroppedList(HDROP drop);

// kOpenWaitingListMessage: opens the first list that waits, or, while a
// game is under way or a dialog is open, says briefly that those that came
// since the last note will open when that is over.
LRESULT OpenWaitingList();

// Called by the message loop after each message: a list that waits is let
// in (kOpenWaitingListMessage) once nothing is under way any more, or
// the player is told once that it waits.
void LetWaitingListIn();

#endif
