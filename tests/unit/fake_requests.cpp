// Recording definitions of every request of game/requests.h.
#include "tests/unit/fake_requests.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "game/categories.h"
#include "game/game_state.h"
#include "game/requests.h"
#include "game/sound_cues.h"
#include "game/statistics.h"
#include "game/text_format.h"
#include "records/preferences.h"
#include "records/scoreboards.h"
#include "resource.h"
#include "tests/unit/string_tables.h"

FakeShell Fake;

namespace {

void Log(const std::string& call) { Fake.Calls.push_back(call); }

std::string Number(long value) { return std::to_string(value); }

// The log names what the numbers stand for: a region by its name, a letter
// index by its letter.
const char* const kRegionNames[] = {"Scene",     "StatisticsPanel", "SceneBox",      "PhraseBand", "LetterPanel",
                                    "InformationLine", "FaceBox",   "CaseToggleBox", "GuessMeter"};
static_assert(sizeof kRegionNames / sizeof kRegionNames[0] == kRegionGuessMeter + 1, "a name for every region");

std::string RegionName(SceneRegionId region) {
    return region >= 0 && region <= kRegionGuessMeter ? kRegionNames[region] : Number(region);
}

std::string Letter(int16_t index) {
    return index >= 0 && index < 26 ? std::string(1, static_cast<char>('A' + index)) : Number(index);
}

}  // namespace

void ResetFake() {
    Fake = FakeShell();
    std::memset(&GameState, 0, sizeof GameState);
    std::memset(&Preferences, 0, sizeof Preferences);
    SetDefaultPreferences();
    GameState.FaceMood = kFaceNeutral;
    GameState.MaxGuesses = Preferences.MaxGuesses;
    GameState.MaxGuessesIndex = MaxGuessesIndexOf(Preferences.MaxGuesses);
    GameState.GuessesLeft = static_cast<int16_t>(GameState.MaxGuesses);
    NewestScore = 0;
    NewestName[0] = '\0';
    LastTypedName[0] = '\0';
    UnofferedStreak = 0;
    PreferencesBeforeEdit = nullptr;
    SourceLabel[0] = '\0';
}

std::vector<std::string> CallsStartingWith(const std::string& prefix) {
    std::vector<std::string> found;
    for (const std::string& call : Fake.Calls) {
        if (call.compare(0, prefix.size(), prefix) == 0) found.push_back(call);
    }
    return found;
}

// Logged by the cue's name ("PlaySoundCue(GOTLETTER)"); an id outside the
// list by its number.
void PlaySoundCue(int16_t id) {
    const char* name = SoundCueName(id);
    if (Preferences.SoundOn) Log("PlaySoundCue(" + (name ? std::string(name) : Number(id)) + ")");
}
void CheckWordSourceItem(uint32_t command) { Log("CheckWordSourceItem(" + Number(command) + ")"); }
// The shell sets the scoreboard's label with the caption.
void SetSourceTitle() {
    SetSourceLabel(Preferences.WordSource);
    Log("SetSourceTitle");
}
void DisableGameMenus() { Log("DisableGameMenus"); }
void EnableGameMenus() { Log("EnableGameMenus"); }
void SetUseCustomWordsEnabled(bool on) { Log(std::string("SetUseCustomWordsEnabled(") + (on ? "1" : "0") + ")"); }
void SetUseRandomWordsEnabled(bool on) { Log(std::string("SetUseRandomWordsEnabled(") + (on ? "1" : "0") + ")"); }
void CheckMaxGuessesItem(uint16_t index) { Log("CheckMaxGuessesItem(" + Number(index) + ")"); }
void BeepIfSoundOn() {
    if (Preferences.SoundOn) Log("Beep");
}
void DelayMilliseconds(int16_t ms) { Log("Delay(" + Number(ms) + ")"); }
void BeginGameEnd() { Log("BeginGameEnd"); }
// The program's texts in the language it speaks, from the resource scripts.
std::string ProgramText(int16_t id) {
    const std::map<int, std::string>& table = StringTable(TextLanguage);
    const auto text = table.find(id);
    return text != table.end() ? text->second : std::string();
}
// As the shell's: at most 99 characters.
int LoadResourceString(int16_t id, char* buffer, size_t size) {
    std::snprintf(buffer, std::min<size_t>(size, 100), "%s", ProgramText(id).c_str());
    return static_cast<int>(std::strlen(buffer));
}
void InvalidateRegion(SceneRegionId region, int16_t margin) {
    Log("InvalidateRegion(" + RegionName(region) + "," + Number(margin) + ")");
}
int ShowInfoMessage(const char* text) {
    Log(std::string("Info:") + text);
    return 1;
}
int ShowErrorMessage(const char* text) {
    Log(std::string("Error:") + text);
    return 1;
}
bool AskYesNoCancel(const char* text) {
    Log(std::string("Ask:") + text);
    return Fake.AnswerYes;
}
void FlushPendingInput() { Log("FlushPendingInput"); }
void DrawLetterCellUsed(int16_t letterIndex) { Log("DrawLetterCellUsed(" + Letter(letterIndex) + ")"); }
void ClearPhraseBand() { Log("ClearPhraseBand"); }
void DrawPhrase() {
    // Record what the band shows: used letters and underscores.
    std::string shown;
    for (uint16_t p = 0; p < GameState.PhraseLength; ++p) {
        const char c = GameState.Phrase[p];
        const char f = (c >= 'A' && c <= 'Z') ? c : 0;
        if (c == ' ') shown += ' ';
        else if (f && GameState.LettersUsed[f - 'A']) shown += c;
        else if (f) shown += '_';
        else shown += c;
    }
    Log("DrawPhrase[" + shown + "]");
}
void ShowInformation(const char* text) { Log(std::string("ShowInformation:") + text); }
int16_t InvertPhraseBand() {
    Log("InvertPhraseBand");
    if (!Fake.WindowCanBeDrawn) {
        BeepIfSoundOn();
        return 0;
    }
    return 1;
}
void WipeGuessMeter() { Log("WipeGuessMeter"); }
void DrawGuessMeter() { Log("DrawGuessMeter"); }
void DrawStagesAfterMiss() { Log("DrawStagesAfterMiss(" + Number(GameState.GuessesLeft) + ")"); }
int16_t AskEnteredWord() {
    Log("AskEnteredWord");
    if (!Fake.EnteredWordAccepted) return 0;
    SetGamePhrase(Fake.EnteredPhrase.c_str(), Fake.EnteredInformation.c_str());
    return 1;
}
void AskStreakName() {
    Log("AskStreakName");
    const uint16_t m = GameState.MaxGuessesIndex;
    const char* category = GameState.StreakMixed ? "Various Categories" : SourceLabel;
    EnterScoreboard(m, Fake.StreakName.c_str(), GameState.EndedStreak, category);
}
void ShowScoreboard(int16_t afterStreakEntry) { Log("ShowScoreboard(" + Number(afterStreakEntry) + ")"); }
void AnnounceNewGame() { Log("AnnounceNewGame"); }
void AnnounceGuess(int16_t letterIndex, int16_t found) {
    Log("AnnounceGuess(" + Letter(letterIndex) + "," + Number(found) + ")");
}
void AnnounceGameEnd(int16_t won) { Log("AnnounceGameEnd(" + Number(won) + ")"); }
void AnnounceStreakOffer() { Log("AnnounceStreakOffer"); }
int16_t LoadCategoryText(const char* resourceName, char* buffer, size_t size, int16_t errorStringId) {
    Log(std::string("LoadCategoryText:") + resourceName);
    buffer[0] = '\0';
    auto found = Fake.CategoryTexts.find(resourceName);
    if (found == Fake.CategoryTexts.end() || found->second.empty()) {
        Log("Error:string " + Number(errorStringId));
        return 0;
    }
    // Like the resource reader: the text's last byte gives way to the
    // terminator.
    const std::string& text = found->second;
    const size_t keep = std::min(text.size() - 1, size - 1);
    std::memcpy(buffer, text.data(), keep);
    buffer[keep] = '\0';
    return 1;
}
namespace {
uint32_t AnswerDirectory(const std::string& dir, char* buffer, uint32_t size) {
    if (dir.empty()) return 0;
    if (dir.size() + 1 > size) return static_cast<uint32_t>(dir.size() + 1);
    std::memcpy(buffer, dir.c_str(), dir.size() + 1);
    return static_cast<uint32_t>(dir.size());
}
}  // namespace

