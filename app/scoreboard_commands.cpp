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
#include "game/text_format.h"
#include "platform/program_handles.h"
#include "platform/utilities.h"
#include "records/preferences.h"
#include "records/record_requests.h"
#include "records/scoreboards.h"
#include "resource.h"

namespace {

// A Yes/No/Cancel question with the exclamation icon, owned by the main
// window; true only for Yes.
bool ConfirmCommand(const std::string& question) {
    return MessageBoxA(MainWindow, question.c_str(), ProductTitle, MB_YESNOCANCEL | MB_ICONEXCLAMATION) == IDYES;
}

void DeleteHighScores() {
    if (!ConfirmCommand(FormatProgramText(IDS_CONFIRM_DELETE_BOARD, {std::to_string(GameState.MaxGuesses)}))) return;
    ClearScoreboard(GameState.MaxGuessesIndex);
    SavePreferences();
}

}  // namespace

void ResetCurrentStatisticsCommand() {
    if (!ConfirmCommand(ProgramText(IDS_CONFIRM_RESET_CURRENT))) return;
    ResetCurrentStatistics();
    InvalidateRegion(kRegionStatisticsPanel, -2);
}

void ResetCumulativeStatisticsCommand() {
    if (!ConfirmCommand(ProgramText(IDS_CONFIRM_RESET_CUMULATIVE))) return;
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
