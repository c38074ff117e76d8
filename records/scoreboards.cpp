// The scoreboards of the stored record: a bubble sort that never swaps
// equal scores, and the rules of an entry.
#include "records/scoreboards.h"

#include <cstring>

int16_t NewestScore = 0;
char NewestName[kPlayerNameFieldSize] = "";
char LastTypedName[kPlayerNameFieldSize] = "";
int16_t UnofferedStreak = 0;

namespace {

void SwapEntries(uint16_t m, int a, int b) {
    PreferencesRecord& p = Preferences;
    const int16_t score = p.ScoreboardScores[m][a];
    p.ScoreboardScores[m][a] = p.ScoreboardScores[m][b];
    p.ScoreboardScores[m][b] = score;
    char name[kPlayerNameFieldSize];
    std::memcpy(name, p.ScoreboardNames[m][a], sizeof name);
    std::memcpy(p.ScoreboardNames[m][a], p.ScoreboardNames[m][b], sizeof name);
    std::memcpy(p.ScoreboardNames[m][b], name, sizeof name);
    char category[kBoardCategoryFieldSize];
    std::memcpy(category, p.ScoreboardCategories[m][a], sizeof category);
    std::memcpy(p.ScoreboardCategories[m][a], p.ScoreboardCategories[m][b], sizeof category);
    std::memcpy(p.ScoreboardCategories[m][b], category, sizeof category);
}

void CopyName(char* field, size_t size, const char* text) {
    std::strncpy(field, text, size - 1);
    field[size - 1] = '\0';
}

}  // namespace

void SortScoreboard(uint16_t m) {
    if (m >= kBoardCount) return;
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int r = 1; r < kBoardRanks; ++r) {
            if (Preferences.ScoreboardScores[m][r - 1] < Preferences.ScoreboardScores[m][r]) {
                SwapEntries(m, r - 1, r);
                swapped = true;
            }
        }
    }
}

int16_t IsValidPlayerName(const char* text) {
    const size_t n = std::strlen(text);
    if (n < 1 || n > kPlayerNameFieldSize - 1) return 0;
    return std::strspn(text, " ") < n ? 1 : 0;
}

bool StreakEntersScoreboard(uint16_t m, int16_t streak) {
    return m < kBoardCount && streak > Preferences.ScoreboardScores[m][kBoardRanks - 1];
}

void EnterScoreboard(uint16_t m, const char* name, int16_t score, const char* category) {
    if (m >= kBoardCount) return;
    const int last = kBoardRanks - 1;
    Preferences.ScoreboardScores[m][last] = score;
    CopyName(Preferences.ScoreboardNames[m][last], kPlayerNameFieldSize, name);
    CopyName(Preferences.ScoreboardCategories[m][last], kBoardCategoryFieldSize, category);
    NewestScore = score;
    CopyName(NewestName, sizeof NewestName, name);
    CopyName(LastTypedName, sizeof LastTypedName, name);
    UnofferedStreak = 0;
    SortScoreboard(m);
}

void ClearScoreboard(uint16_t m) {
    if (m >= kBoardCount) return;
    for (int r = 0; r < kBoardRanks; ++r) {
        Preferences.ScoreboardScores[m][r] = 0;
        std::memset(Preferences.ScoreboardNames[m][r], 0, kPlayerNameFieldSize);
        std::memset(Preferences.ScoreboardCategories[m][r], 0, kBoardCategoryFieldSize);
    }
}
