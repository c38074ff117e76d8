// The random generator and the non-repeating draw. The generator is the
// classic linear congruential one (state * 214013 + 2531011), implemented
// here so that a seed gives the same numbers on every platform.
#include "game/random_choice.h"

#include <ctime>
#include <cstring>

#include "game/requests.h"

namespace {

uint32_t GeneratorState = 1;
bool NeedsSeed = true;
uint8_t UsedPhrases[kUsedPhraseRows][kUsedPhraseColumns];

}  // namespace

void SeedRandom(uint32_t seed) {
    GeneratorState = seed;
    NeedsSeed = false;
}

int16_t NextRandomValue() {
    if (NeedsSeed) SeedRandom(static_cast<uint32_t>(std::time(nullptr)));
    GeneratorState = GeneratorState * 214013u + 2531011u;
    return static_cast<int16_t>((GeneratorState >> 16) & 0x7FFF);
}

int16_t RandomInRange(int16_t low, int16_t high) {
    const uint32_t v = static_cast<uint32_t>(NextRandomValue());
    const uint32_t span = static_cast<uint32_t>(static_cast<uint16_t>(high) - static_cast<uint16_t>(low) + 1) & 0xFFFFu;
    const uint32_t width = span == 0 ? 0x10000u : span;
    return static_cast<int16_t>(low + static_cast<int32_t>(v * width / 32768u));
}

void ClearUsedPhrases() { std::memset(UsedPhrases, 0, sizeof UsedPhrases); }

void ClearUsedPhrases(int16_t first, int16_t last) {
    for (int16_t row = first; row <= last && row < kUsedPhraseRows; ++row) {
        if (row >= 0) std::memset(UsedPhrases[row], 0, sizeof UsedPhrases[row]);
    }
}

int16_t PickUnusedIndex(int16_t listId, int16_t count) {
    if (listId < 0 || listId >= kUsedPhraseRows) {
        BeepIfSoundOn();
        return 0;
    }
    if (count < 1) return 0;
    if (count > kUsedPhraseColumns) count = kUsedPhraseColumns;
    uint8_t* row = UsedPhrases[listId];

    int16_t r = RandomInRange(0, static_cast<int16_t>(count - 1));
    if (row[r] == 0) {
        row[r] = 1;
        return r;
    }
    int16_t free = -1;
    for (int16_t i = static_cast<int16_t>(r + 1); i < count && free < 0; ++i) {
        if (row[i] == 0) free = i;
    }
    for (int16_t i = 0; i < r && free < 0; ++i) {
        if (row[i] == 0) free = i;
    }
    if (free < 0) {
        // Every phrase of the list has been drawn: a new cycle begins.
        std::memset(row, 0, kUsedPhraseColumns);
        free = RandomInRange(0, static_cast<int16_t>(count - 1));
    }
    row[free] = 1;
    return free;
}
