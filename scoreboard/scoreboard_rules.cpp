// The scoreboard's rules over the boards of the stored record.
#include "scoreboard/scoreboard_rules.h"

#include <cstring>

#include "records/board_order.h"
#include "records/statistics.h"

int16_t NewestScore = 0;
char NewestName[kPlayerNameFieldSize] = "";
char LastTypedName[kPlayerNameFieldSize] = "";

namespace {

void CopyName(char* field, size_t size, const char* text) {
    std::strncpy(field, text, size - 1);
    field[size - 1] = '\0';
}

}  // namespace

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
