// GameState: the game in progress. One global record that lives as long as
// the program; nothing in it is written to the preference file.
#ifndef WORDLOFT_GAME_GAME_STATE_H
#define WORDLOFT_GAME_GAME_STATE_H

#include <cstdint>

#include "records/word_sources.h"

constexpr int kMaxPhraseLength = 26;
constexpr int kLetterCount = 26;

// What a guess did to the game.
enum GuessResult : int16_t { kGuessGoesOn = 0, kGuessWins = 1, kGuessLoses = 2 };

// Which face the face box shows.
enum FaceMoodValue : uint16_t { kFaceHappy = 0, kFaceSad = 1, kFaceNeutral = 2 };

struct GameStateRecord {
    char Phrase[kMaxPhraseLength + 2];
    uint16_t PhraseLength;
    char Information[256];
    uint16_t LettersUsed[kLetterCount];
    int16_t GuessesLeft;
    uint16_t MaxGuesses;
    uint16_t MaxGuessesIndex;
    uint16_t FaceMood;
    int16_t Streak;
    uint16_t CurrentWins;
    uint16_t CurrentLosses;
    int16_t EndedStreak;
    uint32_t StreakSource;
    uint16_t StreakMixed;
};

extern GameStateRecord GameState;

// The phrase played whenever a word source yields none.
extern const char kDefaultPhrase[];

// Sets Phrase, PhraseLength and Information; both texts are cut to their
// fields so that a phrase from any source is always terminated.
void SetGamePhrase(const char* phrase, const char* information);

// Sets the default phrase "WORD LOFT SQUARED" and its information text.
void SetDefaultPhrase();

#endif
