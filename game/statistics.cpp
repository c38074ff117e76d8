// Counters and streaks over the Preferences record and GameState.
#include "game/statistics.h"

#include <cstdint>

#include "game/game_state.h"
#include "records/scoreboards.h"

namespace {

// The counters stop at their largest value instead of overflowing.
void CountUp(int32_t& counter) {
    if (counter < INT32_MAX) ++counter;
}

}  // namespace

void CountWonGame() {
    CountUp(Preferences.TotalGames);
    CountUp(Preferences.TotalWins);
    CountUp(Preferences.LifetimeGames);
    CountUp(Preferences.LifetimeWins);
    ++GameState.CurrentWins;
    if (GameState.Streak <= 0) {
        GameState.Streak = 1;
        GameState.StreakMixed = 0;
        GameState.StreakSource = Preferences.WordSource;
    } else {
        ++GameState.Streak;
        if (GameState.StreakSource != Preferences.WordSource) GameState.StreakMixed = 1;
    }
    UnofferedStreak = GameState.Streak;
}

void CountLostGame() {
    CountUp(Preferences.TotalGames);
    CountUp(Preferences.TotalLosses);
    CountUp(Preferences.LifetimeGames);
    CountUp(Preferences.LifetimeLosses);
    ++GameState.CurrentLosses;
    if (GameState.Streak >= 0) {
        GameState.EndedStreak = GameState.Streak;
        UnofferedStreak = GameState.EndedStreak;
        GameState.Streak = -1;
    } else {
        --GameState.Streak;
    }
}

void CountProgramStart() {
    CountUp(Preferences.ProgramStarts);
    CountUp(Preferences.LifetimeStarts);
}

void ResetCurrentStatistics() {
    GameState.CurrentWins = 0;
    GameState.CurrentLosses = 0;
    GameState.Streak = 0;
    GameState.StreakMixed = 0;
    UnofferedStreak = 0;
}

void ResetCumulativeStatistics() {
    Preferences.ProgramStarts = 0;
    Preferences.TotalGames = 0;
    Preferences.TotalWins = 0;
    Preferences.TotalLosses = 0;
}
