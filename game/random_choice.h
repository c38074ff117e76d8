// Every random choice of the program: the generator behind RandomInRange
// and the non-repeating draw shared by the categories and the custom list.
#ifndef WORDLOFT_GAME_RANDOM_CHOICE_H
#define WORDLOFT_GAME_RANDOM_CHOICE_H

#include <cstdint>

constexpr int kUsedPhraseRows = 100;
constexpr int kUsedPhraseColumns = 250;
constexpr int16_t kCustomWordsListId = 99;

// A whole number from low to high inclusive, each about equally likely.
// The first call seeds the generator from the clock.
int16_t RandomInRange(int16_t low, int16_t high);

// Seeds the generator as the first call would, with a given value; the
// next RandomInRange does not reseed.
void SeedRandom(uint32_t seed);

// The next raw value, 0..32767: state = state * 214013 + 2531011, bits 16
// to 30. Seeds from the clock when nothing has seeded yet.
int16_t NextRandomValue();

// An index 0..count-1 of list listId not drawn before in the current
// cycle; a new cycle starts when all were drawn. A listId outside 0..99
// beeps and gives 0.
int16_t PickUnusedIndex(int16_t listId, int16_t count);

// Forgets every draw of every list.
void ClearUsedPhrases();
// Forgets the draws of lists first..last.
void ClearUsedPhrases(int16_t first, int16_t last);

#endif
