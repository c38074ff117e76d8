// The board order of the stored record: a bubble sort that never swaps
// equal scores.
#include "records/board_order.h"

#include <cstring>

#include "records/preferences.h"

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
