// Playing a sound cue: the recording is a "WAV" resource of the program,
// played from memory to its end before the call returns. A missing or
// unplayable recording is skipped without a sound of its own.
#include <windows.h>
#include <mmsystem.h>

#include "game/requests.h"
#include "game/sound_cues.h"
#include "platform/program_handles.h"
#include "records/preferences.h"

void PlaySoundCue(int16_t id) {
    if (Preferences.SoundOn == 0) return;
    const char* name = SoundCueResourceName(id);
    if (name == nullptr) return;
    HRSRC found = FindResourceA(ProgramInstance, name, "WAV");
    if (found == nullptr) return;
    HGLOBAL loaded = LoadResource(ProgramInstance, found);
    if (loaded == nullptr) return;
    const void* recording = LockResource(loaded);
    if (recording != nullptr) {
        sndPlaySoundA(static_cast<const char*>(recording), SND_MEMORY | SND_NODEFAULT | SND_SYNC);
    }
    FreeResource(loaded);
}
