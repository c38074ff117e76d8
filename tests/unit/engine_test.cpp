// The engine's sequences, seen through the order of its requests.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/engine.h"
#include "game/game_state.h"
#include "game/random_choice.h"
#include "game/requests.h"
#include "game/statistics.h"
#include "records/preferences.h"
#include "tests/unit/fake_requests.h"

namespace {

using Calls = std::vector<std::string>;

// A game of the given phrase under Custom Words, with a clean log.
void StartCustomGame(const char* phrase, const char* information = "INFO", uint16_t maxGuesses = 6) {
    ResetFake();
    SeedRandom(1);
    ClearUsedPhrases();
    Preferences.WordSource = kSourceCustomWords;
    Preferences.CustomWordCount = 1;
    std::snprintf(Preferences.CustomWords[0].Phrase, kPhraseFieldSize, "%s", phrase);
    std::snprintf(Preferences.CustomWords[0].Information, kInformationFieldSize, "%s", information);
    Preferences.MaxGuesses = maxGuesses;
    GameState.MaxGuesses = maxGuesses;
    GameState.MaxGuessesIndex = MaxGuessesIndexOf(maxGuesses);
    GameState.GuessesLeft = static_cast<int16_t>(maxGuesses);
    SetSourceTitle();  // as start-up names the source in the caption
    NewGame(kSourceCustomWords, 0);
    Fake.Calls.clear();
}

void Guess(char letter) { GuessLetter(static_cast<int16_t>(letter - 'A')); }

// The requests from the first one equal to `from` on, up to (not
// including) the first one equal to `to`.
Calls Between(const std::string& from, const std::string& to) {
    auto begin = std::find(Fake.Calls.begin(), Fake.Calls.end(), from);
    auto end = std::find(begin, Fake.Calls.end(), to);
    return Calls(begin, end);
}

long Count(const std::string& call) { return std::count(Fake.Calls.begin(), Fake.Calls.end(), call); }

}  // namespace

TEST(EngineGuesses, HitMarksTheCellRedrawsAndGreysTheMenusOnce) {
    StartCustomGame("BANANA");
    Guess('A');
    const Calls expected = {"DrawLetterCellUsed(A)", "DrawPhrase[_A_A_A]", "PlaySoundCue(GOTLETTER)", "DisableGameMenus",
                            "AnnounceGuess(A,3)"};
    EXPECT_EQ(Fake.Calls, expected);
    Fake.Calls.clear();
    Guess('N');
    const Calls second = {"DrawLetterCellUsed(N)", "DrawPhrase[_ANANA]", "PlaySoundCue(GOTLETTER)", "AnnounceGuess(N,2)"};
    EXPECT_EQ(Fake.Calls, second);
    EXPECT_EQ(GameState.GuessesLeft, 6);
}

TEST(EngineGuesses, MissLowersTheMeterAndAddsStages) {
    StartCustomGame("CAT");
    Guess('Z');
    const Calls expected = {"DrawLetterCellUsed(Z)", "DrawPhrase[___]",       "PlaySoundCue(MISSLETTER)",
                            "WipeGuessMeter",         "DrawGuessMeter",        "DrawStagesAfterMiss(5)",
                            "DisableGameMenus",       "AnnounceGuess(Z,0)"};
    EXPECT_EQ(Fake.Calls, expected);
    EXPECT_EQ(GameState.GuessesLeft, 5);
}

