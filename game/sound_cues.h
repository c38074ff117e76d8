// The game's sound cues and the recordings they play. The list below is
// written once, here: each cue's id (the SoundId enum of game/requests.h),
// the resource name of its recording, and how many recordings it has
// (NAME, NAME2, NAME3 and so on; one is drawn at random each time it
// plays; none for the two cues the program names but does not carry).
// What repeats it is checked against it when the program is built: the
// SoundId enum by game/sound_cues.cpp, the resource script
// resources/sounds.rc, the sound generator and the asset tests by
// tests/assets/check_sound_list.py, which reads this list line by line:
// one cue a line, in exactly this form.
#ifndef WORDLOFT_GAME_SOUND_CUES_H
#define WORDLOFT_GAME_SOUND_CUES_H

#include <cstdint>

#include "game/requests.h"

// WORDLOFT_SOUND_CUE(id, "RESOURCE NAME", recordings)
#define WORDLOFT_SOUND_CUES(WORDLOFT_SOUND_CUE) \
    WORDLOFT_SOUND_CUE(kSoundGotLetter, "GOTLETTER", 6) \
    WORDLOFT_SOUND_CUE(kSoundMissLetter, "MISSLETTER", 10) \
    WORDLOFT_SOUND_CUE(kSoundWinGame, "WINGAME", 2) \
    WORDLOFT_SOUND_CUE(kSoundLoseGame, "LOSEGAME", 4) \
    WORDLOFT_SOUND_CUE(kSoundShowLetter, "SHOWLETTER", 1) \
    WORDLOFT_SOUND_CUE(kSoundStartup, "STARTUP", 0) \
    WORDLOFT_SOUND_CUE(kSoundShutdown, "SHUTDOWN", 0) \
    WORDLOFT_SOUND_CUE(kSoundFour, "FOUR", 1) \
    WORDLOFT_SOUND_CUE(kSoundSix, "SIX", 1) \
    WORDLOFT_SOUND_CUE(kSoundEight, "EIGHT", 1) \
    WORDLOFT_SOUND_CUE(kSoundTen, "TEN", 1) \
    WORDLOFT_SOUND_CUE(kSoundTwelve, "TWELVE", 1) \
    WORDLOFT_SOUND_CUE(kSoundGasp, "GASP", 1) \
    WORDLOFT_SOUND_CUE(kSoundScoreIn, "SCOREIN", 1) \
    WORDLOFT_SOUND_CUE(kSoundScoreOut, "SCOREOUT", 1) \
    WORDLOFT_SOUND_CUE(kSoundUp, "UP", 1) \
    WORDLOFT_SOUND_CUE(kSoundDown, "DOWN", 1) \
    WORDLOFT_SOUND_CUE(kSoundGuessClick, "GUESSCLICK", 1) \
    WORDLOFT_SOUND_CUE(kSoundFaceClick, "FACECLICK", 1) \
    WORDLOFT_SOUND_CUE(kSoundGetName, "GETNAME", 1) \
    WORDLOFT_SOUND_CUE(kSoundFlashClick, "FLASHCLICK", 1) \
    WORDLOFT_SOUND_CUE(kSoundDoorDrop, "DOORDROP", 1)

// The resource name of the recording for a cue, drawing one of its
// recordings where it has several; nullptr for an id outside the list.
// The cues without a recording give their name all the same.
const char* SoundCueResourceName(int16_t id);

// The cue's own name, its first recording's ("GOTLETTER"), drawing
// nothing; nullptr for an id outside the list.
const char* SoundCueName(int16_t id);

#endif
