// The record at the end of the session: the unconfirmed edit dropped, the
// streak nobody can be asked about filed, and one quiet save.
#include "game/session_end.h"

#include <cstdio>

#include "game/categories.h"
#include "game/game_state.h"
#include "game/requests.h"
#include "game/statistics.h"
#include "records/preferences.h"
#include "records/scoreboards.h"
#include "resource.h"

namespace {

// The word source the streak is filed under, as the name dialog files it.
void StreakCategory(char* text, size_t size) {
    if (GameState.StreakMixed == 1) LoadResourceString(IDS_VARIOUS_CATEGORIES, text, size);
    else std::snprintf(text, size, "%s", SourceLabel);
}

void FileUnofferedStreak() {
    const uint16_t board = GameState.MaxGuessesIndex;
    if (Preferences.ScoringOn == 0 || !StreakEntersScoreboard(board, UnofferedStreak)) return;
    char category[100];
    StreakCategory(category, sizeof category);
    char name[kPlayerNameFieldSize];
    std::snprintf(name, sizeof name, "%s", IsValidPlayerName(LastTypedName) ? LastTypedName : kUnnamedPlayer);
    EnterScoreboard(board, name, UnofferedStreak, category);
}

}  // namespace

int16_t KeepRecordAtSessionEnd() {
    if (PreferencesBeforeEdit != nullptr) Preferences = *PreferencesBeforeEdit;
    PreferencesBeforeEdit = nullptr;
    FileUnofferedStreak();
    return SavePreferencesQuietly();
}