uint32_t QueryWindowsDirectory(char* buffer, uint32_t size) {
    return AnswerDirectory(Fake.WindowsDirectory, buffer, size);
}
uint32_t QueryPreferenceDirectory(char* buffer, uint32_t size) {
    return AnswerDirectory(Fake.PreferenceDirectory.empty() ? Fake.WindowsDirectory : Fake.PreferenceDirectory,
                           buffer, size);
}
uint32_t QueryVirtualStoreDirectory(char* buffer, uint32_t size) {
    return AnswerDirectory(Fake.VirtualStoreDirectory, buffer, size);
}
std::FILE* OpenFileForReading(const char* path) { return std::fopen(path, "rb"); }
int16_t RemoveFile(const char* path) { return std::remove(path) == 0 ? 1 : 0; }
int16_t MoveFileOver(const char* from, const char* to) {
    if (Fake.Fault == FileFault::Replace) return 0;
    if (Fake.Fault == FileFault::Held) {
        if (Fake.HeldAttempts == 0) return kFileHeld;
        if (--Fake.HeldAttempts == 0) Fake.Fault = FileFault::None;
        return kFileHeld;
    }
    if (std::rename(from, to) != 0) return 0;
    if (Fake.LogReplacedFiles) {
        const char* name = std::strrchr(to, '\\');
        Log(std::string("Replaced:") + (name ? name + 1 : to));
    }
    return 1;
}

namespace {
size_t BytesInWrittenFile = 0;
}  // namespace

std::FILE* CreateFileForWriting(const char* path) {
    if (Fake.Fault == FileFault::Create) return nullptr;
    BytesInWrittenFile = 0;
    return std::fopen(path, "wb");
}
size_t WriteFileBytes(std::FILE* file, const void* bytes, size_t size) {
    size_t allowed = size;
    if (Fake.Fault == FileFault::DiskFull) {
        const size_t room = Fake.DiskFullAfter > BytesInWrittenFile ? Fake.DiskFullAfter - BytesInWrittenFile : 0;
        allowed = std::min(size, room);
    }
    const size_t written = std::fwrite(bytes, 1, allowed, file);
    BytesInWrittenFile += written;
    return written;
}
int16_t FlushWrittenFile(std::FILE* file) {
    if (std::fflush(file) != 0) return 0;
    return Fake.Fault == FileFault::Flush ? 0 : 1;
}
int16_t CloseWrittenFile(std::FILE* file) {
    const bool closed = std::fclose(file) == 0;
    return closed && Fake.Fault != FileFault::Close ? 1 : 0;
}
