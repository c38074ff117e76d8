// The five winning-streak scoreboards of the stored record, one for each
// MaxGuesses: the order every board keeps (highest score first, equal
// scores in the order they entered, restored when the record is read),
// whether a streak enters, the name rule, the entry itself and clearing a
// board, and the run-time memory of the newest entry, the last name typed
// and the streak not yet offered. The scoreboard's dialogs (scoreboard/)
// and the game's end (game/) stand on these rules.
#ifndef WORDLOFT_RECORDS_SCOREBOARDS_H
#define WORDLOFT_RECORDS_SCOREBOARDS_H

#include <cstdint>

#include "records/preferences.h"

// Run-time state of the scoreboard dialogs, not stored.
extern int16_t NewestScore;
extern char NewestName[kPlayerNameFieldSize];
extern char LastTypedName[kPlayerNameFieldSize];

// The winning streak the scoreboard has not been offered yet: the running
// one, or the one a loss has just ended until its offer is over (the offer
// sets it to 0 whatever came of it, and so does an entry); 0 when none.
extern int16_t UnofferedStreak;

// Orders board m by score, highest first; equal scores keep their order.
void SortScoreboard(uint16_t m);
// 1 when the name has 1 to 15 characters and not all of them are spaces.
int16_t IsValidPlayerName(const char* text);
// True when a streak beats the tenth score of board m (signed compare).
bool StreakEntersScoreboard(uint16_t m, int16_t streak);
// Writes the entry over rank 9 of board m, remembers it as the newest
// entry and the last typed name, and sorts the board. Nothing is saved.
// The streak is offered no more.
void EnterScoreboard(uint16_t m, const char* name, int16_t score, const char* category);
// Empties the ten entries of board m.
void ClearScoreboard(uint16_t m);

#endif
