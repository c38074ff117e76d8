// The statistics resets and the high-score commands of the File menu. The
// counters belong to game/statistics and the boards' rules to
// records/scoreboards; this file asks the player first, and then saves and
// repaints as each command requires.
#include "app/scoreboard_commands.h"

#include <windows.h>

#include <cstdio>

#include "game/game_state.h"
#include "game/requests.h"
#include "game/statistics.h"
#include "platform/program_handles.h"
#include "platform/utilities.h"
#include "records/preferences.h"
#include "records/scoreboards.h"

namespace {

// A Yes/No/Cancel question with the exclamation icon, owned by the main
// window; true only for Yes.
bool ConfirmCommand(const char* question) {
    return MessageBoxA(MainWindow, question, ProductTitle,
                       MB_YESNOCANCEL | MB_ICONEXCLAMATION) == IDYES;
}

void DeleteHighScores() {
    char question[160];
    std::snprintf(question, sizeof question,
                  "Are you sure you want to delete the High Scores "
                  "(associated with a MaxGuess of %d)?",
                  static_cast<int>(GameState.MaxGuesses));
    if (!ConfirmCommand(question)) return;
    ClearScoreboard(GameState.MaxGuessesIndex);
    SavePreferences();
}

}  // namespace

void ResetCurrentStatisticsCommand() {
    if (!ConfirmCommand("Are you sure you want to reset the current statistics?")) return;
    ResetCurrentStatistics();
    InvalidateRegion(kRegionStatisticsPanel, -2);
}

void ResetCumulativeStatisticsCommand() {
    if (!ConfirmCommand("Are you sure you want to reset the cumulative statistics?")) return;
    ResetCumulativeStatistics();
    SavePreferences();
    InvalidateRegion(kRegionStatisticsPanel, -2);
}

void DisplayHighScoresCommand() {
    if (IsControlDown() && IsShiftDown()) {
        DeleteHighScores();
        return;
    }
    ShowScoreboard(0);
}
