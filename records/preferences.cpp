// The Preferences record: defaults, the preference file path, loading and
// saving. File access and the message boxes are requests answered by the
// window shell (records/record_requests.h).
#include "records/preferences.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "records/record_requests.h"
#include "records/scoreboards.h"
#include "records/whole_file.h"

PreferencesRecord Preferences;
const PreferencesRecord* PreferencesBeforeEdit = nullptr;

namespace {

const char kFileName[] = "WWLT.DAT";
// The record is written here first and only then moved over "WWLT.DAT".
const char kTemporaryFileName[] = "WWLT.TMP";

// Set when a save at a game's end failed, until a reported save succeeds.
bool FinishedGameSavesStopped = false;

void Terminate(char* field, size_t width) { field[width - 1] = '\0'; }

using DirectoryQuery = uint32_t (*)(char* buffer, uint32_t size);

// Joins a directory and name into path; 0 (after reporting it, when report
// is set) for a directory that cannot be had or a path that would not fit.
int16_t PathInDirectory(DirectoryQuery query, const char* name, char* path, bool report = true) {
    char directory[kPathBufferSize] = "";
    const uint32_t length = query(directory, sizeof directory);
    const bool hasSlash = length > 0 && length < kPathBufferSize && directory[length - 1] == '\\';
    if (length == 0 || length > kPathBufferSize - 1 ||
        length + (hasSlash ? 0 : 1) + std::strlen(name) > kPathBufferSize - 1) {
        if (report) ShowErrorMessage("Error getting Windows directory.");
        return 0;
    }
    std::snprintf(path, kPathBufferSize, "%s%s%s", directory, hasSlash ? "" : "\\", name);
    return 1;
}

// The record's file to read: the one in the preference directory, or,
// while that has none and is not the Windows directory, the one a former
// version left for this player in the Windows directory: first the copy
// Windows kept in the player's VirtualStore (the file that version showed
// the player), then the Windows directory's own. Null when none opens.
std::FILE* OpenPreferenceFile(const char* path) {
    std::FILE* file = OpenFileForReading(path);
    if (file != nullptr) return file;
    char windowsPath[kPathBufferSize];
    if (!PathInDirectory(QueryWindowsDirectory, kFileName, windowsPath)) return nullptr;
    if (std::strcmp(windowsPath, path) == 0) return nullptr;
    char storedPath[kPathBufferSize];
    if (PathInDirectory(QueryVirtualStoreDirectory, kFileName, storedPath, false)) {
        file = OpenFileForReading(storedPath);
        if (file != nullptr) return file;
    }
    return OpenFileForReading(windowsPath);
}

int16_t SaveRecord(bool report) {
    char path[kPathBufferSize];
    char temporary[kPathBufferSize];
    if (!PathInDirectory(QueryPreferenceDirectory, kFileName, path, report) ||
        !PathInDirectory(QueryPreferenceDirectory, kTemporaryFileName, temporary, report))
        return 0;
    return WriteWholeFile(path, temporary, &Preferences, kPreferencesSize,
                          report ? "Error creating Preference file." : nullptr,
                          report ? "Error writing Preference file." : nullptr);
}

}  // namespace

bool IsAllowedMaxGuesses(int value) {
    return value == 4 || value == 6 || value == 8 || value == 10 || value == 12;
}

void SetDefaultPreferences() {
    PreferencesRecord& p = Preferences;
    p.Magic = kPreferencesMagic;
    p.SoundOn = 1;
    p.MaxGuesses = 6;
    p.WordSource = kSourceAuthors;
    p.ReservedText20[0] = '\0';
    p.ReservedText62[0] = '\0';
    p.ProgramStarts = p.TotalGames = p.TotalWins = p.TotalLosses = 0;
    p.LifetimeStarts = p.LifetimeGames = p.LifetimeWins = p.LifetimeLosses = 0;
    for (uint16_t& s : p.ReservedSwitches) s = 1;
    p.CustomWordCount = 0;
    for (WordEntry& e : p.CustomWords) {
        e.Phrase[0] = '\0';
        e.Information[0] = '\0';
    }
    p.SelectedCategoryCount = kBuiltInCategoryCount;
    for (int k = 0; k < kCategoryFlagCount; ++k) p.CategorySelected[k] = k < kBuiltInCategoryCount ? 1 : 0;
    std::memset(p.Reserved26344, 0, sizeof p.Reserved26344);
    std::memset(p.ReservedSlots, 0, sizeof p.ReservedSlots);
    p.UpperCaseLetters = 1;
    for (int m = 0; m < kBoardCount; ++m) {
        for (int r = 0; r < kBoardRanks; ++r) {
            p.ScoreboardScores[m][r] = 0;
            p.ScoreboardNames[m][r][0] = '\0';
            p.ScoreboardCategories[m][r][0] = '\0';
        }
    }
    p.ScoringOn = 0;
    p.FlashCount = 5;
}

