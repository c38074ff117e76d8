// The scoreboard's portable rules over the boards of the stored record:
// whether a streak enters, the name rule, the entry itself, clearing one
// board, and the run-time memory of the newest entry and the last name.
#ifndef WORDLOFT_SCOREBOARD_SCOREBOARD_RULES_H
#define WORDLOFT_SCOREBOARD_SCOREBOARD_RULES_H

#include <cstdint>

#include "records/preferences.h"

// Run-time state of the scoreboard dialogs, not stored.
extern int16_t NewestScore;
extern char NewestName[kPlayerNameFieldSize];
extern char LastTypedName[kPlayerNameFieldSize];

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
