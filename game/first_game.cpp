// The first game of a run, from the word source the record names.
#include "game/first_game.h"

#include "game/engine.h"
#include "game/game_state.h"
#include "game/requests.h"
#include "records/preferences.h"

namespace {

// A stored source that has nothing to offer falls back to Entered Word,
// and the record is written at once.
void FallBackToEnteredWord(uint32_t unusableSource) {
    if (Preferences.WordSource != unusableSource) return;
    Preferences.WordSource = kSourceEnteredWord;
    CheckWordSourceItem(kSourceEnteredWord);
    SavePreferences();
}

void ApplyWordSourceFallbacks() {
    const bool hasCustomWords = Preferences.CustomWordCount != 0;
    SetUseCustomWordsEnabled(hasCustomWords);
    if (!hasCustomWords) FallBackToEnteredWord(kSourceCustomWords);
    const bool hasRandomCategories = Preferences.SelectedCategoryCount != 0;
    SetUseRandomWordsEnabled(hasRandomCategories);
    if (!hasRandomCategories) FallBackToEnteredWord(kSourceRandomWords);
}

}  // namespace

void StartFirstGame() {
    ApplyWordSourceFallbacks();
    if (Preferences.WordSource == kSourceEnteredWord) {
        CheckWordSourceItem(kSourceEnteredWord);
        SetSourceTitle();
        NewGame(kSourceAuthors, 0);
    } else {
        NewGame(Preferences.WordSource, 1);
    }
}
