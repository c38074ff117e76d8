// Menu marks, greying and the caption. The menu starts from the resource
// with every item enabled and unchecked; start-up and the commands bring
// it in step with Preferences through the calls below.
#include "app/menu_state.h"

#include <cstdio>
#include <cstring>

#include "game/categories.h"
#include "game/game_state.h"
#include "game/text_format.h"
#include "platform/program_handles.h"
#include "records/preferences.h"
#include "records/record_requests.h"
#include "resource.h"

namespace {

constexpr int kWordsMenuPosition = 2;
constexpr int kMaxGuessesMenuPosition = 3;
constexpr int kMaxGuessesItemCount = 5;

HMENU MenuBar = nullptr;
HMENU WordsMenu = nullptr;
HMENU MaxGuessesMenu = nullptr;

UINT CheckFlag(bool on) { return on ? MF_CHECKED : MF_UNCHECKED; }

void SetCheck(HMENU menu, UINT command, bool on) {
    CheckMenuItem(menu, command, MF_BYCOMMAND | CheckFlag(on));
}

void SetWordsItemEnabled(UINT command, bool on) {
    EnableMenuItem(WordsMenu, command, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
    DrawMenuBar(MainWindow);
}

void SetGameMenusEnabled(bool on) {
    const UINT state = MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(MenuBar, kWordsMenuPosition, state);
    EnableMenuItem(MenuBar, kMaxGuessesMenuPosition, state);
    DrawMenuBar(MainWindow);
}

// The caption's name of a word source: the scoreboard's label, but
// "Entered Word" in the singular; empty for a source the program does not
// know.
std::string CaptionSourceName(uint32_t source, const char* label) {
    if (source == kSourceEnteredWord) return ProgramText(IDS_CAPTION_ENTERED_WORD);
    return std::strcmp(label, kUnknownSourceLabel) == 0 ? std::string() : label;
}

}  // namespace

void FetchMainMenus(HWND window) {
    MenuBar = GetMenu(window);
    WordsMenu = GetSubMenu(MenuBar, kWordsMenuPosition);
    MaxGuessesMenu = GetSubMenu(MenuBar, kMaxGuessesMenuPosition);
}

void UpdateSoundCheck() { SetCheck(MenuBar, IDM_SOUND, Preferences.SoundOn == 1); }

void UpdateWordLanguageCheck() {
    CheckMenuRadioItem(MenuBar, IDM_WORD_LANGUAGE_FIRST, IDM_WORD_LANGUAGE_LAST, IDM_WORD_LANGUAGE_FIRST + WordLanguage,
                       MF_BYCOMMAND);
}

void ShowCategoryNames() {
    for (int k = 0; k < kBuiltInCategoryCount; ++k) {
        std::string name = CategoryName(WordLanguage, k);
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STRING;
        item.dwTypeData = &name[0];
        SetMenuItemInfoA(WordsMenu, IDM_CATEGORY_FIRST + k, FALSE, &item);
    }
}

void UpdateScoringCheck() { SetCheck(MenuBar, IDM_SCORING, Preferences.ScoringOn == 1); }

// ---- Requests answered here ----

void SetUseCustomWordsEnabled(bool on) { SetWordsItemEnabled(IDM_USE_CUSTOM_WORDS, on); }

void SetUseRandomWordsEnabled(bool on) { SetWordsItemEnabled(IDM_USE_RANDOM_WORDS, on); }

void DisableGameMenus() { SetGameMenusEnabled(false); }

void EnableGameMenus() { SetGameMenusEnabled(true); }

void CheckMaxGuessesItem(uint16_t index) {
    for (int position = 0; position < kMaxGuessesItemCount; ++position) {
        CheckMenuItem(MaxGuessesMenu, position, MF_BYPOSITION | CheckFlag(position == index));
    }
}

void CheckWordSourceItem(uint32_t command) {
    SetCheck(WordsMenu, IDM_ENTER_WORD, false);
    SetCheck(WordsMenu, IDM_USE_CUSTOM_WORDS, false);
    SetCheck(WordsMenu, IDM_USE_RANDOM_WORDS, false);
    for (UINT id = IDM_CATEGORY_FIRST; id <= IDM_CATEGORY_LAST; ++id) SetCheck(WordsMenu, id, false);
    SetCheck(WordsMenu, command, true);
}

void SetSourceTitle() {
    SetSourceLabel(Preferences.WordSource);
    const std::string source = CaptionSourceName(Preferences.WordSource, SourceLabel);
    const std::string caption =
        source.empty() ? std::string(ProductTitle) : FormatProgramText(IDS_CAPTION_WITH_SOURCE, {ProductTitle, source});
    SetWindowTextA(MainWindow, caption.c_str());
}
