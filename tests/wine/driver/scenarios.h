// Every scenario the driver runs. Each starts the program from a prepared
// preference file, plays as a person would, and checks what it sees and
// what the program wrote; failures are recorded through check.h.
#ifndef WORDLOFT_TESTS_SCENARIOS_H
#define WORDLOFT_TESTS_SCENARIOS_H

struct Scenario {
    const char* Name;
    void (*Run)();
};

// Start-up.
void FirstStartWritesDefaults();
void EmptyCustomListFallsBackToEnteredWord();
// Games and their counters.
void WonAndLostGamesAreCounted();
void FirstGuessGreysWordsAndMaxGuesses();
void InputDuringGameEndIsDiscarded();
void SessionEndKeepsTheRecord();
// Dialogs.
void EnteredWordDialogChecksThePhrase();
void MaxGuessesChangeAsksDuringStreak();
// Scoreboard.
void StreakEntersScoreboardWithName();
void TieSettlesBelowOlderScores();
void ClosingOffersRunningStreak();
void ScoringOffEntersNothing();
void ControlShiftDeletesOneBoard();
// Word-list dialogs.
void CustomWordsAreAddedAndPlayed();
void CustomWordListIsEdited();
void FullCustomWordList();
void CustomWordListFiles();
void TextListOpenedEveryWay();
void RandomCategoriesAreChosen();
// Help.
void HelpOpensOnItsTopics();
void UsingHelpNeedsNoHelpFile();
void HelpFileNeedsRoomInItsPath();
// Shortcut installation.
void SetupCreatesShortcuts();
// A folder named outside the ANSI code page.
void FolderNamedInCyrillicWorks();
// Pictures.
void RepaintMatchesAnimatedDrawing();
void ScreenshotsForReview();
void DisplayScalesKeepTheSceneWhole();
// What a screen reader reads and hears.
void ScreenReaderFollowsTheGame();
// Random play for WORDLOFT_SOAK_MINUTES minutes.
void SoakWithRandomInput();

#endif
