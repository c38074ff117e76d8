// The Preferences record: defaults, the preference file path, loading and
// saving. File access uses the C library only; the Windows directory and
// the message boxes are requests answered by the window shell.
#include "records/preferences.h"

#include <cstdio>
#include <cstring>

#include "game/game_state.h"
#include "game/requests.h"

PreferencesRecord Preferences;

namespace {

const char kFileName[] = "WWLT.DAT";
// The record is written here first and only then moved over "WWLT.DAT".
const char kTemporaryFileName[] = "WWLT.TMP";

void Terminate(char* field, size_t width) { field[width - 1] = '\0'; }

// Joins the Windows directory and name into path; 0 after reporting a
// directory that cannot be had or a path that would not fit.
int16_t PathInWindowsDirectory(const char* name, char* path) {
    char directory[kPathBufferSize] = "";
    const uint32_t length = QueryWindowsDirectory(directory, sizeof directory);
    if (length == 0 || length > kPathBufferSize - 1) {
        ShowErrorMessage("Error getting Windows directory.");
        return 0;
    }
    const bool hasSlash = directory[length - 1] == '\\';
    if (length + (hasSlash ? 0 : 1) + std::strlen(name) > kPathBufferSize - 1) {
        ShowErrorMessage("Error getting Windows directory.");
        return 0;
    }
    std::snprintf(path, kPathBufferSize, "%s%s%s", directory, hasSlash ? "" : "\\", name);
    return 1;
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
    GameState.MaxGuessesIndex = 1;
}

void BringPreferencesIntoRange() {
    PreferencesRecord& p = Preferences;
    if (!IsAllowedMaxGuesses(p.MaxGuesses)) p.MaxGuesses = 6;
    if (p.CustomWordCount < 0) p.CustomWordCount = 0;
    if (p.CustomWordCount > kCustomWordMax) p.CustomWordCount = kCustomWordMax;
    int16_t selected = 0;
    for (int k = 0; k < kBuiltInCategoryCount; ++k) {
        if (p.CategorySelected[k] != 0) ++selected;
    }
    p.SelectedCategoryCount = selected;
    for (WordEntry& e : p.CustomWords) {
        Terminate(e.Phrase, sizeof e.Phrase);
        Terminate(e.Information, sizeof e.Information);
    }
    for (int m = 0; m < kBoardCount; ++m) {
        for (int r = 0; r < kBoardRanks; ++r) {
            Terminate(p.ScoreboardNames[m][r], kPlayerNameFieldSize);
            Terminate(p.ScoreboardCategories[m][r], kBoardCategoryFieldSize);
        }
    }
}

int16_t PreferenceFilePath(char* path) { return PathInWindowsDirectory(kFileName, path); }

int16_t LoadPreferences() {
    SetDefaultPreferences();
    char path[kPathBufferSize];
    if (!PreferenceFilePath(path)) return 0;
    std::FILE* file = std::fopen(path, "rb");
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
    Preferences.FlashCount = 5;
    GameState.MaxGuessesIndex = MaxGuessesIndexOf(Preferences.MaxGuesses);
    return 1;
}

int16_t SavePreferences() {
    char path[kPathBufferSize];
    char temporary[kPathBufferSize];
    if (!PreferenceFilePath(path) || !PathInWindowsDirectory(kTemporaryFileName, temporary)) return 0;

    std::FILE* file = std::fopen(temporary, "wb");
    if (file == nullptr) {
        ShowErrorMessage("Error creating Preference file.");
        return 0;
    }
    const size_t written = std::fwrite(&Preferences, 1, kPreferencesSize, file);
    const bool flushed = std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    if (written == kPreferencesSize && flushed && closed && MoveFileOver(temporary, path)) return 1;
    std::remove(temporary);
    ShowErrorMessage("Error writing Preference file.");
    return 0;
}
