// The lines of a text or CSV word list and what becomes of each: split
// into phrase and information, checked by the phrase rules, taken into a
// list or named, with the reason, in the report the player is shown.
// Platform-free; list_file.h reads and writes the files.
#ifndef WORDLOFT_WORDLISTS_LIST_LINES_H
#define WORDLOFT_WORDLISTS_LIST_LINES_H

#include <cstdint>
#include <string>
#include <vector>

#include "records/preferences.h"

// One entry of a list as written: its first line's number (from 1), the
// phrase and the information, not yet checked.
struct ListLine {
    int Number;
    std::u32string Phrase;
    std::u32string Information;
};

// A text list: one entry a line, the phrase, then optionally a tab and the
// information. Lines end in CR LF, LF or CR.
std::vector<ListLine> SplitTextList(const std::u32string& text);

// A CSV list (RFC 4180): the first field is the phrase, the second the
// information, further fields are ignored. A record with no comma outside
// quotes but a semicolon is split at semicolons, as European spreadsheets
// write them. A quoted field may hold line ends; fields outside quotes
// lose their surrounding white space.
std::vector<ListLine> SplitCsvList(const std::u32string& text);

// What became of a list read into the CustomWordList.
struct ListReport {
    int Added = 0;
    // The lines (entries of a .WLT) left out, changed, or, for a .WLT,
    // taken but odd in play, each as "line 4, "x-ray": a hyphen is not a
    // letter", in file order. UTF-8.
    std::vector<std::string> Items;
    // The lines left out because the list held 200 entries: how many, the
    // first and the last.
    int FullCount = 0;
    int FullFirst = 0;
    int FullLast = 0;
    // Items name entries of a word-list file rather than lines.
    bool Entries = false;
    // Nothing was usable, so the list was left as it was.
    bool Unchanged = false;
};

// Adds the usable lines to list, whose count entries are in use (room for
// 200). A line is usable when its phrase, trimmed, upper-cased with
// UpperCasePhrase, passes IsValidPhrase and is not already in the list,
// and the line holds only characters of Windows-1252. Information is cut
// to 100 characters. Empty lines are skipped; every other line that is
// not added or is changed is named in the report.
void TakeListLines(const std::vector<ListLine>& lines, WordEntry* list, int16_t& count, ListReport& report);

// Why a phrase of Windows-1252 text, already upper-cased, breaks the
// phrase rules, in plain words ("a hyphen is not a letter"); empty when it
// keeps them.
std::string PhraseRuleFault(const std::string& phrase);

// For a word-list file's entry, taken as stored: how it would look odd in
// play when its phrase breaks the rules ("a hyphen is not a letter; it is
// shown from the start"); empty when it keeps them.
std::string OddInPlay(const char* phrase);

// One named line of the report: "line 4, \"x-ray\": a hyphen is not a
// letter" (kind "line" or "entry"; no quote where it is empty).
std::string ReportItem(const char* kind, int number, const std::string& quote, const std::string& reason);

// Notes one more line (or entry) that a full list left out.
void NoteListFull(ListReport& report, int number);

// The message for the player, UTF-8: how many entries were added from the
// file (or that the list is unchanged) and up to 15 of the lines named,
// then "and N more". Empty when every line was taken as it stood.
std::string FormatListReport(const ListReport& report, const std::string& fileName);

#endif