TEST(EngineGuesses, MissLeavingOneGuessGaspsAndLastMissDropsTheDoor) {
    StartCustomGame("CAT", "INFO", 4);
    Guess('X');
    Guess('Y');
    Fake.Calls.clear();
    Guess('Z');
    const Calls gasp = {"DrawLetterCellUsed(Z)", "DrawPhrase[___]", "PlaySoundCue(MISSLETTER)",  "WipeGuessMeter",
                        "DrawGuessMeter",         "DrawStagesAfterMiss(1)", "PlaySoundCue(GASP)", "AnnounceGuess(Z,0)"};
    EXPECT_EQ(Fake.Calls, gasp);
    Fake.Calls.clear();
    Guess('Q');
    // The last miss: the game's end begins before its sound, the door
    // drops before the stages, no gasp, the miss is told, then the loss
    // sequence begins with the sad face.
    const Calls last = {"DrawLetterCellUsed(Q)", "DrawPhrase[___]",  "BeginGameEnd", "PlaySoundCue(MISSLETTER)",
                        "WipeGuessMeter",         "DrawGuessMeter",   "PlaySoundCue(DOORDROP)",
                        "DrawStagesAfterMiss(0)", "AnnounceGuess(Q,0)", "InvalidateRegion(FaceBox,-2)", "InvalidateRegion(StatisticsPanel,-2)",
                        "PlaySoundCue(LOSEGAME)"};
    ASSERT_GE(Fake.Calls.size(), last.size());
    EXPECT_EQ(Calls(Fake.Calls.begin(), Fake.Calls.begin() + last.size()), last);
    EXPECT_EQ(Count("PlaySoundCue(GASP)"), 0);
    EXPECT_EQ(Preferences.TotalLosses, 1);
}

TEST(EngineGuesses, RefusedGuessesChangeNothing) {
    StartCustomGame("CAT");
    Guess('C');
    Fake.Calls.clear();
    Guess('C');
    EXPECT_EQ(Fake.Calls, Calls{"Beep"});
    GuessLetter(-1);
    GuessLetter(26);
    GuessLetter(('1' - 'A'));
    EXPECT_EQ(Fake.Calls, Calls{"Beep"});  // no beep for non-letters
    Preferences.SoundOn = 0;
    Guess('C');
    EXPECT_EQ(Fake.Calls, Calls{"Beep"});  // sound off: silent
    EXPECT_EQ(GameState.GuessesLeft, 6);
    EXPECT_EQ(CountLettersUsed(), 1);
}

TEST(EngineGuesses, AccentedLettersAreFoundByTheirBaseLetter) {
    StartCustomGame("CR\xC8ME BR\xDBL\xC9" "E");
    Guess('E');
    EXPECT_EQ(Fake.Calls[2], "PlaySoundCue(GOTLETTER)");
    Guess('U');
    Guess('C');
    Guess('R');
    Guess('M');
    Guess('B');
    Fake.Calls.clear();
    Guess('L');
    EXPECT_EQ(Count("PlaySoundCue(WINGAME)"), 1);  // won
}

TEST(EngineSequences, WinRunsItsStepsInOrder) {
    StartCustomGame("AB", "ABOUT AB");
    GameState.FaceMood = kFaceNeutral;
    Guess('A');
    Fake.Calls.clear();
    Guess('B');
    // The game's end begins with the completing hit's sound; the guess is
    // told first, the won game once the information line shows, before the
    // flash.
    Calls expected = {"DrawLetterCellUsed(B)", "DrawPhrase[AB]", "BeginGameEnd", "PlaySoundCue(GOTLETTER)", "AnnounceGuess(B,1)",
                      "InvalidateRegion(FaceBox,-2)", "InvalidateRegion(StatisticsPanel,-2)", "PlaySoundCue(WINGAME)",
                      "ShowInformation:ABOUT AB", "AnnounceGameEnd(1)"};
    for (int i = 0; i < 10; ++i) {
        expected.push_back("InvertPhraseBand");
        expected.push_back("PlaySoundCue(FLASHCLICK)");
        expected.push_back("Delay(250)");
    }
    // The next game: a fresh phrase from the stored source, told once it
    // is drawn, menus back, the scene repainted, and the queued input
    // thrown away.
    const Calls next = {"ClearPhraseBand",
                        "DrawPhrase[__]",
                        "AnnounceNewGame",
                        "EnableGameMenus",
                        "InvalidateRegion(LetterPanel,0)",
                        "InvalidateRegion(SceneBox,0)",
                        "InvalidateRegion(GuessMeter,0)",
                        "FlushPendingInput"};
    expected.insert(expected.end(), next.begin(), next.end());
    EXPECT_EQ(Fake.Calls, expected);
    EXPECT_EQ(GameState.FaceMood, kFaceHappy);
    EXPECT_EQ(Preferences.TotalGames, 1);
    EXPECT_EQ(Preferences.TotalWins, 1);
    EXPECT_EQ(Preferences.LifetimeWins, 1);
    EXPECT_EQ(GameState.CurrentWins, 1);
    EXPECT_EQ(GameState.Streak, 1);
    EXPECT_EQ(CountLettersUsed(), 0);
    EXPECT_EQ(GameState.GuessesLeft, 6);
}

