// The CustomWordList's editing rules: every change is made in place in the
// Preferences record, which the caller saves (or restores) as a whole.
#include "wordlists/custom_word_list.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void CopyField(char* field, size_t width, const char* text) { std::snprintf(field, width, "%s", text); }

}  // namespace

CustomWordButtons CustomWordButtonStates(int count, bool hasSelection) {
    CustomWordButtons buttons;
    buttons.SaveList = count > 0;
    buttons.SortList = count > 0;
    buttons.DeleteAll = count > 0;
    buttons.AddWord = count < kCustomWordMax;
    buttons.AppendList = count < kCustomWordMax;
    buttons.DeleteWord = count > 0 && hasSelection;
    return buttons;
}

int ComparePhrases(const void* a, const void* b) {
    const WordEntry* first = static_cast<const WordEntry*>(a);
    const WordEntry* second = static_cast<const WordEntry*>(b);
    return std::strcmp(first->Phrase, second->Phrase);
}

void SortCustomWords() {
    const int count = Preferences.CustomWordCount;
    if (count < 2 || count > kCustomWordMax) return;
    std::qsort(Preferences.CustomWords, static_cast<size_t>(count), sizeof(WordEntry), ComparePhrases);
}

int16_t AddCustomWord(const char* phrase, const char* information) {
    if (Preferences.CustomWordCount < 0 || Preferences.CustomWordCount >= kCustomWordMax) return 0;
    WordEntry& entry = Preferences.CustomWords[Preferences.CustomWordCount];
    CopyField(entry.Phrase, sizeof entry.Phrase, phrase);
    CopyField(entry.Information, sizeof entry.Information, information);
    ++Preferences.CustomWordCount;
    return 1;
}

int DeleteCustomWord(int k) {
    const int count = Preferences.CustomWordCount;
    if (k < 0 || k >= count || count > kCustomWordMax) return -1;
    std::memmove(&Preferences.CustomWords[k], &Preferences.CustomWords[k + 1],
                 sizeof(WordEntry) * static_cast<size_t>(count - k - 1));
    Preferences.CustomWordCount = static_cast<int16_t>(count - 1);
    if (count - 1 == 0) return -1;
    return k < count - 1 ? k : count - 2;
}

void FormatCustomWordLine(const WordEntry& entry, char* line, size_t size) {
    if (entry.Information[0] == '\0') {
        std::snprintf(line, size, "%s", entry.Phrase);
    } else {
        std::snprintf(line, size, "%s: %s", entry.Phrase, entry.Information);
    }
}
