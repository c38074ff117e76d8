// The winning-streak scoreboard dialogs: the name dialog that files an
// ended streak, and the scoreboard dialog with its hand-drawn board of the
// ten best streaks for each MaxGuesses value. AskStreakName and
// ShowScoreboard, the two requests the game makes of them, are declared
// with the other requests in game/requests.h.
#ifndef WORDLOFT_RECORDS_SCOREBOARD_DIALOG_H
#define WORDLOFT_RECORDS_SCOREBOARD_DIALOG_H

#include <windows.h>

// Paints the board shown in the scoreboard dialog straight onto its board
// area (an empty static control): headings, ranks, names, scores and word
// sources, with the newest entry inverted right after it was made.
void DrawScoreboard(HWND area);

// Erases the board area, lets it repaint at once, then draws the board.
void RedrawScoreboard(HWND area);

#endif
