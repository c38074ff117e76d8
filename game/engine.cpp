// The game engine. It paints and plays nothing itself: every effect is a
// request (game/requests.h) answered by the window shell, in the order the
// game's sequences need.
#include "game/engine.h"

#include <cstring>

#include "game/categories.h"
#include "game/game_state.h"
#include "game/phrase.h"
#include "game/random_choice.h"
#include "game/requests.h"
#include "game/statistics.h"
#include "records/preferences.h"
#include "records/scoreboards.h"
#include "resource.h"

namespace {

constexpr int16_t kConfirmMaxGuessesStringId = IDS_CONFIRM_MAXGUESSES;
constexpr int16_t kRevealPauseMs = 250;
constexpr int16_t kFlashPauseMs = 250;

void PlayCustomWord() {
    const int16_t count = Preferences.CustomWordCount;
    if (count < 1 || count > kCustomWordMax) {
        SetDefaultPhrase();
        return;
    }
    const WordEntry& entry = Preferences.CustomWords[PickUnusedIndex(kCustomWordsListId, count)];
    char phrase[kPhraseFieldSize];
    char information[kInformationFieldSize];
    std::memcpy(phrase, entry.Phrase, sizeof phrase);
    std::memcpy(information, entry.Information, sizeof information);
    phrase[sizeof phrase - 1] = '\0';
    information[sizeof information - 1] = '\0';
    SetGamePhrase(phrase, information);
}

void ChoosePhrase(uint32_t command);

// Random Words: a category drawn among the selected ones, each with the
// same chance whatever its size, then a phrase of it.
void PlayRandomCategory() {
    SetDefaultPhrase();
    if (Preferences.SelectedCategoryCount == 0) return;
    int16_t selected[kBuiltInCategoryCount];
    int16_t m = 0;
    for (int16_t k = 0; k < kBuiltInCategoryCount; ++k) {
        if (Preferences.CategorySelected[k] != 0) selected[m++] = k;
    }
    if (m == 0) return;
    const int16_t r = RandomInRange(0, static_cast<int16_t>(m - 1));
    ChoosePhrase(kSourceFirstCategory + static_cast<uint32_t>(selected[r]));
}

// The phrase of a game from a word source command; any other command
// plays the default phrase, never the last game's.
void ChoosePhrase(uint32_t command) {
    if (command == kSourceEnteredWord) {
        if (!AskEnteredWord()) SetDefaultPhrase();
    } else if (command == kSourceCustomWords) {
        PlayCustomWord();
    } else if (command == kSourceRandomWords) {
        PlayRandomCategory();
    } else if (command >= kSourceFirstCategory && command <= kSourceLastCategory) {
        const int16_t k = static_cast<int16_t>(command - kSourceFirstCategory);
        DrawCategoryPhrase(Categories[k].ResourceName, k);
    } else {
        SetDefaultPhrase();
    }
}

// How many positions of the phrase hold the letter.
int16_t CountPositionsOf(int16_t letterIndex) {
    int16_t found = 0;
    for (uint16_t p = 0; p < GameState.PhraseLength; ++p) {
        if (LetterIndexOf(GameState.Phrase[p]) == letterIndex) ++found;
    }
    return found;
}

bool IsPhraseComplete() {
    for (uint16_t p = 0; p < GameState.PhraseLength; ++p) {
        const int16_t letter = LetterIndexOf(GameState.Phrase[p]);
        if (letter >= 0 && GameState.LettersUsed[letter] != 1) return false;
    }
    return true;
}

void ShowFaceMood(uint16_t mood) {
    if (GameState.FaceMood == mood) return;
    GameState.FaceMood = mood;
    InvalidateRegion(kRegionFaceBox, -2);
}

// After a loss, each missing letter is revealed at its first missing
// position, in phrase order, with a click and a pause.
void RevealMissingLetters() {
    for (uint16_t p = 0; p < GameState.PhraseLength; ++p) {
        const int16_t letter = LetterIndexOf(GameState.Phrase[p]);
        if (letter < 0 || GameState.LettersUsed[letter] != 0) continue;
        GameState.LettersUsed[letter] = 1;
        DrawPhrase();
        PlaySoundCue(kSoundShowLetter);
        DelayMilliseconds(kRevealPauseMs);
    }
}

void RunWinSequence() {
    CountWonGame();
    ShowFaceMood(kFaceHappy);
    InvalidateRegion(kRegionStatisticsPanel, -2);
    PlaySoundCue(kSoundWinGame);
    ShowInformation(GameState.Information);
    AnnounceGameEnd(1);
    FlashPhraseBand();
    SaveFinishedGame();
    StartNextGame();
    FlushPendingInput();
}

void RunLossSequence() {
    CountLostGame();
    ShowFaceMood(kFaceSad);
    InvalidateRegion(kRegionStatisticsPanel, -2);
    PlaySoundCue(kSoundLoseGame);
    RevealMissingLetters();
    ShowInformation(GameState.Information);
    AnnounceGameEnd(0);
    FlashPhraseBand();
    SaveFinishedGame();
    if (GameState.Streak == -1) OfferEndedStreak();
    GameState.StreakMixed = 0;
    StartNextGame();
    FlushPendingInput();
}

}  // namespace