TEST(EngineSequences, FlashWithoutAWindowOnlyBeepsOnce) {
    ResetFake();
    Fake.WindowCanBeDrawn = false;
    FlashPhraseBand();
    EXPECT_EQ(Fake.Calls, (Calls{"InvertPhraseBand", "Beep"}));
    Fake.Calls.clear();
    Fake.WindowCanBeDrawn = true;
    FlashPhraseBand();
    EXPECT_EQ(Count("InvertPhraseBand"), 10);
    EXPECT_EQ(Count("PlaySoundCue(FLASHCLICK)"), 10);
    EXPECT_EQ(Count("Delay(250)"), 10);
}

TEST(EngineSequences, LossRevealsMissingLettersInPhraseOrderOnce) {
    StartCustomGame("ABBA CAB", "INFO", 4);
    GameState.FaceMood = kFaceSad;  // already sad: no face repaint
    Guess('A');
    for (char c : {'W', 'X', 'Y'}) Guess(c);
    Fake.Calls.clear();
    Guess('Z');
    const Calls reveal = Between("PlaySoundCue(LOSEGAME)", "ShowInformation:INFO");
    const Calls expected = {"PlaySoundCue(LOSEGAME)",        "DrawPhrase[ABBA _AB]", "PlaySoundCue(SHOWLETTER)", "Delay(250)",
                            "DrawPhrase[ABBA CAB]", "PlaySoundCue(SHOWLETTER)",      "Delay(250)"};
    EXPECT_EQ(reveal, expected);
    // The lost game is told with the whole phrase shown, before the flash.
    EXPECT_EQ(Between("ShowInformation:INFO", "InvertPhraseBand"),
              (Calls{"ShowInformation:INFO", "AnnounceGameEnd(0)"}));
    EXPECT_EQ(Count("InvalidateRegion(FaceBox,-2)"), 0);
    EXPECT_EQ(Count("InvertPhraseBand"), 10);
    EXPECT_EQ(Fake.Calls.back(), "FlushPendingInput");
    EXPECT_EQ(GameState.CurrentLosses, 1);
    EXPECT_EQ(GameState.Streak, -1);
}

TEST(EngineSequences, LossEndingAScoredStreakOffersItBeforeTheNextGame) {
    StartCustomGame("AB", "INFO", 4);
    Preferences.ScoringOn = 1;
    GameState.Streak = 3;
    for (char c : {'W', 'X', 'Y', 'Z'}) Guess(c);
    const Calls offer = Between("PlaySoundCue(GETNAME)", "ClearPhraseBand");
    const Calls expected = {"PlaySoundCue(GETNAME)", "AnnounceStreakOffer", "AskStreakName", "ShowScoreboard(1)"};
    EXPECT_EQ(offer, expected);
    // The offer comes after the flash.
    auto flash = std::find(Fake.Calls.rbegin(), Fake.Calls.rend(), "InvertPhraseBand");
    auto getName = std::find(Fake.Calls.rbegin(), Fake.Calls.rend(), "PlaySoundCue(GETNAME)");
    EXPECT_LT(getName - Fake.Calls.rbegin(), flash - Fake.Calls.rbegin());
    EXPECT_EQ(Preferences.ScoreboardScores[0][0], 3);
    EXPECT_STREQ(Preferences.ScoreboardNames[0][0], "PLAYER");
    EXPECT_STREQ(Preferences.ScoreboardCategories[0][0], "Custom Words");
    // A second loss in a row offers nothing.
    Fake.Calls.clear();
    for (char c : {'W', 'X', 'Y', 'Z'}) Guess(c);
    EXPECT_EQ(Count("AskStreakName"), 0);
    EXPECT_EQ(GameState.Streak, -2);
}

