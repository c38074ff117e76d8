// The rules of the game: setting up a game from the word source, judging
// guesses, and the fixed sequences that close a won or lost game.
#ifndef WORDLOFT_GAME_ENGINE_H
#define WORDLOFT_GAME_ENGINE_H

#include <cstdint>

// Sets up a fresh game from a word source command; with remember set the
// command becomes the stored WordSource (checked in the menu, named in the
// caption). GuessesLeft is left alone.
void NewGame(uint32_t command, int16_t remember);

// Abandons or follows a game: full guesses, a phrase from the stored
// WordSource, the game menus enabled and the scene repainted fresh.
void StartNextGame();

// A guess of letter 0 (A) to 25 (Z); anything else is ignored. A letter
// already used, or a guess after the last miss, only beeps.
void GuessLetter(int16_t letterIndex);

// Judges a guess GuessLetter has accepted: 0 goes on, 1 won, 2 lost.
int16_t EvaluateGuess(int16_t letterIndex);

// The number of letters used in the current game.
uint16_t CountLettersUsed();

// Asks whether MaxGuesses may change although it ends the winning streak;
// on Yes the streak is offered and ended. True for Yes.
bool ConfirmMaxGuessesChange();

// Puts EndedStreak to the scoreboard of the current MaxGuesses when scoring
// is on and the streak beats the tenth score.
void OfferEndedStreak();

// The MaxGuesses commands: n is 4, 6, 8, 10 or 12. Asks first when the
// change would end a scored winning streak. Ignored while a game is under
// way, since it would refill GuessesLeft in mid-game.
void ChangeMaxGuesses(uint16_t n);

// Makes n the MaxGuesses of the record and the game, fills GuessesLeft,
// sets MaxGuessesIndex, moves the check mark and redraws the guess meter.
void SetMaxGuesses(uint16_t n);

// The end-of-game flash: the phrase band inverted 2 x FlashCount times,
// each with a click and a quarter-second pause; nothing at all when the
// window cannot be drawn on.
void FlashPhraseBand();

#endif