void NewGame(uint32_t command, int16_t remember) {
    ChoosePhrase(command);
    if (remember) {
        CheckWordSourceItem(command);
        Preferences.WordSource = command;
        SetSourceTitle();
    }
    std::memset(GameState.LettersUsed, 0, sizeof GameState.LettersUsed);
    ClearPhraseBand();
    DrawPhrase();
    AnnounceNewGame();
}

void StartNextGame() {
    GameState.GuessesLeft = static_cast<int16_t>(GameState.MaxGuesses);
    NewGame(Preferences.WordSource, 0);
    EnableGameMenus();
    InvalidateRegion(kRegionLetterPanel, 0);
    InvalidateRegion(kRegionSceneBox, 0);
    InvalidateRegion(kRegionGuessMeter, 0);
}

void GuessLetter(int16_t letterIndex) {
    if (letterIndex < 0 || letterIndex >= kLetterCount) return;
    if (GameState.LettersUsed[letterIndex] == 1 || GameState.GuessesLeft < 1) {
        BeepIfSoundOn();
        return;
    }
    GameState.LettersUsed[letterIndex] = 1;
    DrawLetterCellUsed(letterIndex);
    DrawPhrase();
    const int16_t found = CountPositionsOf(letterIndex);
    const int16_t result = EvaluateGuess(letterIndex);
    AnnounceGuess(letterIndex, found);
    if (result == kGuessWins) RunWinSequence();
    if (result == kGuessLoses) RunLossSequence();
}

int16_t EvaluateGuess(int16_t letterIndex) {
    bool hit = false;
    for (uint16_t p = 0; p < GameState.PhraseLength && !hit; ++p) {
        hit = LetterIndexOf(GameState.Phrase[p]) == letterIndex;
    }
    // The completing hit's sound, and the losing miss's meter, sounds and
    // dance, already belong to the game's end.
    if (hit ? IsPhraseComplete() : GameState.GuessesLeft == 1) BeginGameEnd();
    if (hit) {
        PlaySoundCue(kSoundGotLetter);
    } else {
        PlaySoundCue(kSoundMissLetter);
        --GameState.GuessesLeft;
        WipeGuessMeter();
        DrawGuessMeter();
        if (GameState.GuessesLeft == 0) PlaySoundCue(kSoundDoorDrop);
        DrawStagesAfterMiss();
        if (GameState.GuessesLeft == 1) PlaySoundCue(kSoundGasp);
    }
    if (CountLettersUsed() == 1) DisableGameMenus();
    if (IsPhraseComplete()) return kGuessWins;
    if (GameState.GuessesLeft == 0) return kGuessLoses;
    return kGuessGoesOn;
}

uint16_t CountLettersUsed() {
    uint16_t used = 0;
    for (uint16_t flag : GameState.LettersUsed) {
        if (flag == 1) ++used;
    }
    return used;
}

void FlashPhraseBand() {
    const int inversions = 2 * Preferences.FlashCount;
    for (int i = 0; i < inversions; ++i) {
        // Without a window to draw on there is no flash: no clicks, no
        // waiting, only the one beep the shell gave.
        if (!InvertPhraseBand()) return;
        PlaySoundCue(kSoundFlashClick);
        DelayMilliseconds(kFlashPauseMs);
    }
}

void OfferEndedStreak() {
    if (Preferences.ScoringOn != 0 && StreakEntersScoreboard(GameState.MaxGuessesIndex, GameState.EndedStreak)) {
        PlaySoundCue(kSoundGetName);
        AnnounceStreakOffer();
        AskStreakName();
        ShowScoreboard(1);
    }
    UnofferedStreak = 0;
}

bool ConfirmMaxGuessesChange() {
    char question[256];
    LoadResourceString(kConfirmMaxGuessesStringId, question, sizeof question);
    if (!AskYesNoCancel(question)) return false;
    GameState.EndedStreak = GameState.Streak;
    OfferEndedStreak();
    GameState.StreakMixed = 0;
    GameState.Streak = 0;
    InvalidateRegion(kRegionStatisticsPanel, -2);
    return true;
}

void SetMaxGuesses(uint16_t n) {
    GameState.MaxGuessesIndex = MaxGuessesIndexOf(n);
    GameState.GuessesLeft = static_cast<int16_t>(n);
    GameState.MaxGuesses = n;
    Preferences.MaxGuesses = n;
    CheckMaxGuessesItem(GameState.MaxGuessesIndex);
    DrawGuessMeter();
}

void ChangeMaxGuesses(uint16_t n) {
    if (!IsAllowedMaxGuesses(n) || CountLettersUsed() > 0) return;
    if (Preferences.ScoringOn == 1 && GameState.Streak > 0 && Preferences.MaxGuesses != n) {
        if (!ConfirmMaxGuessesChange()) return;
    }
    WipeGuessMeter();
    SetMaxGuesses(n);
    PlaySoundCue(static_cast<int16_t>(kSoundFour + (n - 4) / 2));
}
