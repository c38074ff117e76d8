// Every scenario of the driver, in the order they run: the name it is
// chosen by on the command line, the function that plays it (defined in
// one of the scenarios_*.cpp files) and the screen it needs under Xvfb.
// Registering a scenario is one line here. The driver declares and lists
// the functions from this file (scenarios.h, main.cpp); tests/wine/run.sh
// reads the names and screens from it, so each entry stays on one line in
// exactly this form. A scenario whose programs speak another language
// names the locale they start in after the screen.
//
// WORDLOFT_SCENARIO("name", Function, "WIDTHxHEIGHT")
// WORDLOFT_SCENARIO("name", Function, "WIDTHxHEIGHT de_DE.UTF-8")

// Start-up.
WORDLOFT_SCENARIO("first-start-writes-defaults", FirstStartWritesDefaults, "1024x768")
WORDLOFT_SCENARIO("empty-custom-list-falls-back", EmptyCustomListFallsBackToEnteredWord, "1024x768")
WORDLOFT_SCENARIO("missing-system-library-reported", MissingSystemLibraryIsReported, "1024x768")
WORDLOFT_SCENARIO("no-planted-library-loads", NoPlantedLibraryIsLoaded, "1024x768")
// Games and their counters.
WORDLOFT_SCENARIO("won-and-lost-games-counted", WonAndLostGamesAreCounted, "1024x768")
WORDLOFT_SCENARIO("first-guess-greys-menus", FirstGuessGreysWordsAndMaxGuesses, "1024x768")
WORDLOFT_SCENARIO("input-during-game-end-discarded", InputDuringGameEndIsDiscarded, "1024x768")
WORDLOFT_SCENARIO("session-end-keeps-the-record", SessionEndKeepsTheRecord, "1024x768")
// Dialogs.
WORDLOFT_SCENARIO("entered-word-dialog", EnteredWordDialogChecksThePhrase, "1024x768")
WORDLOFT_SCENARIO("maxguesses-change-asks", MaxGuessesChangeAsksDuringStreak, "1024x768")
// Scoreboard.
WORDLOFT_SCENARIO("streak-enters-scoreboard", StreakEntersScoreboardWithName, "1024x768")
WORDLOFT_SCENARIO("tie-settles-below-older", TieSettlesBelowOlderScores, "1024x768")
WORDLOFT_SCENARIO("closing-offers-streak", ClosingOffersRunningStreak, "1024x768")
WORDLOFT_SCENARIO("scoring-off-enters-nothing", ScoringOffEntersNothing, "1024x768")
WORDLOFT_SCENARIO("ctrl-shift-deletes-one-board", ControlShiftDeletesOneBoard, "1024x768")
// Word-list dialogs.
WORDLOFT_SCENARIO("custom-words-added-and-played", CustomWordsAreAddedAndPlayed, "1024x768")
WORDLOFT_SCENARIO("custom-word-list-edited", CustomWordListIsEdited, "1024x768")
WORDLOFT_SCENARIO("full-custom-word-list", FullCustomWordList, "1024x768")
WORDLOFT_SCENARIO("custom-word-list-files", CustomWordListFiles, "1024x768")
WORDLOFT_SCENARIO("text-list-opened-every-way", TextListOpenedEveryWay, "1024x768")
WORDLOFT_SCENARIO("two-copies-started-at-once", TwoCopiesStartedAtOnceGiveOneGame, "1024x768")
WORDLOFT_SCENARIO("random-categories-chosen", RandomCategoriesAreChosen, "1024x768")
// Help.
WORDLOFT_SCENARIO("help-opens-on-its-topics", HelpOpensOnItsTopics, "1024x768")
WORDLOFT_SCENARIO("using-help-needs-no-help-file", UsingHelpNeedsNoHelpFile, "1024x768")
WORDLOFT_SCENARIO("help-file-needs-room-in-its-path", HelpFileNeedsRoomInItsPath, "1024x768")
// Shortcut installation.
WORDLOFT_SCENARIO("setup-creates-shortcuts", SetupCreatesShortcuts, "1024x768")
// A folder named outside the ANSI code page.
WORDLOFT_SCENARIO("cyrillic-folder", FolderNamedInCyrillicWorks, "1024x768")
// Pictures; the display scales' scenario on a screen that holds the
// window at 200 %.
WORDLOFT_SCENARIO("repaint-matches-drawing", RepaintMatchesAnimatedDrawing, "1024x768")
WORDLOFT_SCENARIO("screenshots-for-review", ScreenshotsForReview, "1024x768")
WORDLOFT_SCENARIO("display-scales", DisplayScalesKeepTheSceneWhole, "1600x1200")
// The player's contrast theme, text scale and animation setting.
WORDLOFT_SCENARIO("player-settings-followed", PlayerSettingsAreFollowed, "1024x768")
// What a screen reader reads and hears.
WORDLOFT_SCENARIO("screen-reader-follows-the-game", ScreenReaderFollowsTheGame, "1024x768")
// The program in the player's language (English for any language it does
// not speak): each in a locale, and so a driver, of its own.
WORDLOFT_SCENARIO("language-other-is-english", ProgramSpeaksTheUsersLanguage, "1024x768 it_IT.UTF-8")
WORDLOFT_SCENARIO("language-german", ProgramSpeaksTheUsersLanguage, "1024x768 de_AT.UTF-8")
WORDLOFT_SCENARIO("language-french", ProgramSpeaksTheUsersLanguage, "1024x768 fr_FR.UTF-8")
WORDLOFT_SCENARIO("language-spanish", ProgramSpeaksTheUsersLanguage, "1024x768 es_MX.UTF-8")
// Random play for WORDLOFT_SOAK_MINUTES minutes.
WORDLOFT_SCENARIO("soak", SoakWithRandomInput, "1024x768")
