// The texts a screen reader speaks: words in small letters, letters alone
// as capitals, other characters named, one sentence per guess, a losing
// run said as one.
#include <gtest/gtest.h>

#include <cstring>

#include "access/spoken_text.h"
#include "game/game_state.h"
#include "tests/unit/fake_requests.h"

namespace {

void Play(const char* phrase, const char* used) {
    ResetFake();
    SetGamePhrase(phrase, "");
    std::memset(GameState.LettersUsed, 0, sizeof GameState.LettersUsed);
    for (const char* c = used; *c; ++c) GameState.LettersUsed[*c - 'A'] = 1;
    GameState.GuessesLeft = 3;
    GameState.MaxGuesses = 4;
}

}  // namespace

TEST(SpokenText, PhraseAsItStands) {
    Play("OX BOW", "O");
    EXPECT_EQ(SpokenPhrase(), "O blank, blank O blank");
    EXPECT_EQ(GuessText('O' - 'A', 2), "Letter O: 2 found. O blank, blank O blank.");
    EXPECT_EQ(GuessText('Z' - 'A', 0), "Letter Z: not in the phrase. 3 guesses left.");
    EXPECT_EQ(PhraseShape(), "5 letters in 2 words");
    Play("OX BOW", "OXBW");
    EXPECT_EQ(SpokenPhrase(), "ox bow");
    EXPECT_EQ(GameEndText(true, "A bend."), "You won. The phrase was ox bow. A bend.");
    // Accented capitals become their small letters too.
    Play("\xC9T\xC9 \x8C\xD1", "ETON");
    EXPECT_EQ(SpokenPhrase(), "\xE9t\xE9 \x9C\xF1");
}

// Only a word-list file can bring such characters; each is named, in a
// partial phrase and in a whole one.
TEST(SpokenText, OtherCharactersAreNamed) {
    Play("ROCK'N-ROLL 2", "");
    EXPECT_EQ(SpokenPhrase(), "blank blank blank blank apostrophe blank hyphen blank blank blank blank, 2");
    EXPECT_EQ(PhraseShape(), "9 letters in 2 words");
    Play("ROCK'N-ROLL 2", "RCKNOL");
    EXPECT_EQ(SpokenPhrase(), "rock apostrophe n hyphen roll 2");
}

TEST(SpokenText, LosingRunSaidAsOne) {
    Play("AB", "");
    GameState.CurrentWins = 1;
    GameState.CurrentLosses = 2;
    GameState.Streak = -2;
    EXPECT_EQ(StatisticsText(false), "Games 3, Wins 1, Losses 2, Losing Streak 2");
    GameState.Streak = 3;
    EXPECT_EQ(StatisticsText(false), "Games 3, Wins 1, Losses 2, Winning Streak 3");
}
