// Playing a sound cue: the recording is a "WAV" resource of the program,
// played from memory to its end before the call returns. The thread waits
// for the end in a pause (platform/pauses.h), so the window is answered
// meanwhile. A missing or unplayable recording, or a system without a
// sound device, is skipped without a sound of its own.
#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <cstring>

#include "game/requests.h"
#include "game/sound_cues.h"
#include "platform/pauses.h"
#include "platform/program_handles.h"
#include "records/preferences.h"

namespace {

// Beyond a recording's own length, how long its end may take to be told.
constexpr DWORD kEndAllowanceMs = 2000;

// The format and samples of a RIFF WAVE image of PCM sound.
struct Recording {
    WAVEFORMATEX Format;
    const char* Samples;
    DWORD Size;
};

uint32_t ReadU32(const char* bytes) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

uint16_t ReadU16(const char* bytes) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

// Finds the "fmt " and "data" chunks inside the image's own size; false
// for anything that is not plain PCM a device can be asked to play.
bool ReadRecording(const char* image, DWORD size, Recording& recording) {
    if (size < 12 || std::memcmp(image, "RIFF", 4) != 0 || std::memcmp(image + 8, "WAVE", 4) != 0) return false;
    bool haveFormat = false;
    recording.Samples = nullptr;
    for (DWORD at = 12; size - at >= 8;) {
        const char* chunk = image + at;
        const uint32_t length = ReadU32(chunk + 4);
        if (length > size - at - 8) return false;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && length >= 16) {
            WAVEFORMATEX& f = recording.Format;
            f.wFormatTag = ReadU16(chunk + 8);
            f.nChannels = ReadU16(chunk + 10);
            f.nSamplesPerSec = ReadU32(chunk + 12);
            f.nAvgBytesPerSec = ReadU32(chunk + 16);
            f.nBlockAlign = ReadU16(chunk + 20);
            f.wBitsPerSample = ReadU16(chunk + 22);
            f.cbSize = 0;
            haveFormat = f.wFormatTag == WAVE_FORMAT_PCM && f.nAvgBytesPerSec > 0 && f.nBlockAlign > 0;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            recording.Samples = chunk + 8;
            recording.Size = length;
        }
        at += 8 + length + (length & 1);
        if (at > size) break;
    }
    return haveFormat && recording.Samples != nullptr && recording.Size > 0;
}

// Plays the recording on the default device and waits for its end, which
// the device tells through the event and the header's WHDR_DONE (looked at
// every 50 ms as well, for a driver that marks the header without
// signalling). The whole cue is one span of held requests. The header is
// made on the heap: when the device cannot be closed (a device removed
// while it played), the driver may still hold it, so it is never freed
// then; the samples are the program's own resource, which stays as long as
// the program.
void PlayToEnd(const Recording& recording) {
    static const HANDLE ended = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (!ended) return;
    HWAVEOUT device = nullptr;
    if (waveOutOpen(&device, WAVE_MAPPER, &recording.Format, reinterpret_cast<DWORD_PTR>(ended), 0,
                    CALLBACK_EVENT) != MMSYSERR_NOERROR)
        return;
    WAVEHDR* header = new WAVEHDR{};
    header->lpData = const_cast<char*>(recording.Samples);
    header->dwBufferLength = recording.Size;
    BeginHoldingRequests();
    if (waveOutPrepareHeader(device, header, sizeof *header) == MMSYSERR_NOERROR) {
        if (waveOutWrite(device, header, sizeof *header) == MMSYSERR_NOERROR) {
            const DWORD length = static_cast<DWORD>(uint64_t{recording.Size} * 1000 / recording.Format.nAvgBytesPerSec);
            const DWORD start = GetTickCount();
            const DWORD limit = length + kEndAllowanceMs;
            while (!(header->dwFlags & WHDR_DONE)) {
                const DWORD passed = GetTickCount() - start;
                if (passed >= limit || !WaitServingQueue(ended, limit - passed, &header->dwFlags, WHDR_DONE)) break;
            }
            if (!(header->dwFlags & WHDR_DONE)) waveOutReset(device);
        }
        waveOutUnprepareHeader(device, header, sizeof *header);
    }
    if (waveOutClose(device) == MMSYSERR_NOERROR) delete header;
    EndHoldingRequests();
}

// Set while a cue plays: a cue asked for meanwhile (by a message answered
// during the wait) is not played over it.
bool Playing = false;

}  // namespace

// ---- Requests answered here ----

void PlaySoundCue(int16_t id) {
    if (Preferences.SoundOn == 0 || Playing) return;
    const char* name = SoundCueResourceName(id);
    if (name == nullptr) return;
    HRSRC found = FindResourceA(ProgramInstance, name, "WAV");
    if (found == nullptr) return;
    const DWORD size = SizeofResource(ProgramInstance, found);
    HGLOBAL loaded = LoadResource(ProgramInstance, found);
    if (loaded == nullptr) return;
    const char* image = static_cast<const char*>(LockResource(loaded));
    Recording recording;
    if (image != nullptr && ReadRecording(image, size, recording)) {
        Playing = true;
        PlayToEnd(recording);
        Playing = false;
    }
    FreeResource(loaded);
}
