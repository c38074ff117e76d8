// The scoreboard dialog's board as a screen reader sees it: a list of the
// ten ranks of the board shown, each with its name, streak and word source.
// Made on the board area's first WM_GETOBJECT.
#ifndef WORDLOFT_SCOREBOARD_SCOREBOARD_ACCESS_H
#define WORDLOFT_SCOREBOARD_SCOREBOARD_ACCESS_H

#include <windows.h>

// WM_GETOBJECT of the board area: true with the answer in *result for the
// board's client object, false for anything else.
bool AnswerScoreboardObject(HWND area, WPARAM wParam, LPARAM lParam, LRESULT* result);

// Another board is shown in the area.
void NoteScoreboardShown(HWND area);

// The board area is being destroyed.
void ReleaseScoreboardObject();

#endif