TEST(EngineSequences, OffersNeedScoringAndAStreakAboveTheTenthScore) {
    ResetFake();
    GameState.EndedStreak = 5;
    OfferEndedStreak();
    EXPECT_TRUE(Fake.Calls.empty());  // scoring off
    Preferences.ScoringOn = 1;
    GameState.MaxGuessesIndex = 2;
    Preferences.ScoreboardScores[2][9] = 5;
    OfferEndedStreak();
    EXPECT_TRUE(Fake.Calls.empty());  // equal to the tenth score
    GameState.EndedStreak = 0;
    Preferences.ScoreboardScores[2][9] = 0;
    OfferEndedStreak();
    EXPECT_TRUE(Fake.Calls.empty());  // the first loss offers 0
    GameState.EndedStreak = 1;
    OfferEndedStreak();
    EXPECT_EQ(Fake.Calls, (Calls{"PlaySoundCue(GETNAME)", "AnnounceStreakOffer", "AskStreakName", "ShowScoreboard(1)"}));
    EXPECT_EQ(Preferences.ScoreboardScores[2][0], 1);
}

TEST(EngineMaxGuesses, ScoredStreakAsksAndNoKeepsEverything) {
    ResetFake();
    Preferences.ScoringOn = 1;
    GameState.Streak = 2;
    Fake.AnswerYes = false;
    ChangeMaxGuesses(10);
    ASSERT_EQ(Fake.Calls.size(), 1u);
    EXPECT_EQ(Fake.Calls[0],
              "Ask:Change the MaxGuesses now? (Thecurrent winning streak at this difficulty level will end.)");
    EXPECT_EQ(Preferences.MaxGuesses, 6);
    EXPECT_EQ(GameState.Streak, 2);

    Fake.Calls.clear();
    Fake.AnswerYes = true;
    ChangeMaxGuesses(10);
    const Calls expected = {Fake.Calls[0],    "PlaySoundCue(GETNAME)", "AnnounceStreakOffer", "AskStreakName", "ShowScoreboard(1)",
                            "InvalidateRegion(StatisticsPanel,-2)", "WipeGuessMeter", "CheckMaxGuessesItem(3)", "DrawGuessMeter", "PlaySoundCue(TEN)"};
    EXPECT_EQ(Fake.Calls, expected);
    EXPECT_EQ(GameState.Streak, 0);
    // The streak was entered on the board of the old MaxGuesses.
    EXPECT_EQ(Preferences.ScoreboardScores[1][0], 2);
    EXPECT_EQ(GameState.MaxGuessesIndex, 3);
}

TEST(EngineMaxGuesses, WithoutScoringTheStreakCarriesOver) {
    ResetFake();
    GameState.Streak = 4;
    ChangeMaxGuesses(4);
    EXPECT_EQ(Fake.Calls, (Calls{"WipeGuessMeter", "CheckMaxGuessesItem(0)", "DrawGuessMeter", "PlaySoundCue(FOUR)"}));
    EXPECT_EQ(GameState.Streak, 4);
    EXPECT_EQ(Preferences.MaxGuesses, 4);
    EXPECT_EQ(GameState.MaxGuesses, 4);
    EXPECT_EQ(GameState.GuessesLeft, 4);
    EXPECT_EQ(GameState.MaxGuessesIndex, 0);
    // The value in effect repeats the change without a question.
    Preferences.ScoringOn = 1;
    Fake.Calls.clear();
    ChangeMaxGuesses(4);
    EXPECT_EQ(Fake.Calls, (Calls{"WipeGuessMeter", "CheckMaxGuessesItem(0)", "DrawGuessMeter", "PlaySoundCue(FOUR)"}));
    // Ignored while a game is under way.
    GameState.LettersUsed[3] = 1;
    Fake.Calls.clear();
    ChangeMaxGuesses(12);
    EXPECT_TRUE(Fake.Calls.empty());
}

TEST(EngineNewGame, RememberedSourcesAndTheDefaultPhrase) {
    ResetFake();
    Fake.EnteredWordAccepted = false;
    NewGame(kSourceEnteredWord, 1);
    const Calls expected = {"AskEnteredWord", "CheckWordSourceItem(32781)", "SetSourceTitle", "ClearPhraseBand",
                            "DrawPhrase[____ ____ _______]", "AnnounceNewGame"};
    EXPECT_EQ(Fake.Calls, expected);
    EXPECT_STREQ(GameState.Phrase, "WORD LOFT SQUARED");
    EXPECT_STREQ(GameState.Information, "Thanks for playing Wordloft.");
    EXPECT_EQ(Preferences.WordSource, kSourceEnteredWord);

    Fake.Calls.clear();
    Fake.EnteredWordAccepted = true;
    Fake.EnteredPhrase = "SUN";
    NewGame(kSourceEnteredWord, 0);
    EXPECT_STREQ(GameState.Phrase, "SUN");
    EXPECT_EQ(GameState.PhraseLength, 3);
    EXPECT_EQ(CallsStartingWith("CheckWordSourceItem").size(), 0u);
}

