// The end of the session with the game open: the record is saved once and
// quietly, a winning streak that could not be offered is filed, and an
// unconfirmed dialog edit is left out.
#include <gtest/gtest.h>

#include "game/categories.h"
#include "game/engine.h"
#include "game/game_state.h"
#include "records/preferences.h"
#include "game/session_end.h"
#include "records/statistics.h"
#include "scoreboard/scoreboard_rules.h"
#include "tests/unit/fake_requests.h"
#include "tests/unit/file_fixture.h"

namespace {

class SessionEndTest : public ScratchDirectoryTest {
protected:
    // The record as the next start reads it.
    PreferencesRecord Saved() {
        EXPECT_EQ(LoadPreferences(), 1);
        return Preferences;
    }
    int CountScores(int16_t score) {
        int n = 0;
        for (int16_t s : Preferences.ScoreboardScores[GameState.MaxGuessesIndex]) n += s == score;
        return n;
    }
};

}  // namespace

TEST_F(SessionEndTest, KeepsTheGamesAndFilesTheStreakNobodyCanBeAskedAbout) {
    Preferences.ScoringOn = 1;
    Preferences.WordSource = kSourceCustomWords;
    SetSourceLabel(kSourceCustomWords);
    CountWonGame();
    CountWonGame();
    Fake.Calls.clear();
    EXPECT_EQ(KeepRecordAtSessionEnd(), 1);
    EXPECT_TRUE(Fake.Calls.empty()) << "no dialog, sound or message: " << Fake.Calls.front();
    PreferencesRecord saved = Saved();
    EXPECT_EQ(saved.TotalWins, 2);
    EXPECT_EQ(saved.ScoreboardScores[1][0], 2);
    EXPECT_STREQ(saved.ScoreboardNames[1][0], kUnnamedPlayer);
    EXPECT_STREQ(saved.ScoreboardCategories[1][0], "Custom Words");
    // Filed once: the same streak is not entered a second time.
    EXPECT_EQ(KeepRecordAtSessionEnd(), 1);
    EXPECT_EQ(CountScores(2), 1);

    // A loss has ended a streak of 3 and its offer has not come yet: it is
    // filed under the name typed earlier in the run.
    std::snprintf(LastTypedName, sizeof LastTypedName, "Ann");
    ResetCurrentStatistics();
    for (int i = 0; i < 3; ++i) CountWonGame();
    CountLostGame();
    KeepRecordAtSessionEnd();
    EXPECT_STREQ(Saved().ScoreboardNames[1][0], "Ann");
    EXPECT_EQ(Preferences.ScoreboardScores[1][0], 3);

    // A streak whose offer is over (entered at the close, the scoreboard
    // still showing it) or that was dropped is not filed again.
    CountWonGame();
    CountWonGame();
    CountWonGame();
    GameState.EndedStreak = GameState.Streak;
    OfferEndedStreak();
    KeepRecordAtSessionEnd();
    EXPECT_EQ(CountScores(3), 2);
    CountWonGame();
    ResetCurrentStatistics();
    KeepRecordAtSessionEnd();
    EXPECT_EQ(CountScores(4), 0);
    Preferences.ScoringOn = 0;
    CountWonGame();
    KeepRecordAtSessionEnd();
    EXPECT_EQ(CountScores(1), 0) << "with scoring off nothing enters";
}

TEST_F(SessionEndTest, LeavesOutAnUnconfirmedEditAndFailsQuietly) {
    Preferences.TotalGames = 7;
    const PreferencesRecord opened = Preferences;
    PreferencesBeforeEdit = &opened;
    Preferences.CustomWordCount = 1;
    std::snprintf(Preferences.CustomWords[0].Phrase, kPhraseFieldSize, "TYPED");
    EXPECT_EQ(KeepRecordAtSessionEnd(), 1);
    EXPECT_EQ(PreferencesBeforeEdit, nullptr);
    const PreferencesRecord saved = Saved();
    EXPECT_EQ(saved.CustomWordCount, 0);
    EXPECT_EQ(saved.TotalGames, 7);

    Fake.Calls.clear();
    for (FileFault fault : {FileFault::Create, FileFault::Replace}) {
        Fake.Fault = fault;
        EXPECT_EQ(KeepRecordAtSessionEnd(), 0);
    }
    // No folder for the record: the files themselves would work.
    Fake.Fault = FileFault::None;
    Fake.WindowsDirectory = "";
    EXPECT_EQ(KeepRecordAtSessionEnd(), 0);
    EXPECT_TRUE(Fake.Calls.empty()) << "a failure at the session's end shows nothing";
}
