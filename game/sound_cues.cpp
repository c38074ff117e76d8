// The names of the recordings of each sound cue, made from the one list in
// game/sound_cues.h, and the check that the SoundId enum follows it.
#include "game/sound_cues.h"

#include <cstdio>

#include "game/random_choice.h"

namespace {

struct SoundCue {
    SoundId Id;
    const char* Name;
    int16_t Recordings;
};

#define WORDLOFT_LISTED_CUE(id, name, recordings) {id, name, recordings},
constexpr SoundCue kCues[] = {WORDLOFT_SOUND_CUES(WORDLOFT_LISTED_CUE)};
#undef WORDLOFT_LISTED_CUE

constexpr int kMostRecordings = 10;
constexpr int kNameSize = 16;

constexpr bool EnumFollowsTheList() {
    for (int i = 0; i < kSoundIdCount; ++i) {
        if (kCues[i].Id != i) return false;
    }
    return true;
}

constexpr bool NamesFit() {
    for (const SoundCue& cue : kCues) {
        if (cue.Recordings < 0 || cue.Recordings > kMostRecordings) return false;
        int length = 0;
        while (cue.Name[length] != '\0') ++length;
        if (length + 3 > kNameSize) return false;  // room for "10" and the end
    }
    return true;
}

static_assert(sizeof kCues / sizeof kCues[0] == kSoundIdCount,
              "the SoundId enum and the list of sound cues have as many ids");
static_assert(EnumFollowsTheList(), "each SoundId has its place in the list of sound cues");
static_assert(NamesFit(), "a sound cue's recordings are named within kNameSize");

// Each cue's recordings by name: NAME, NAME2, NAME3, ...
struct RecordingNames {
    char Names[kSoundIdCount][kMostRecordings][kNameSize];
    RecordingNames() : Names() {
        for (int id = 0; id < kSoundIdCount; ++id) {
            std::snprintf(Names[id][0], kNameSize, "%s", kCues[id].Name);
            for (int v = 1; v < kCues[id].Recordings; ++v) {
                std::snprintf(Names[id][v], kNameSize, "%s%d", kCues[id].Name, v + 1);
            }
        }
    }
};

}  // namespace

const char* SoundCueResourceName(int16_t id) {
    if (id < 0 || id >= kSoundIdCount) return nullptr;
    static const RecordingNames recordings;
    const int16_t count = kCues[id].Recordings;
    const int16_t variant = count > 1 ? RandomInRange(0, static_cast<int16_t>(count - 1)) : 0;
    return recordings.Names[id][variant];
}

const char* SoundCueName(int16_t id) { return id >= 0 && id < kSoundIdCount ? kCues[id].Name : nullptr; }
