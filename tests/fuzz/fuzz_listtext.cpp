// Fuzz target: the reader of text and CSV lists. The first byte chooses
// text or CSV and how full the list is beforehand; the rest is the file,
// decoded as the reader decodes it (the system's code page read as
// Windows-1252). Whatever the bytes, the entries taken keep the phrase
// rules, no control character reaches an information, and the report
// counts at least what it names.
#include <cstdio>
#include <cstring>
#include <vector>

#include "game/phrase.h"
#include "records/preferences.h"
#include "tests/fuzz/fuzz_support.h"
#include "wordlists/list_entries.h"
#include "wordlists/list_text.h"

namespace {

bool IsControl(char c) {
    const char32_t u = UnicodeOfWindows1252(static_cast<uint8_t>(c));
    return u < 0x20 || u == 0x7F || (u >= 0x80 && u <= 0x9F);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    StartFuzzRun();
    const bool csv = (data[0] & 1) != 0;
    const int16_t before = static_cast<int16_t>((data[0] >> 1) * kCustomWordMax / 127);
    for (int16_t i = 0; i < before; ++i)
        std::snprintf(Preferences.CustomWords[i].Phrase, kPhraseFieldSize, "OLD %c%c", 'A' + i / 26, 'A' + i % 26);
    Preferences.CustomWordCount = before;

    const std::u32string text = DecodeText(data + 1, size - 1, DetectTextEncoding(data + 1, size - 1));
    std::vector<ListEntry> entries;
    ListReport gathered;
    ListReport report;
    GatherListEntries(text, csv, entries, gathered);
    if (entries.size() > static_cast<size_t>(kCustomWordMax)) __builtin_trap();
    int16_t count = Preferences.CustomWordCount;
    TakeListEntries(entries, gathered, Preferences.CustomWords, count, report);
    Preferences.CustomWordCount = count;
    if (count < before || count > kCustomWordMax || report.Added != count - before) __builtin_trap();
    if (report.Items.size() > kReportedItemLimit || report.ItemCount < static_cast<int>(report.Items.size()))
        __builtin_trap();
    for (int16_t i = before; i < count; ++i) {
        const WordEntry& entry = Preferences.CustomWords[i];
        if (!IsValidPhrase(entry.Phrase) || std::strlen(entry.Information) > 100) __builtin_trap();
        for (const char* c = entry.Information; *c != '\0'; ++c)
            if (IsControl(*c)) __builtin_trap();
    }
    CheckRecord();
    return 0;
}
