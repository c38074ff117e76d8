// A damaged preference file with the right magic number: every field the
// program reads is brought into range, and the first game is a real game.
#include <gtest/gtest.h>

#include <cstring>

#include "game/first_game.h"
#include "game/engine.h"
#include "game/game_state.h"
#include "records/preferences.h"
#include "tests/unit/fake_requests.h"
#include "tests/unit/file_fixture.h"

namespace {

class DamagedRecordTest : public ScratchDirectoryTest {
protected:
    // A valid record, then one field overwritten.
    void SaveDefaultsThen(size_t offset, const void* bytes, size_t size) {
        std::memset(&Preferences, 0, sizeof Preferences);
        SetDefaultPreferences();
        ASSERT_EQ(SavePreferences(), 1);
        auto image = ReadFile(PreferencePath);
        std::memcpy(&image[offset], bytes, size);
        WriteFile(PreferencePath, image);
        Fake.Calls.clear();
        ASSERT_EQ(LoadPreferences(), 1);
    }
    template <typename T>
    void Load(size_t offset, T value) {
        SaveDefaultsThen(offset, &value, sizeof value);
    }
};

}  // namespace

TEST_F(DamagedRecordTest, WordSourceOutsideTheCommandsBecomesAuthors) {
    for (uint32_t bad : {0u, 32780u, 32782u, 32784u, 32786u, 32796u, 32848u, 0xFFFFFFFFu}) {
        Load<uint32_t>(16, bad);
        EXPECT_EQ(Preferences.WordSource, 32801u) << bad;
    }
    for (uint32_t good : {32781u, 32783u, 32785u, 32797u, 32847u}) {
        Load<uint32_t>(16, good);
        EXPECT_EQ(Preferences.WordSource, good);
    }
}

TEST_F(DamagedRecordTest, FlagsHoldZeroOrOne) {
    Load<uint16_t>(12, 7);  // SoundOn
    EXPECT_EQ(Preferences.SoundOn, 1);
    Load<uint16_t>(12, 0);
    EXPECT_EQ(Preferences.SoundOn, 0);
    Load<uint16_t>(31548, 0x8000);  // UpperCaseLetters
    EXPECT_EQ(Preferences.UpperCaseLetters, 1);
    Load<uint16_t>(34050, 2);  // ScoringOn
    EXPECT_EQ(Preferences.ScoringOn, 0);
    Load<uint16_t>(34050, 1);
    EXPECT_EQ(Preferences.ScoringOn, 1);
    // Category flags: 2 counts as selected, 0 stays off; the count follows.
    uint16_t flags[51];
    for (int k = 0; k < 51; ++k) flags[k] = static_cast<uint16_t>(k % 3);
    SaveDefaultsThen(26144, flags, sizeof flags);
    for (int k = 0; k < 51; ++k) EXPECT_EQ(Preferences.CategorySelected[k], k % 3 == 0 ? 0 : 1) << k;
    EXPECT_EQ(Preferences.SelectedCategoryCount, 34);
}

TEST_F(DamagedRecordTest, NegativeCountersBecomeZeroAndFullOnesStop) {
    int32_t counters[8] = {-1, 5, INT32_MIN, 3, -7, INT32_MAX, 2, -2};
    SaveDefaultsThen(96, counters, sizeof counters);
    const int32_t* loaded = &Preferences.ProgramStarts;
    const int32_t expected[8] = {0, 5, 0, 3, 0, INT32_MAX, 2, 0};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(loaded[i], expected[i]) << i;
    // A finished game at the largest count does not overflow it.
    Preferences.TotalGames = INT32_MAX;
    GameState.PhraseLength = 1;
    std::strcpy(GameState.Phrase, "A");
    GameState.GuessesLeft = 6;
    GuessLetter(0);
    EXPECT_EQ(Preferences.TotalGames, INT32_MAX);
    EXPECT_EQ(Preferences.LifetimeGames, INT32_MAX);
}

TEST_F(DamagedRecordTest, ScoreboardRowsAreEmptiedAndOrdered) {
    int16_t scores[10] = {3, -4, 9, 0, 0, 0, 0, 0, 0, 1};
    char names[10][16] = {"THREE", "MINUS", "NINE", "", "", "", "", "", "", "ONE"};
    std::memset(&Preferences, 0, sizeof Preferences);
    SetDefaultPreferences();
    ASSERT_EQ(SavePreferences(), 1);
    auto image = ReadFile(PreferencePath);
    std::memcpy(&image[31550 + 20 * 2], scores, sizeof scores);  // board 2 (8 guesses)
    std::memcpy(&image[31650 + 20 * 16], names, sizeof names);
    WriteFile(PreferencePath, image);
    ASSERT_EQ(LoadPreferences(), 1);
    const int16_t expected[10] = {9, 3, 1, 0, 0, 0, 0, 0, 0, 0};
    for (int r = 0; r < 10; ++r) EXPECT_EQ(Preferences.ScoreboardScores[2][r], expected[r]) << r;
    EXPECT_STREQ(Preferences.ScoreboardNames[2][0], "NINE");
    EXPECT_STREQ(Preferences.ScoreboardNames[2][2], "ONE");
    for (int r = 3; r < 10; ++r) EXPECT_STREQ(Preferences.ScoreboardNames[2][r], "") << r;
}

// The fault once seen: a damaged WordSource started a game with no phrase
// that the first letter won.
TEST_F(DamagedRecordTest, FirstGameFromADamagedSourceIsARealGame) {
    Load<uint32_t>(16, 12345);
    Fake.CategoryTexts["AUTHORS"] = "MARK TWAIN:Samuel Clemens\r\n";
    GameState.MaxGuesses = Preferences.MaxGuesses;
    GameState.GuessesLeft = static_cast<int16_t>(GameState.MaxGuesses);
    StartFirstGame();
    EXPECT_STREQ(GameState.Phrase, "MARK TWAIN");
    EXPECT_EQ(CallsStartingWith("CheckWordSourceItem(32801)").size(), 1u);
    GuessLetter('M' - 'A');
    EXPECT_TRUE(CallsStartingWith("ShowInformation").empty()) << "one letter does not win";

    // A source NewGame does not know plays the default phrase, never an
    // empty one.
    GameState.Phrase[0] = '\0';
    GameState.PhraseLength = 0;
    NewGame(4242, 0);
    EXPECT_STREQ(GameState.Phrase, "WORD LOFT SQUARED");
}

// Found by fuzzing: a stored phrase of 27 characters whose only letter is
// the 27th lost it to the 26-character cut and became a game without a
// letter to guess.
TEST_F(DamagedRecordTest, LetterBeyondTheTwentySixthDoesNotCount) {
    Preferences.CustomWordCount = 1;
    std::memset(Preferences.CustomWords[0].Phrase, '-', 26);
    Preferences.CustomWords[0].Phrase[26] = 'Q';
    Preferences.CustomWords[0].Phrase[27] = '\0';
    NewGame(32783, 0);
    EXPECT_STREQ(GameState.Phrase, "WORD LOFT SQUARED");
}
