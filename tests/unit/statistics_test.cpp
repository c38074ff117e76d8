// Counters, the name rule and the scoreboard's order.
#include <gtest/gtest.h>

#include <cstring>

#include "game/game_state.h"
#include "game/statistics.h"
#include "records/scoreboards.h"
#include "tests/unit/fake_requests.h"

namespace {

void SetBoard(uint16_t m, std::initializer_list<int16_t> scores) {
    int r = 0;
    for (int16_t s : scores) {
        Preferences.ScoreboardScores[m][r] = s;
        std::snprintf(Preferences.ScoreboardNames[m][r], kPlayerNameFieldSize, "OLD%d", r);
        std::snprintf(Preferences.ScoreboardCategories[m][r], kBoardCategoryFieldSize, "CAT%d", r);
        ++r;
    }
}

}  // namespace

TEST(Counters, WinsLossesAndStreaks) {
    ResetFake();
    Preferences.WordSource = 32798;
    CountWonGame();
    CountWonGame();
    EXPECT_EQ(GameState.Streak, 2);
    EXPECT_EQ(GameState.StreakSource, 32798u);
    CountLostGame();
    EXPECT_EQ(GameState.EndedStreak, 2);
    EXPECT_EQ(GameState.Streak, -1);
    CountLostGame();
    EXPECT_EQ(GameState.Streak, -2);
    EXPECT_EQ(GameState.EndedStreak, 2);
    CountWonGame();
    EXPECT_EQ(GameState.Streak, 1);
    EXPECT_EQ(Preferences.TotalGames, 5);
    EXPECT_EQ(Preferences.TotalWins, 3);
    EXPECT_EQ(Preferences.TotalLosses, 2);
    EXPECT_EQ(Preferences.LifetimeGames, 5);
    EXPECT_EQ(GameState.CurrentWins, 3);
    EXPECT_EQ(GameState.CurrentLosses, 2);

    CountProgramStart();
    ResetCumulativeStatistics();
    EXPECT_EQ(Preferences.TotalGames, 0);
    EXPECT_EQ(Preferences.ProgramStarts, 0);
    EXPECT_EQ(Preferences.LifetimeGames, 5) << "lifetime counters are never reset";
    EXPECT_EQ(Preferences.LifetimeStarts, 1);
}

TEST(PlayerNames, LengthAndSpaces) {
    EXPECT_EQ(IsValidPlayerName("Ann"), 1);
    EXPECT_EQ(IsValidPlayerName(" Ann"), 1);
    EXPECT_EQ(IsValidPlayerName("123456789012345"), 1);
    EXPECT_EQ(IsValidPlayerName("1234567890123456"), 0);
    EXPECT_EQ(IsValidPlayerName(""), 0);
    EXPECT_EQ(IsValidPlayerName("   "), 0);
}

TEST(Scoreboard, NewEntriesSettleBelowEqualScores) {
    ResetFake();
    SetBoard(1, {5, 5, 3});
    ASSERT_TRUE(StreakEntersScoreboard(1, 5));
    EnterScoreboard(1, "NEW", 5, "Animals");
    const int16_t expected[10] = {5, 5, 5, 3, 0, 0, 0, 0, 0, 0};
    for (int r = 0; r < 10; ++r) EXPECT_EQ(Preferences.ScoreboardScores[1][r], expected[r]) << r;
    EXPECT_STREQ(Preferences.ScoreboardNames[1][0], "OLD0");
    EXPECT_STREQ(Preferences.ScoreboardNames[1][1], "OLD1");
    EXPECT_STREQ(Preferences.ScoreboardNames[1][2], "NEW");
    EXPECT_STREQ(Preferences.ScoreboardCategories[1][2], "Animals");
    EXPECT_STREQ(Preferences.ScoreboardNames[1][3], "OLD2");
    EXPECT_STREQ(Preferences.ScoreboardCategories[1][3], "CAT2");
    EXPECT_EQ(NewestScore, 5);
    EXPECT_STREQ(NewestName, "NEW");
    EXPECT_STREQ(LastTypedName, "NEW");
}

TEST(Scoreboard, FullBoardsNeedMoreThanTheTenthScore) {
    ResetFake();
    SetBoard(4, {9, 8, 7, 6, 5, 4, 3, 2, 2, 2});
    EXPECT_FALSE(StreakEntersScoreboard(4, 2));
    EXPECT_TRUE(StreakEntersScoreboard(4, 3));
    EXPECT_FALSE(StreakEntersScoreboard(0, 0));
    EXPECT_FALSE(StreakEntersScoreboard(0, -4));
    EXPECT_FALSE(StreakEntersScoreboard(5, 100)) << "no sixth board";
    EnterScoreboard(4, "TOP", 10, "Various Categories");
    EXPECT_STREQ(Preferences.ScoreboardNames[4][0], "TOP");
    EXPECT_EQ(Preferences.ScoreboardScores[4][9], 2);
    EXPECT_STREQ(Preferences.ScoreboardNames[4][9], "OLD8") << "the last 2 dropped off";
}

TEST(Scoreboard, ClearingEmptiesOneBoardOnly) {
    ResetFake();
    SetBoard(2, {4, 3});
    SetBoard(3, {7});
    ClearScoreboard(3);
    EXPECT_EQ(Preferences.ScoreboardScores[3][0], 0);
    EXPECT_STREQ(Preferences.ScoreboardNames[3][0], "");
    EXPECT_STREQ(Preferences.ScoreboardCategories[3][0], "");
    EXPECT_EQ(Preferences.ScoreboardScores[2][0], 4);
}
