// The scoreboard dialog's board as a screen reader sees it: a list of the
// ten ranks of the board shown, each with its name, streak and word source,
// the focused row and the newest entry marked. Made on the board's first
// WM_GETOBJECT.
#ifndef WORDLOFT_SCOREBOARD_SCOREBOARD_ACCESS_H
#define WORDLOFT_SCOREBOARD_SCOREBOARD_ACCESS_H

#include <windows.h>

// WM_GETOBJECT of the board: true with the answer in *result for the
// board's client object, false for anything else.
bool AnswerScoreboardObject(HWND area, WPARAM wParam, LPARAM lParam, LRESULT* result);

// Another board is shown in the area.
void NoteScoreboardShown(HWND area);

// The focus is on the board, on FocusedBoardRow.
void NoteScoreboardFocus(HWND area);

// The board is being destroyed: every client is cut off and nothing is made
// for it again; at its very end it is forgotten.
void ReleaseScoreboardObject(HWND area);
void ForgetScoreboard(HWND area);

#endif
