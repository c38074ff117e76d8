// The global GameState and the setting of its phrase.
#include "game/game_state.h"

#include <cstdio>
#include <cstring>

#include "game/phrase.h"
#include "records/record_requests.h"
#include "resource.h"

GameStateRecord GameState = {};

const char kDefaultPhrase[] = "WORD LOFT SQUARED";

namespace {

bool HasPhraseLetter(const char* text) {
    for (; *text != '\0'; ++text) {
        if (IsPhraseLetter(*text)) return true;
    }
    return false;
}

}  // namespace

void SetDefaultPhrase() {
    std::strcpy(GameState.Phrase, kDefaultPhrase);
    GameState.PhraseLength = static_cast<uint16_t>(std::strlen(kDefaultPhrase));
    std::snprintf(GameState.Information, sizeof GameState.Information, "%s", ProgramText(IDS_THANKS_FOR_PLAYING).c_str());
}

void SetGamePhrase(const char* phrase, const char* information) {
    std::strncpy(GameState.Phrase, phrase, kMaxPhraseLength);
    GameState.Phrase[kMaxPhraseLength] = '\0';
    // A phrase without a single letter to guess (only a damaged word-list
    // file can bring one) would be won by any first guess: play the
    // default phrase instead. The check is made on the phrase as cut, so
    // that a letter beyond the cut does not count.
    if (!HasPhraseLetter(GameState.Phrase)) {
        SetDefaultPhrase();
        return;
    }
    GameState.PhraseLength = static_cast<uint16_t>(std::strlen(GameState.Phrase));
    std::strncpy(GameState.Information, information, sizeof GameState.Information - 1);
    GameState.Information[sizeof GameState.Information - 1] = '\0';
}
