// The word language's file (word_language_file.h).
#include "records/word_language_file.h"

#include <cstdio>
#include <cstring>

#include "records/preferences.h"
#include "records/record_requests.h"
#include "records/whole_file.h"

namespace {

const char kFileName[] = "WWLTLANG.DAT";
const char kTemporaryFileName[] = "WWLTLANG.TMP";
const char* const kCodes[kLanguageCount] = {"en", "de", "fr", "es"};

}  // namespace

Language LoadWordLanguage(Language fallback) {
    char path[kPathBufferSize];
    if (!PathBesidePreferenceFile(kFileName, path)) return fallback;
    std::FILE* file = OpenFileForReading(path);
    if (file == nullptr) return fallback;
    char code[3] = "";
    const size_t read = std::fread(code, 1, 2, file);
    std::fclose(file);
    for (int16_t language = 0; language < kLanguageCount && read == 2; ++language) {
        if (std::strcmp(code, kCodes[language]) == 0) return static_cast<Language>(language);
    }
    return fallback;
}

int16_t SaveWordLanguage(Language language) {
    char path[kPathBufferSize];
    char temporary[kPathBufferSize];
    if (language < 0 || language >= kLanguageCount || !PathBesidePreferenceFile(kFileName, path) ||
        !PathBesidePreferenceFile(kTemporaryFileName, temporary))
        return 0;
    const char text[] = {kCodes[language][0], kCodes[language][1], '\r', '\n'};
    return WriteWholeFile(path, temporary, text, sizeof text, nullptr, nullptr);
}
