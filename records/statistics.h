// The counters of finished games and the winning-streak rules.
#ifndef WORDLOFT_RECORDS_STATISTICS_H
#define WORDLOFT_RECORDS_STATISTICS_H

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

// The winning streak the scoreboard has not been offered yet: the running
// one, or the one a loss has just ended until its offer is over (the offer
// sets it to 0 whatever came of it, and so does an entry); 0 when none.
extern int16_t UnofferedStreak;

#endif