bool IsWordSource(uint32_t command) {
    return command == kSourceEnteredWord || command == kSourceCustomWords || command == kSourceRandomWords ||
           (command >= kSourceFirstCategory && command <= kSourceLastCategory);
}

void BringWordEntryIntoRange(WordEntry& entry) {
    Terminate(entry.Phrase, sizeof entry.Phrase);
    Terminate(entry.Information, sizeof entry.Information);
}

namespace {

// An on/off flag holds 0 or 1; anything else is taken as its default.
void BringFlagIntoRange(uint16_t& flag, uint16_t defaultValue) {
    if (flag > 1) flag = defaultValue;
}

void BringCounterIntoRange(int32_t& counter) {
    if (counter < 0) counter = 0;
}

// A negative score empties its row; the rows are then put back in order,
// highest first, as the scoreboard keeps them.
void BringScoreboardIntoRange(PreferencesRecord& p) {
    for (int m = 0; m < kBoardCount; ++m) {
        for (int r = 0; r < kBoardRanks; ++r) {
            Terminate(p.ScoreboardNames[m][r], kPlayerNameFieldSize);
            Terminate(p.ScoreboardCategories[m][r], kBoardCategoryFieldSize);
            if (p.ScoreboardScores[m][r] < 0) {
                p.ScoreboardScores[m][r] = 0;
                p.ScoreboardNames[m][r][0] = '\0';
                p.ScoreboardCategories[m][r][0] = '\0';
            }
        }
        SortScoreboard(static_cast<uint16_t>(m));
    }
}

}  // namespace

void BringPreferencesIntoRange() {
    PreferencesRecord& p = Preferences;
    BringFlagIntoRange(p.SoundOn, 1);
    BringFlagIntoRange(p.UpperCaseLetters, 1);
    BringFlagIntoRange(p.ScoringOn, 0);
    if (!IsAllowedMaxGuesses(p.MaxGuesses)) p.MaxGuesses = 6;
    if (!IsWordSource(p.WordSource)) p.WordSource = kSourceAuthors;
    for (int32_t* counter : {&p.ProgramStarts, &p.TotalGames, &p.TotalWins, &p.TotalLosses, &p.LifetimeStarts,
                             &p.LifetimeGames, &p.LifetimeWins, &p.LifetimeLosses}) {
        BringCounterIntoRange(*counter);
    }
    if (p.CustomWordCount < 0) p.CustomWordCount = 0;
    if (p.CustomWordCount > kCustomWordMax) p.CustomWordCount = kCustomWordMax;
    for (WordEntry& e : p.CustomWords) BringWordEntryIntoRange(e);
    int16_t selected = 0;
    for (int k = 0; k < kBuiltInCategoryCount; ++k) {
        BringFlagIntoRange(p.CategorySelected[k], 1);
        if (p.CategorySelected[k] != 0) ++selected;
    }
    p.SelectedCategoryCount = selected;
    BringScoreboardIntoRange(p);
    p.FlashCount = 5;
}

int16_t PreferenceFilePath(char* path) { return PathInDirectory(QueryPreferenceDirectory, kFileName, path); }

int16_t LoadPreferences() {
    SetDefaultPreferences();
    char path[kPathBufferSize];
    if (!PreferenceFilePath(path)) return 0;
    std::FILE* file = OpenPreferenceFile(path);
    if (file == nullptr) return 0;

    static PreferencesRecord image;
    const size_t got = std::fread(&image, 1, kPreferencesSize, file);
    std::fclose(file);
    if (got < kPreferencesSize) {
        SetDefaultPreferences();
        ShowErrorMessage("Error reading Preference file.");
        return 0;
    }
    if (image.Magic != kPreferencesMagic) return 0;

    Preferences = image;
    BringPreferencesIntoRange();
    return 1;
}

int16_t SavePreferences() {
    const int16_t saved = SaveRecord(true);
    if (saved) FinishedGameSavesStopped = false;
    return saved;
}

int16_t SavePreferencesQuietly() { return SaveRecord(false); }

int16_t SaveFinishedGame() {
    if (FinishedGameSavesStopped) return 0;
    const int16_t saved = SaveRecord(false);
    FinishedGameSavesStopped = saved == 0;
    return saved;
}
