// Editing the CustomWordList of Preferences: adding, deleting and sorting
// entries, the text of an entry's list line, and which buttons of the
// Custom Words dialog can be used for a given list. Platform-free; the
// dialog (custom_words_dialog.cpp) shows the results.
#ifndef WORDLOFT_WORDLISTS_CUSTOM_WORD_LIST_H
#define WORDLOFT_WORDLISTS_CUSTOM_WORD_LIST_H

#include <cstddef>
#include <cstdint>

#include "records/preferences.h"

// A list line: the phrase, then ": " and the information when there is one.
constexpr size_t kCustomWordLineSize = kPhraseFieldSize + 2 + kInformationFieldSize;

// The buttons of the Custom Words dialog that depend on the list; every
// other control is always enabled.
struct CustomWordButtons {
    bool SaveList;
    bool SortList;
    bool DeleteAll;
    bool AddWord;
    bool AppendList;
    bool DeleteWord;
};
CustomWordButtons CustomWordButtonStates(int count, bool hasSelection);

// The order of "Sort list": the phrases compared byte by byte as unsigned
// 8-bit values, as strcmp does (a space sorts before every letter, accented
// capitals after Z); the information plays no part. For qsort over
// WordEntry elements.
int ComparePhrases(const void* a, const void* b);

// Sorts the entries in use by ComparePhrases.
void SortCustomWords();

// Appends an entry (texts cut to their fields); 0 when the list is full.
int16_t AddCustomWord(const char* phrase, const char* information);

// Removes entry k and closes the gap. Returns the entry to select next:
// k again, or the new last entry when k was the last, or -1 when the list
// is now empty (or k was not in the list).
int DeleteCustomWord(int k);

void FormatCustomWordLine(const WordEntry& entry, char* line, size_t size);

#endif
