// Preferences: the one record the program keeps between runs, and its file
// "WWLT.DAT" in the Windows directory (or, where the program may not write
// there, in a folder of the user's own). The file is the record's memory
// image, 34,056 bytes, little-endian; every offset is checked below so that
// the 32-bit and 64-bit programs read and write identical files.
#ifndef WORDLOFT_RECORDS_PREFERENCES_H
#define WORDLOFT_RECORDS_PREFERENCES_H

#include <cstddef>
#include <cstdint>

#include "records/word_sources.h"

constexpr int kCustomWordMax = 200;
constexpr int kCategoryFlagCount = 100;
static_assert(kBuiltInCategoryCount <= kCategoryFlagCount, "a flag for every category");
constexpr int kBoardCount = 5;
constexpr int kBoardRanks = 10;
constexpr int kPhraseFieldSize = 28;
constexpr int kInformationFieldSize = 102;
constexpr int kPlayerNameFieldSize = 16;
constexpr int kBoardCategoryFieldSize = 32;
constexpr uint16_t kPreferencesMagic = 12122;  // 0x2F5A
constexpr size_t kPreferencesSize = 34056;
// A path of up to 260 characters (MAX_PATH) in any language, as UTF-8.
constexpr size_t kPathBufferSize = 3 * 260 + 1;

// One entry of the CustomWordList, as stored in the record and in
// word-list files.
struct WordEntry {
    char Phrase[kPhraseFieldSize];
    char Information[kInformationFieldSize];
};
static_assert(sizeof(WordEntry) == 130, "word entry is 130 bytes");

struct PreferencesRecord {
    uint16_t Magic;
    uint16_t Padding0;
    uint32_t Reserved4;
    uint32_t Reserved8;
    uint16_t SoundOn;
    uint16_t MaxGuesses;
    uint32_t WordSource;
    char ReservedText20[42];
    char ReservedText62[34];
    int32_t ProgramStarts;
    int32_t TotalGames;
    int32_t TotalWins;
    int32_t TotalLosses;
    int32_t LifetimeStarts;
    int32_t LifetimeGames;
    int32_t LifetimeWins;
    int32_t LifetimeLosses;
    uint16_t ReservedSwitches[6];
    int16_t CustomWordCount;
    WordEntry CustomWords[kCustomWordMax];
    int16_t SelectedCategoryCount;
    uint16_t CategorySelected[kCategoryFlagCount];
    uint8_t Reserved26344[4];
    char ReservedSlots[2][50][52];
    uint16_t UpperCaseLetters;
    int16_t ScoreboardScores[kBoardCount][kBoardRanks];
    char ScoreboardNames[kBoardCount][kBoardRanks][kPlayerNameFieldSize];
    char ScoreboardCategories[kBoardCount][kBoardRanks][kBoardCategoryFieldSize];
    uint16_t ScoringOn;
    uint16_t FlashCount;
    uint16_t Padding34054;
};

static_assert(offsetof(PreferencesRecord, Magic) == 0, "layout");
static_assert(offsetof(PreferencesRecord, Reserved4) == 4, "layout");
static_assert(offsetof(PreferencesRecord, Reserved8) == 8, "layout");
static_assert(offsetof(PreferencesRecord, SoundOn) == 12, "layout");
static_assert(offsetof(PreferencesRecord, MaxGuesses) == 14, "layout");
static_assert(offsetof(PreferencesRecord, WordSource) == 16, "layout");
static_assert(offsetof(PreferencesRecord, ReservedText20) == 20, "layout");
static_assert(offsetof(PreferencesRecord, ReservedText62) == 62, "layout");
static_assert(offsetof(PreferencesRecord, ProgramStarts) == 96, "layout");
static_assert(offsetof(PreferencesRecord, TotalGames) == 100, "layout");
static_assert(offsetof(PreferencesRecord, TotalWins) == 104, "layout");
static_assert(offsetof(PreferencesRecord, TotalLosses) == 108, "layout");
static_assert(offsetof(PreferencesRecord, LifetimeStarts) == 112, "layout");
static_assert(offsetof(PreferencesRecord, LifetimeGames) == 116, "layout");
static_assert(offsetof(PreferencesRecord, LifetimeWins) == 120, "layout");
static_assert(offsetof(PreferencesRecord, LifetimeLosses) == 124, "layout");
static_assert(offsetof(PreferencesRecord, ReservedSwitches) == 128, "layout");
static_assert(offsetof(PreferencesRecord, CustomWordCount) == 140, "layout");
static_assert(offsetof(PreferencesRecord, CustomWords) == 142, "layout");
static_assert(offsetof(PreferencesRecord, SelectedCategoryCount) == 26142, "layout");
static_assert(offsetof(PreferencesRecord, CategorySelected) == 26144, "layout");
static_assert(offsetof(PreferencesRecord, Reserved26344) == 26344, "layout");
static_assert(offsetof(PreferencesRecord, ReservedSlots) == 26348, "layout");
static_assert(offsetof(PreferencesRecord, UpperCaseLetters) == 31548, "layout");
static_assert(offsetof(PreferencesRecord, ScoreboardScores) == 31550, "layout");
static_assert(offsetof(PreferencesRecord, ScoreboardNames) == 31650, "layout");
static_assert(offsetof(PreferencesRecord, ScoreboardCategories) == 32450, "layout");
static_assert(offsetof(PreferencesRecord, ScoringOn) == 34050, "layout");
static_assert(offsetof(PreferencesRecord, FlashCount) == 34052, "layout");
static_assert(offsetof(PreferencesRecord, Padding34054) == 34054, "layout");
static_assert(sizeof(PreferencesRecord) == kPreferencesSize, "record is 34,056 bytes");

