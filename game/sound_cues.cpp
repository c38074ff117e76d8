// The tables of sound cue names and their random variants.
#include "game/sound_cues.h"

#include "game/random_choice.h"

namespace {

const char* const kCueNames[kSoundIdCount] = {
    "GOTLETTER", "MISSLETTER", "WINGAME", "LOSEGAME", "SHOWLETTER", "STARTUP",
    "SHUTDOWN",  "FOUR",       "SIX",     "EIGHT",    "TEN",        "TWELVE",
    "GASP",      "SCOREIN",    "SCOREOUT", "UP",      "DOWN",       "GUESSCLICK",
    "FACECLICK", "GETNAME",    "FLASHCLICK", "DOORDROP",
};

const char* const kGotLetter[] = {"GOTLETTER",  "GOTLETTER2", "GOTLETTER3",
                                  "GOTLETTER4", "GOTLETTER5", "GOTLETTER6"};
const char* const kMissLetter[] = {"MISSLETTER",  "MISSLETTER2", "MISSLETTER3", "MISSLETTER4",
                                   "MISSLETTER5", "MISSLETTER6", "MISSLETTER7", "MISSLETTER8",
                                   "MISSLETTER9", "MISSLETTER10"};
const char* const kWinGame[] = {"WINGAME", "WINGAME2"};
const char* const kLoseGame[] = {"LOSEGAME", "LOSEGAME2", "LOSEGAME3", "LOSEGAME4"};

struct VariantTable {
    const char* const* Names;
    int16_t Count;
};

const VariantTable kVariants[4] = {
    {kGotLetter, 6}, {kMissLetter, 10}, {kWinGame, 2}, {kLoseGame, 4}};

}  // namespace

const char* SoundCueResourceName(int16_t id) {
    if (id < 0 || id >= kSoundIdCount) return nullptr;
    if (id < 4) {
        const VariantTable& table = kVariants[id];
        return table.Names[RandomInRange(0, static_cast<int16_t>(table.Count - 1))];
    }
    return kCueNames[id];
}