TEST(EngineNewGame, RandomWordsDrawsOnlySelectedCategoriesAndStaysRemembered) {
    ResetFake();
    SeedRandom(7);
    ClearUsedPhrases();
    for (int k = 0; k < 100; ++k) Preferences.CategorySelected[k] = 0;
    Preferences.CategorySelected[35] = 1;  // Planets
    Preferences.SelectedCategoryCount = 1;
    Fake.CategoryTexts["PLANETS"] = "MARS:red\r\nVENUS:hot\r\n";
    for (int game = 0; game < 4; ++game) NewGame(kSourceRandomWords, 1);
    const auto loads = CallsStartingWith("LoadCategoryText:");
    ASSERT_EQ(loads.size(), 4u);
    for (const auto& load : loads) EXPECT_EQ(load, "LoadCategoryText:PLANETS");
    // The category drawn is no game of its own: each game is told once.
    EXPECT_EQ(Count("AnnounceNewGame"), 4);
    EXPECT_EQ(Preferences.WordSource, kSourceRandomWords);
    EXPECT_EQ(CallsStartingWith("CheckWordSourceItem(32832)").size(), 0u);

    // A damaged record: a count but no flag plays the default phrase.
    Preferences.CategorySelected[35] = 0;
    NewGame(kSourceRandomWords, 0);
    EXPECT_STREQ(GameState.Phrase, "WORD LOFT SQUARED");
}

TEST(EngineNewGame, StrayCharactersFromAListAreShownAndNotNeededToWin) {
    StartCustomGame("AB-1");
    EXPECT_EQ(GameState.PhraseLength, 4);
    Guess('A');
    Fake.Calls.clear();
    Guess('B');
    EXPECT_EQ(Fake.Calls[1], "DrawPhrase[AB-1]");
    EXPECT_EQ(Count("PlaySoundCue(WINGAME)"), 1);
    // A list phrase without a single letter plays the default phrase.
    StartCustomGame("1234");
    EXPECT_STREQ(GameState.Phrase, "WORD LOFT SQUARED");
    // Nor does one whose only letter lies beyond the 26 characters kept:
    // a wrong first guess is then a plain miss, never a win.
    StartCustomGame("12345678901234567890123456A");
    EXPECT_STREQ(GameState.Phrase, "WORD LOFT SQUARED");
    const int32_t wins = Preferences.TotalWins;
    Guess('Z');
    EXPECT_EQ(Preferences.TotalWins, wins);
    EXPECT_EQ(GameState.GuessesLeft, 5);
}

TEST(EngineStreaks, MixedSourcesAndAbandonedGames) {
    StartCustomGame("A");
    Guess('A');
    EXPECT_EQ(GameState.StreakSource, kSourceCustomWords);
    EXPECT_EQ(GameState.StreakMixed, 0);
    Preferences.WordSource = kSourceRandomWords;
    Guess('A');
    EXPECT_EQ(GameState.Streak, 2);
    EXPECT_EQ(GameState.StreakMixed, 1);
    // New in mid-game counts nothing.
    Preferences.WordSource = kSourceCustomWords;
    NewGame(kSourceCustomWords, 0);
    const int32_t games = Preferences.TotalGames;
    StartNextGame();
    EXPECT_EQ(Preferences.TotalGames, games);
    EXPECT_EQ(GameState.Streak, 2);
}

TEST(EngineStreaks, ConfirmedChangeAndResetEndStreaks) {
    ResetFake();
    GameState.Streak = -3;
    Fake.AnswerYes = true;
    EXPECT_TRUE(ConfirmMaxGuessesChange());
    EXPECT_EQ(GameState.Streak, 0);
    GameState.Streak = 5;
    GameState.StreakMixed = 1;
    ResetCurrentStatistics();
    EXPECT_EQ(GameState.Streak, 0);
    EXPECT_EQ(GameState.StreakMixed, 0);
}
