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
#include "resource.h"

PreferencesRecord Preferences;
const PreferencesRecord* PreferencesBeforeEdit = nullptr;

namespace {

const char kFileName[] = "WWLT.DAT";
// The record is written here first and only then moved over "WWLT.DAT".
const char kTemporaryFileName[] = "WWLT.TMP";
// An unreadable record is kept under this name.
const char kUnreadableFileName[] = "WWLT.BAD";

// Set when a save at a game's end failed for another reason than a file
// another program held, until a reported save succeeds.
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
        if (report) ShowErrorMessage(ProgramText(IDS_ERROR_WINDOWS_DIRECTORY).c_str());
        return 0;
    }
    std::snprintf(path, kPathBufferSize, "%s%s%s", directory, hasSlash ? "" : "\\", name);
    return 1;
}

// A file another program holds for a moment (a backup or sync tool) is
// waited for as a save waits: its state once it is free, or still held
// after kHeldFileWaitMs.
int16_t StateOnceFree(const char* path) {
    int16_t state = QueryFileState(path);
    for (int waited = 0; (state == kFileHeld || state == kFileRefused) && waited < kHeldFileWaitMs;
         waited += kHeldFileRetryMs) {
        DelayMilliseconds(kHeldFileRetryMs);
        state = QueryFileState(path);
    }
    return state;
}

// The record's file to read: the one in the preference directory, or,
// while that has none and is not the Windows directory, the one a former
// version left for this player in the Windows directory: first the copy
// Windows kept in the player's VirtualStore (the file that version showed
// the player), then the Windows directory's own. Only a file that is not
// there counts as missing: the first one there is opened (*own tells
// whether it is the preference directory's), or its state is returned
// when it cannot be read; kFileNotFound when there is none.
int16_t OpenPreferenceFile(const char* path, std::FILE*& file, bool& own) {
    char windowsPath[kPathBufferSize];
    char storedPath[kPathBufferSize];
    const char* candidate = path;
    int16_t state = StateOnceFree(path);
    if (state == kFileNotFound) {
        if (!PathInDirectory(QueryWindowsDirectory, kFileName, windowsPath) || std::strcmp(windowsPath, path) == 0)
            return kFileNotFound;
        if (PathInDirectory(QueryVirtualStoreDirectory, kFileName, storedPath, false) &&
            (state = StateOnceFree(storedPath)) != kFileNotFound) {
            candidate = storedPath;
        } else {
            candidate = windowsPath;
            state = StateOnceFree(windowsPath);
        }
    }
    if (state != kFileReadable) return state;
    file = OpenFileForReading(candidate);
    own = candidate == path;
    return file != nullptr ? kFileReadable : kFileRefused;
}

// A record that could not be read (a disk fault, a sync conflict, a copy
// cut short) is kept as "WWLT.BAD" beside it, replacing an older one,
// before the defaults are written over it; false when it could not be.
bool KeepUnreadableRecord(const char* path) {
    char kept[kPathBufferSize];
    return PathInDirectory(QueryPreferenceDirectory, kUnreadableFileName, kept) &&
           MoveFileWaiting(path, kept, true) == 1;
}

int16_t SaveRecord(const PreferencesRecord& record, bool report, bool* held = nullptr) {
    char path[kPathBufferSize];
    char temporary[kPathBufferSize];
    if (!PathInDirectory(QueryPreferenceDirectory, kFileName, path, report) ||
        !PathInDirectory(QueryPreferenceDirectory, kTemporaryFileName, temporary, report))
        return 0;
    return WriteWholeFile(path, temporary, &record, kPreferencesSize,
                          report ? ProgramText(IDS_ERROR_CREATING_PREFERENCES).c_str() : nullptr,
                          report ? ProgramText(IDS_ERROR_WRITING_PREFERENCES).c_str() : nullptr, held);
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

int16_t PathBesidePreferenceFile(const char* name, char* path) {
    return PathInDirectory(QueryPreferenceDirectory, name, path, false);
}

int16_t LoadPreferences() {
    SetDefaultPreferences();
    char path[kPathBufferSize];
    if (!PreferenceFilePath(path)) return 0;
    std::FILE* file = nullptr;
    bool own = false;
    const int16_t state = OpenPreferenceFile(path, file, own);
    if (state == kFileNotFound) return 0;
    if (state != kFileReadable) {
        ShowErrorMessage(ProgramText(IDS_ERROR_READING_PREFERENCES).c_str());
        return kPreferenceFileOutOfReach;
    }

    static PreferencesRecord image;
    const size_t got = std::fread(&image, 1, kPreferencesSize, file);
    std::fclose(file);
    const bool complete = got == kPreferencesSize;
    if (complete && image.Magic == kPreferencesMagic) {
        Preferences = image;
        BringPreferencesIntoRange();
        return 1;
    }
    const bool kept = !own || KeepUnreadableRecord(path);
    if (!complete || !kept) ShowErrorMessage(ProgramText(IDS_ERROR_READING_PREFERENCES).c_str());
    return kept ? 0 : kPreferenceFileOutOfReach;
}

int16_t SavePreferences() {
    const int16_t saved = SaveRecord(Preferences, true);
    if (saved) FinishedGameSavesStopped = false;
    return saved;
}

int16_t SavePreferencesQuietly() { return SaveRecord(Preferences, false); }

int16_t SaveFinishedGame() {
    if (FinishedGameSavesStopped) return 0;
    // While the Custom Words dialog edits the list in place, the list is
    // saved as it was confirmed; the game that ended is saved all the same.
    static PreferencesRecord confirmed;
    confirmed = Preferences;
    if (PreferencesBeforeEdit != nullptr) {
        confirmed.CustomWordCount = PreferencesBeforeEdit->CustomWordCount;
        std::memcpy(confirmed.CustomWords, PreferencesBeforeEdit->CustomWords, sizeof confirmed.CustomWords);
    }
    bool held = false;
    const int16_t saved = SaveRecord(confirmed, false, &held);
    FinishedGameSavesStopped = saved == 0 && !held;
    return saved;
}
