// Fuzz target: the word-list reader. The first byte chooses replace or
// append and how full the list is beforehand, and whether the file keeps
// the fuzzer's size or is brought to the size of a word-list file; the
// list is then shown, sorted and edited as the Custom Words dialog does,
// played as Custom Words and saved again.
#include <cstring>

#include "game/engine.h"
#include "game/game_state.h"
#include "records/preferences.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/unit/fake_requests.h"
#include "wordlists/custom_word_list.h"
#include "wordlists/wordlist_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    StartFuzzRun();
    const uint8_t control = data[0];
    const int16_t append = control & 1;
    const bool exactSize = (control & 2) != 0;
    const int16_t before = static_cast<int16_t>((control >> 2) * 200 / 63);
    Preferences.CustomWordCount = before;
    for (int16_t i = 0; i < before; ++i) std::strcpy(Preferences.CustomWords[i].Phrase, "OLD WORD");

    std::string file(reinterpret_cast<const char*>(data + 1), size - 1);
    if (exactSize) file.resize(kWordListFileSize, '\0');
    const std::string path = ScratchFolder() + "/list.wlt";
    WriteBytes(path, reinterpret_cast<const uint8_t*>(file.data()), file.size());

    const int16_t count = ReadWordListFile(path.c_str(), append);
    if (count < 0 || count > kCustomWordMax) __builtin_trap();
    // A refused file leaves the list as it was.
    if (!Fake.Calls.empty() && Preferences.CustomWordCount != before) __builtin_trap();
    CheckRecord();
    // What the Custom Words dialog does with a list it has read: its lines,
    // the sort, deleting the first entry.
    char line[kCustomWordLineSize];
    for (int16_t i = 0; i < Preferences.CustomWordCount; ++i)
        FormatCustomWordLine(Preferences.CustomWords[i], line, sizeof line);
    SortCustomWords();
    if ((control & 0x80) != 0) DeleteCustomWord(0);
    CheckRecord();
    if (Preferences.CustomWordCount > 0) {
        GameState.GuessesLeft = static_cast<int16_t>(GameState.MaxGuesses);
        NewGame(kSourceCustomWords, 1);
        CheckGameAndRecord();
        PlayGuesses("ETAOINSHRDLUCMFWYPVBGKQJXZ");
        if (!WriteWordListFile(path.c_str())) __builtin_trap();
        const int16_t kept = Preferences.CustomWordCount;
        if (ReadWordListFile(path.c_str(), 0) != kept) __builtin_trap();
    }
    return 0;
}
