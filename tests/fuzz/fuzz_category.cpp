// Fuzz target: the category text reader and the draw. The bytes stand for
// a category's resource text; the first byte picks the list it is drawn
// for. Several games are drawn from it and played.
#include "game/categories.h"
#include "game/engine.h"
#include "game/game_state.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/unit/fake_requests.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    StartFuzzRun();
    const int16_t listId = static_cast<int16_t>(data[0] % kBuiltInCategoryCount);
    Fake.CategoryTexts["FUZZ"] = std::string(reinterpret_cast<const char*>(data + 1), size - 1);
    for (int game = 0; game < 3; ++game) {
        GameState.GuessesLeft = static_cast<int16_t>(GameState.MaxGuesses);
        DrawCategoryPhrase("FUZZ", listId);
        CheckGameAndRecord();
        PlayGuesses("ETAOINSHRD");
    }
    return 0;
}
