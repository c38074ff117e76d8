// The end of the session with the game open: the record is saved once and
// quietly, a winning streak that could not be offered is filed, and an
// unconfirmed dialog edit is left out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "game/categories.h"
#include "game/engine.h"
#include "game/game_state.h"
#include "game/random_choice.h"
#include "game/session_end.h"
#include "game/statistics.h"
#include "records/preferences.h"
#include "records/scoreboards.h"
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
    // The counters in the file as it stands, the record in memory untouched.
    PreferencesRecord OnDisk() {
        PreferencesRecord record = {};
        const auto bytes = ReadFile(PreferencePath);
        if (bytes.size() == sizeof record) std::memcpy(&record, bytes.data(), sizeof record);
        return record;
    }
    long Position(const std::string& call) {
        return std::find(Fake.Calls.begin(), Fake.Calls.end(), call) - Fake.Calls.begin();
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

// Each game's end puts the record on disk after the flash and before
// anything that may not come back (the streak's offer, the next game), so
// that a program ended from outside keeps every finished game. A failed
// save there shows nothing, and, unless another program only held the
// file, those saves wait for a save that reports its failures to succeed
// again.
TEST_F(SessionEndTest, EveryFinishedGameIsOnDiskBeforeTheOfferAndTheNextGame) {
    Preferences.ScoringOn = 1;
    Preferences.WordSource = kSourceCustomWords;
    Preferences.CustomWordCount = 1;
    std::snprintf(Preferences.CustomWords[0].Phrase, kPhraseFieldSize, "AB");
    SetSourceLabel(kSourceCustomWords);
    SetMaxGuesses(4);
    ASSERT_EQ(SavePreferences(), 1);
    SeedRandom(1);
    ClearUsedPhrases();
    NewGame(kSourceCustomWords, 0);
    GameState.Streak = 3;
    Fake.LogReplacedFiles = true;
    Fake.Calls.clear();
    for (char c : {'W', 'X', 'Y', 'Z'}) GuessLetter(static_cast<int16_t>(c - 'A'));
    const long lastFlash = std::find(Fake.Calls.rbegin(), Fake.Calls.rend(), "Delay(250)").base() - Fake.Calls.begin();
    EXPECT_EQ(Position("Replaced:WWLT.DAT"), lastFlash);
    EXPECT_LT(Position("Replaced:WWLT.DAT"), Position("AskStreakName"));
    EXPECT_LT(Position("AskStreakName"), Position("ClearPhraseBand"));
    EXPECT_EQ(Fake.Calls.back(), "FlushPendingInput");
    EXPECT_EQ(OnDisk().TotalLosses, 1);

    Fake.Fault = FileFault::Create;
    Fake.Calls.clear();
    for (char c : {'A', 'B'}) GuessLetter(static_cast<int16_t>(c - 'A'));
    Fake.Fault = FileFault::None;
    for (char c : {'A', 'B'}) GuessLetter(static_cast<int16_t>(c - 'A'));
    EXPECT_TRUE(CallsStartingWith("Error").empty()) << "a failed save at a game's end shows nothing";
    EXPECT_TRUE(CallsStartingWith("Replaced").empty()) << "after a failure, games wait for a reported save";
    EXPECT_EQ(OnDisk().TotalWins, 0);
    ASSERT_EQ(SavePreferences(), 1);
    for (char c : {'A', 'B'}) GuessLetter(static_cast<int16_t>(c - 'A'));
    EXPECT_EQ(CallsStartingWith("Replaced").size(), 2u);
    EXPECT_EQ(OnDisk().TotalWins, 3);

    // A backup tool holding the record for a moment fails one game's save
    // and stops none; a game that ends while the Custom Words dialog edits
    // the list is saved with the list as it was confirmed.
    Fake.Fault = FileFault::Held;
    for (char c : {'A', 'B'}) GuessLetter(static_cast<int16_t>(c - 'A'));
    Fake.Fault = FileFault::None;
    const PreferencesRecord opened = Preferences;
    PreferencesBeforeEdit = &opened;
    std::snprintf(Preferences.CustomWords[1].Phrase, kPhraseFieldSize, "TYPED");
    Preferences.CustomWordCount = 2;
    for (char c : {'A', 'B'}) GuessLetter(static_cast<int16_t>(c - 'A'));
    EXPECT_EQ(OnDisk().TotalWins, 5);
    EXPECT_EQ(OnDisk().CustomWordCount, 1);
    EXPECT_EQ(Preferences.CustomWordCount, 2) << "the dialog keeps its edit";
}
