// The board of the scoreboard dialog: a list control of the program's own
// class whose ten rows are drawn by hand, the newest entry inverted right
// after it was made. It takes the focus with Tab; the arrow keys, Home and
// End move the focus from row to row (shown with a focus rectangle), and
// each row the focus reaches is told to screen readers.
#ifndef WORDLOFT_SCOREBOARD_SCOREBOARD_BOARD_H
#define WORDLOFT_SCOREBOARD_SCOREBOARD_BOARD_H

#include <windows.h>

#include <cstdint>

// The board's window class, named by dialog 138.
constexpr char kBoardClass[] = "WordloftBoard";
bool RegisterBoardClass(HINSTANCE instance);

// MaxGuessesIndex of the board the scoreboard dialog shows.
extern uint16_t ShownBoard;
// 1 while the scoreboard dialog was opened right after a new entry: the
// entry's row is then inverted on its own board.
extern uint8_t AfterStreakEntry;
// The row (0..9) that has the focus while the board has it.
extern int FocusedBoardRow;

// Paints the board shown: headings, ranks, names, scores and word sources,
// with the newest entry inverted right after it was made.
void DrawScoreboard(HWND area);

// The band of rank r (0..9) across the board area, in its client
// coordinates, and the rank shown inverted (-1 for none).
RECT ScoreboardRowArea(HWND area, int r);
int HighlightedScoreboardRow();

// Erases the board area, lets it repaint at once, then draws the board.
void RedrawScoreboard(HWND area);

#endif
