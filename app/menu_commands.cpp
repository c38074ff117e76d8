// The command handler: one line per menu item or accelerator. Word source
// commands are also the stored WordSource, so they go to the game as they
// are; the categories and the MaxGuesses items run in id sequences.
#include "app/menu_commands.h"

#include <windows.h>
#include <shellapi.h>

#include "app/about_box.h"
#include "app/author_contact.h"
#include "app/main_window.h"
#include "app/menu_state.h"
#include "app/scoreboard_commands.h"
#include "app/word_list_commands.h"
#include "game/categories.h"
#include "game/engine.h"
#include "game/game_state.h"
#include "platform/help.h"
#include "platform/program_handles.h"
#include "platform/utilities.h"
#include "records/preferences.h"
#include "records/word_language_file.h"
#include "resource.h"

static_assert(IDM_ENTER_WORD == kSourceEnteredWord, "Enter Word is a word source");
static_assert(IDM_USE_CUSTOM_WORDS == kSourceCustomWords, "Use Custom Words is a word source");
static_assert(IDM_USE_RANDOM_WORDS == kSourceRandomWords, "Use Random Words is a word source");
static_assert(IDM_CATEGORY_FIRST == kSourceFirstCategory && IDM_CATEGORY_LAST == kSourceLastCategory,
              "the category commands are the category sources");
static_assert(IDM_CATEGORY_AUTHORS == kSourceAuthors, "Authors is category 4");
static_assert(IDM_GUESSES_12 - IDM_GUESSES_4 == 4, "one command per MaxGuesses value, 4 to 12");
static_assert(IDM_WORD_LANGUAGE_LAST - IDM_WORD_LANGUAGE_FIRST == kLanguageCount - 1, "one command per language");

namespace {

uint16_t Toggled(uint16_t flag) { return flag == 0 ? 1 : 0; }

void ToggleSound() {
    Preferences.SoundOn = Toggled(Preferences.SoundOn);
    UpdateSoundCheck();
}

void ToggleScoring() {
    Preferences.ScoringOn = Toggled(Preferences.ScoringOn);
    UpdateScoringCheck();
}

// The words are played in another language from the next game on; the
// choice is kept for the next run.
void ChooseWordLanguage(int command) {
    const Language language = static_cast<Language>(command - IDM_WORD_LANGUAGE_FIRST);
    ChangeWordLanguage(language);
    SaveWordLanguage(language);
    UpdateWordLanguageCheck();
    ShowCategoryNames();
}

void VisitWebPage() {
    ShellExecuteA(MainWindow, "open", kAuthorWebAddress, "", "", SW_SHOWNORMAL);
}

bool IsCategoryCommand(int command) { return command >= IDM_CATEGORY_FIRST && command <= IDM_CATEGORY_LAST; }

bool IsMaxGuessesCommand(int command) { return command >= IDM_GUESSES_4 && command <= IDM_GUESSES_12; }

// 4, 6, 8, 10 or 12 for the MaxGuesses commands in id order.
uint16_t MaxGuessesOf(int command) { return static_cast<uint16_t>(4 + 2 * (command - IDM_GUESSES_4)); }

}  // namespace

bool RunMenuCommand(int command) {
    if (IsCategoryCommand(command)) {
        NewGame(static_cast<uint32_t>(command), 1);
        return true;
    }
    if (IsMaxGuessesCommand(command)) {
        ChangeMaxGuesses(MaxGuessesOf(command));
        return true;
    }
    if (command >= IDM_WORD_LANGUAGE_FIRST && command <= IDM_WORD_LANGUAGE_LAST) {
        ChooseWordLanguage(command);
        return true;
    }
    switch (command) {
        case IDM_NEW: StartNextGame(); return true;
        case IDM_RESET_CURRENT: ResetCurrentStatisticsCommand(); return true;
        case IDM_RESET_CUMULATIVE: ResetCumulativeStatisticsCommand(); return true;
        case IDM_HIGH_SCORES: DisplayHighScoresCommand(); return true;
        case IDM_COPY_EMAIL: CopyTextToClipboard(kAuthorEmailAddress); return true;
        case IDM_COPY_WEB_ADDRESS: CopyTextToClipboard(kAuthorWebAddress); return true;
        case IDM_COPY_MAILING_ADDRESS: CopyTextToClipboard(kAuthorMailingAddress); return true;
        case IDM_VISIT_WEB_PAGE: VisitWebPage(); return true;
        case IDM_ABOUT: ShowAboutBox(); return true;
        case IDM_EXIT: CloseMainWindow(); return true;
        case IDM_UNDO: return true;
        case IDM_CUT: return true;
        case IDM_COPY: return true;
        case IDM_PASTE: return true;
        case IDM_SOUND: ToggleSound(); return true;
        case IDM_SCORING: ToggleScoring(); return true;
        case IDM_ENTER_WORD: NewGame(kSourceEnteredWord, 1); return true;
        case IDM_EDIT_CUSTOM_WORDS: EditCustomWordsCommand(); return true;
        case IDM_USE_CUSTOM_WORDS: NewGame(kSourceCustomWords, 1); return true;
        case IDM_EDIT_RANDOM_CATEGORIES: EditRandomCategoriesCommand(); return true;
        case IDM_USE_RANDOM_WORDS: NewGame(kSourceRandomWords, 1); return true;
        case IDM_HELP_INDEX: ShowHelpIndex(); return true;
        case IDM_HELP_USING: ShowHelpOnHelp(); return true;
        default: return false;
    }
}
