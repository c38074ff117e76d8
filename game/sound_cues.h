// Which recording a sound cue plays. Hits, misses, wins and losses choose
// one of several recordings at random; the other cues have one each.
#ifndef WORDLOFT_GAME_SOUND_CUES_H
#define WORDLOFT_GAME_SOUND_CUES_H

#include <cstdint>

constexpr int kSoundIdCount = 22;

// The resource name of the recording for a cue, drawing the variant for
// ids 0 to 3; nullptr for an id outside 0..21. Ids 5 and 6 name
// recordings the program does not carry.
const char* SoundCueResourceName(int16_t id);

#endif
