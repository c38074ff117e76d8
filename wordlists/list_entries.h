// What becomes of each line of a text or CSV word list: checked by the
// phrase rules, made an entry of the list or named, with the reason, in
// the report the player is shown. A file is read once: its usable entries
// are gathered, then taken into a list as it stands. Platform-free.
#ifndef WORDLOFT_WORDLISTS_LIST_ENTRIES_H
#define WORDLOFT_WORDLISTS_LIST_ENTRIES_H

#include <cstdint>
#include <string>
#include <vector>

#include "records/preferences.h"
#include "wordlists/list_report.h"

// An entry of a list file, with the line it came from and its phrase as
// written (quoted, UTF-8) for the report.
struct ListEntry {
    int Number = 0;
    WordEntry Entry = {};
    std::string Quote;
    // The information was longer than an entry holds and was cut.
    bool Cut = false;
};

// Reads the lines of a text or CSV list once. Gathers its usable entries
// in file order, at most 200 and no phrase twice; a line is usable when
// its phrase, trimmed, upper-cased with UpperCasePhrase, passes
// IsValidPhrase and the line's text up to its cut holds only characters of
// Windows-1252. Line breaks and tabs inside a phrase, and every control
// character inside an information, are joined with a space; the
// information is cut to 100 characters. Empty lines are skipped; a first
// line that reads as a column heading ("Word", "Phrase", "Wort", ... in
// its first field) and every other line not gathered is named in report,
// the lines after the 200th entry as left out by a full list.
void GatherListEntries(const std::u32string& text, bool csv, std::vector<ListEntry>& entries,
                       ListReport& report);

// Takes gathered entries into list, whose count entries are in use (room
// for 200): an entry whose phrase the list holds already, or for which the
// list has no room, is named in the report, which starts as the one the
// gathering gave.
void TakeListEntries(const std::vector<ListEntry>& entries, const ListReport& gathered, WordEntry* list,
                     int16_t& count, ListReport& report);

// Why a phrase of Windows-1252 text, already upper-cased, breaks the
// phrase rules, in plain words ("a hyphen is not a letter"); empty when it
// keeps them.
std::string PhraseRuleFault(const std::string& phrase);

// For a word-list file's entry, taken as stored: how it would look odd in
// play when its phrase breaks the rules ("a hyphen is not a letter; it is
// shown from the start"); empty when it keeps them.
std::string OddInPlay(const char* phrase);

#endif
