// Shared set-up and checks of the fuzz targets.
#include "tests/fuzz/fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>

#include "game/categories.h"
#include "game/engine.h"
#include "game/game_state.h"
#include "game/phrase.h"
#include "game/random_choice.h"
#include "records/preferences.h"
#include "tests/unit/fake_requests.h"

namespace {

std::map<std::string, std::string> LoadCategoryTexts() {
    std::map<std::string, std::string> texts;
    for (const CategoryInfo& category : Categories) {
        std::ifstream file(std::string(WORDLOFT_SOURCE_DIR) + "/resources/categories/" + category.ResourceName +
                               ".txt",
                           std::ios::binary);
        texts[category.ResourceName] =
            std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    return texts;
}

void Finding(const char* what) {
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

}  // namespace

const std::string& ScratchFolder() {
    static const std::string folder = [] {
        const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string pattern = std::string(base) + "/wordloft-fuzz-XXXXXX";
        if (mkdtemp(&pattern[0]) == nullptr) Finding("no scratch folder");
        // The folder goes when the fuzzer ends; the command is kept in a
        // plain array, which outlives every string.
        static char removal[300];
        std::snprintf(removal, sizeof removal, "rm -rf '%s'", pattern.c_str());
        std::atexit([] { std::system(removal); });
        return pattern;
    }();
    return folder;
}

void StartFuzzRun() {
    static const std::map<std::string, std::string> texts = LoadCategoryTexts();
    ResetFake();
    // The program joins names with a backslash, which on this system is
    // part of a file name: the files stay inside the scratch folder.
    Fake.WindowsDirectory = ScratchFolder() + "/windows";
    Fake.CategoryTexts = texts;
    SeedRandom(1);
    ClearUsedPhrases();
}

void WriteBytes(const std::string& path, const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) Finding("cannot write the scratch file");
    if (size > 0) std::fwrite(data, 1, size, file);
    std::fclose(file);
}

void CheckGameAndRecord() {
    const GameStateRecord& g = GameState;
    const size_t length = strnlen(g.Phrase, sizeof g.Phrase);
    if (length == sizeof g.Phrase) Finding("phrase without terminator");
    if (length != g.PhraseLength || length < 1 || length > kMaxPhraseLength) Finding("phrase length");
    bool letter = false;
    for (size_t p = 0; p < length; ++p) letter = letter || LetterIndexOf(g.Phrase[p]) >= 0;
    if (!letter) Finding("phrase without a letter to guess");
    if (strnlen(g.Information, sizeof g.Information) == sizeof g.Information) Finding("information");
    if (g.GuessesLeft < 0 || g.GuessesLeft > 12) Finding("GuessesLeft");
    CheckRecord();
}

void CheckRecord() {
    const PreferencesRecord& p = Preferences;
    if (!IsAllowedMaxGuesses(p.MaxGuesses) || GameState.MaxGuessesIndex > 4) Finding("MaxGuesses");
    if (!IsWordSource(p.WordSource)) Finding("WordSource");
    if (p.CustomWordCount < 0 || p.CustomWordCount > kCustomWordMax) Finding("CustomWordCount");
    if (p.SelectedCategoryCount < 0 || p.SelectedCategoryCount > kBuiltInCategoryCount) Finding("SelectedCategoryCount");
    if (p.SoundOn > 1 || p.ScoringOn > 1 || p.UpperCaseLetters > 1) Finding("a flag");
    for (const WordEntry& e : p.CustomWords) {
        if (strnlen(e.Phrase, sizeof e.Phrase) == sizeof e.Phrase) Finding("custom phrase");
        if (strnlen(e.Information, sizeof e.Information) == sizeof e.Information) Finding("custom information");
    }
}

void PlayGuesses(const char* letters) {
    for (const char* c = letters; *c != '\0'; ++c) {
        GuessLetter(static_cast<int16_t>(*c - 'A'));
        CheckGameAndRecord();
    }
}