extern PreferencesRecord Preferences;

// Fills every field that has a default; padding, the reserved words at 4
// and 8 and the bytes after each text's terminator keep what they held.
void SetDefaultPreferences();

// Writes the full path of "WWLT.DAT" in the preference directory into path
// (kPathBufferSize bytes). Returns 0 after reporting a failure.
int16_t PreferenceFilePath(char* path);

// Writes the full path of another file of the preference directory into
// path (kPathBufferSize bytes). Returns 0, quietly, when the directory
// cannot be had or the path would not fit.
int16_t PathBesidePreferenceFile(const char* name, char* path);

// 1 when the file was read and accepted (its values brought into range);
// 0 otherwise, with the defaults in force, and the file may be replaced by
// them: it is not there (file or path not found), or it could not be read
// (too short, a wrong magic number) and is now kept as "WWLT.BAD" in its
// folder, replacing an older one. A file another program holds is waited
// for up to kHeldFileWaitMs, as a save waits. kPreferenceFileOutOfReach,
// after "Error reading Preference file.", when the file is there but
// stays held, cannot be opened or could not be kept: nothing may be
// written over it. While a preference directory other than the Windows
// directory holds no file, the one the player's VirtualStore kept of the
// Windows directory's is read instead, or else the Windows directory's own.
constexpr int16_t kPreferenceFileOutOfReach = -1;
int16_t LoadPreferences();

// 1 when all 34,056 bytes reached the file. The old file is replaced only
// after the whole record was written beside it, so a failed save never
// leaves a short file. 0 after reporting a failure.
int16_t SavePreferences();
// The same save without any message, for the end of the session, when no
// message box can be answered any more.
int16_t SavePreferencesQuietly();
// The save at the end of each game, so that a program ended from outside
// keeps every finished game: quiet, and without waiting for a file another
// program holds; such a hold does not stop the next game's save from
// trying again. After one fails for another reason, these saves stop until
// a SavePreferences succeeds (which reports its own failures). While a
// dialog edits the record in place (PreferencesBeforeEdit), the list it
// edits is saved as it was confirmed. 1 when the record reached its file.
int16_t SaveFinishedGame();

// While a dialog edits the record in place (the Custom Words dialog, until
// Done or Cancel), the record as it was when the dialog opened; null
// otherwise.
extern const PreferencesRecord* PreferencesBeforeEdit;

// Brings a record read from disk into range, every field the program
// reads: the on/off flags (SoundOn, UpperCaseLetters, ScoringOn and the 51
// CategorySelected flags) hold 0 or 1, anything else taking its default;
// MaxGuesses is 4, 6, 8, 10 or 12, else 6; WordSource is a word-source
// command, else Authors; negative counters become 0; CustomWordCount is
// held to 0..200 and SelectedCategoryCount recounted; a negative score
// empties its scoreboard row and every board is put back in order; every
// text field is terminated inside its width; FlashCount is 5.
void BringPreferencesIntoRange();

// True for the commands a stored WordSource may hold: 32781, 32783, 32785
// and 32797..32847.
bool IsWordSource(uint32_t command);

// Terminates an entry's Phrase and Information inside their fields.
void BringWordEntryIntoRange(WordEntry& entry);

// MaxGuessesIndex of a MaxGuesses value, (n - 4) / 2.
inline uint16_t MaxGuessesIndexOf(uint16_t n) { return static_cast<uint16_t>((n - 4) / 2); }

// True for 4, 6, 8, 10 and 12.
bool IsAllowedMaxGuesses(int value);

#endif
