// The counters of finished games and the winning-streak rules: the
// cumulative counters of the record and the current statistics and streak
// of GameState.
#ifndef WORDLOFT_GAME_STATISTICS_H
#define WORDLOFT_GAME_STATISTICS_H

#include <cstdint>

#include "records/preferences.h"

// A won game: cumulative, lifetime and current counters, then the streak.
void CountWonGame();
// A lost game: the counters, then the streak; a winning streak (or a
// Streak of 0) is handed to EndedStreak and Streak becomes -1.
void CountLostGame();
// A program start, once the main window is set up.
void CountProgramStart();
// "Reset Current Statistics": the current counters and the streak to 0.
void ResetCurrentStatistics();
// "Reset Cumulative Statistics": the four cumulative counters to 0.
void ResetCumulativeStatistics();

#endif
