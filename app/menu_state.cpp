// Menu marks, greying and the caption. The menu starts from the resource
// with every item enabled and unchecked; start-up and the commands bring
// it in step with Preferences through the calls below.
#include "app/menu_state.h"

#include <cstdio>
#include <cstring>

#include "game/categories.h"
#include "game/game_state.h"
#include "platform/program_handles.h"
#include "records/preferences.h"
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

// Enables or greys an item; true when that changed it. Redrawing the menu
// bar repaints the whole window frame, which is only worth it for a
// change.
bool ChangeItemEnabled(HMENU menu, UINT item, UINT by, bool on) {
    const UINT wanted = on ? MF_ENABLED : MF_GRAYED;
    const UINT before = EnableMenuItem(menu, item, by | wanted);
    return before == static_cast<UINT>(-1) || (before & (MF_GRAYED | MF_DISABLED)) != (wanted & MF_GRAYED);
}

void SetWordsItemEnabled(UINT command, bool on) {
    if (ChangeItemEnabled(WordsMenu, command, MF_BYCOMMAND, on)) DrawMenuBar(MainWindow);
}

void SetGameMenusEnabled(bool on) {
    const bool words = ChangeItemEnabled(MenuBar, kWordsMenuPosition, MF_BYPOSITION, on);
    const bool maxGuesses = ChangeItemEnabled(MenuBar, kMaxGuessesMenuPosition, MF_BYPOSITION, on);
    if (words || maxGuesses) DrawMenuBar(MainWindow);
}

// The caption's name of a word source: the scoreboard's label, but
// "Entered Word" in the singular; nullptr for a source the program does
// not know.
const char* CaptionSourceName(uint32_t source, const char* label) {
    if (source == kSourceEnteredWord) return "Entered Word";
    return std::strcmp(label, kUnknownSourceLabel) == 0 ? nullptr : label;
}

}  // namespace

void FetchMainMenus(HWND window) {
    MenuBar = GetMenu(window);
    WordsMenu = GetSubMenu(MenuBar, kWordsMenuPosition);
    MaxGuessesMenu = GetSubMenu(MenuBar, kMaxGuessesMenuPosition);
}

void UpdateSoundCheck() { SetCheck(MenuBar, IDM_SOUND, Preferences.SoundOn == 1); }

void UpdateScoringCheck() { SetCheck(MenuBar, IDM_SCORING, Preferences.ScoringOn == 1); }

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
    char caption[sizeof ProductTitle + 16 + kCategoryMenuTextSize];
    SetSourceLabel(Preferences.WordSource);
    const char* source = CaptionSourceName(Preferences.WordSource, SourceLabel);
    if (source != nullptr) {
        std::snprintf(caption, sizeof caption, "%s - Category: %s", ProductTitle, source);
    } else {
        std::snprintf(caption, sizeof caption, "%s", ProductTitle);
    }
    SetWindowTextA(MainWindow, caption);
}
