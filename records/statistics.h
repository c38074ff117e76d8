// The counters of finished games and the winning-streak rules, and the
// scoreboard's portable rules: its order, the name rule and the entry.
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

// Run-time state of the scoreboard dialogs, not stored.
extern int16_t NewestScore;
extern char NewestName[kPlayerNameFieldSize];
extern char LastTypedName[kPlayerNameFieldSize];
// The winning streak the scoreboard has not been offered yet: the running
// one, or the one a loss has just ended until its offer is over (the offer
// sets it to 0 whatever came of it, and so does an entry); 0 when none.
extern int16_t UnofferedStreak;

// 1 when the name has 1 to 15 characters and not all of them are spaces.
int16_t IsValidPlayerName(const char* text);
// True when a streak beats the tenth score of board m (signed compare).
bool StreakEntersScoreboard(uint16_t m, int16_t streak);
// Orders board m by score, highest first; equal scores keep their order.
void SortScoreboard(uint16_t m);
// Writes the entry over rank 9 of board m, remembers it as the newest
// entry and the last typed name, and sorts the board. Nothing is saved.
// The streak is offered no more.
void EnterScoreboard(uint16_t m, const char* name, int16_t score, const char* category);
// Empties the ten entries of board m.
void ClearScoreboard(uint16_t m);

#endif
