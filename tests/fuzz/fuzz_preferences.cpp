// Fuzz target: a preference file of any content, from its bytes to a
// started game. The file is loaded and brought into range (or replaced by
// the defaults), the start-up sequence runs, and a few games are played;
// the record then survives a save and a second load unchanged.
#include <cstring>

#include "game/engine.h"
#include "game/first_game.h"
#include "game/game_state.h"
#include "game/requests.h"
#include "game/statistics.h"
#include "records/preferences.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/unit/fake_requests.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    StartFuzzRun();
    const std::string path = Fake.WindowsDirectory + "\\WWLT.DAT";
    WriteBytes(path, data, size);
    if (!LoadPreferences() && !SavePreferences()) __builtin_trap();
    // The start-up of the window shell, in its order.
    GameState.FaceMood = kFaceNeutral;
    SetMaxGuesses(Preferences.MaxGuesses);
    CountProgramStart();
    Fake.EnteredWordAccepted = true;
    Fake.EnteredPhrase = "ENTERED WORD";
    StartFirstGame();
    CheckGameAndRecord();
    // Enough guesses to win or lose at every MaxGuesses, so that games end
    // and the next ones start from the stored source.
    PlayGuesses("ETAOINSHRDLUCMFWYPVBGKQJXZ");
    PlayGuesses("QZXJKVBPYGFWMUCLDRHSNIOATE");

    static PreferencesRecord saved;
    saved = Preferences;
    if (!SavePreferences() || !LoadPreferences()) __builtin_trap();
    saved.FlashCount = 5;
    if (std::memcmp(&saved, &Preferences, sizeof saved) != 0) __builtin_trap();
    return 0;
}
