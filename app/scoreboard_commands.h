// The File menu commands that act on the statistics and the scoreboard:
// the two statistics resets and Display High Scores, which with Ctrl and
// Shift held deletes the high scores of the current MaxGuesses instead.
// Each asks its question first where it has one; only Yes goes on.
#ifndef WORDLOFT_APP_SCOREBOARD_COMMANDS_H
#define WORDLOFT_APP_SCOREBOARD_COMMANDS_H

// "R&eset Current Statistics...": wins, losses and the streak to 0. A
// running winning streak is dropped without being offered to the board;
// nothing is saved.
void ResetCurrentStatisticsCommand();

// "Reset Cumul&ative Statistics...": the cumulative counters to 0, saved
// at once. The lifetime counters stay.
void ResetCumulativeStatisticsCommand();

// "&Display High Scores...": the scoreboard dialog; with Ctrl and Shift
// held, the question and the deletion of the current MaxGuesses' board.
void DisplayHighScoresCommand();

#endif
