// After an editing dialog is left with Done or OK, the record is saved and
// the matching Use item follows the list: enabled while it has something to
// offer, greyed otherwise. A greyed source that is the current one gives way
// to Entered Word, so that no game is drawn from an empty list; the caption
// and the game in progress stay until the next game.
#include "app/word_list_commands.h"

#include <cstdint>

#include "app/menu_state.h"
#include "game/game_state.h"
#include "game/requests.h"
#include "platform/program_handles.h"
#include "records/preferences.h"
#include "wordlists/custom_words_dialog.h"
#include "wordlists/random_categories_dialog.h"

namespace {

void SaveAndFollowList(bool hasEntries, void (*setUseItemEnabled)(bool), uint32_t source) {
    SavePreferences();
    setUseItemEnabled(hasEntries);
    if (hasEntries || Preferences.WordSource != source) return;
    Preferences.WordSource = kSourceEnteredWord;
    CheckWordSourceItem(kSourceEnteredWord);
    SavePreferences();
}

}  // namespace

void EditCustomWordsCommand() {
    if (!EditCustomWords(MainWindow)) return;
    SaveAndFollowList(Preferences.CustomWordCount != 0, SetUseCustomWordsEnabled, kSourceCustomWords);
}

void EditRandomCategoriesCommand() {
    if (!EditRandomCategories(MainWindow)) return;
    SaveAndFollowList(Preferences.SelectedCategoryCount != 0, SetUseRandomWordsEnabled, kSourceRandomWords);
}
