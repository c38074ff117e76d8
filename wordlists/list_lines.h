// The lines of a text or CSV word list, read one at a time from the
// file's characters: split into phrase and information, with the number of
// the line each starts on. Nothing is kept beyond the line in hand, so a
// file of millions of lines costs no more memory than its characters.
// Platform-free; list_entries.h judges the lines, list_file.h reads files.
#ifndef WORDLOFT_WORDLISTS_LIST_LINES_H
#define WORDLOFT_WORDLISTS_LIST_LINES_H

#include <cstddef>
#include <string>

// A quoted CSV field still open after this many characters counts as not
// closed: one stray quote never swallows the rest of a file.
constexpr size_t kLongestQuotedField = 128;
// A field keeps at most this many characters (a phrase holds 26, an
// information 100); its full length is counted all the same.
constexpr size_t kKeptFieldLength = 1024;

// One entry of a list as written: its first line's number (from 1), the
// phrase and the information, not yet checked. A quoted field keeps its
// line ends, which list_entries.h joins.
struct ListLine {
    int Number = 0;
    std::u32string Phrase;
    // The phrase field's length in characters, of which Phrase keeps the
    // first kKeptFieldLength.
    size_t PhraseLength = 0;
    std::u32string Information;
    // A CSV quote opened on line Number is not closed (at the end of the
    // file, or within kLongestQuotedField characters); the line is not an
    // entry, and reading went on at the line after it. Phrase holds the
    // first field when the quote opened in a later one.
    bool NotClosed = false;
};

// Where reading a list has got to.
struct ListLineReader {
    const std::u32string* Text = nullptr;
    bool Csv = false;
    size_t Position = 0;
    int Line = 1;
};

ListLineReader ReadListLines(const std::u32string& text, bool csv);

// The next line of the list; false at its end.
// A text list: one entry a line, the phrase, then optionally a tab and the
// information. Lines end in CR LF, LF or CR.
// A CSV list (RFC 4180): the first field is the phrase, the second the
// information, further fields are ignored. A record with no comma outside
// quotes but a semicolon is split at semicolons, as European spreadsheets
// write them. A quoted field may hold line ends; fields outside quotes
// lose their surrounding white space.
bool NextListLine(ListLineReader& reader, ListLine& line);

// True for white space around a field (and the spaces, tabs and form
// feeds of other scripts).
bool IsFieldSpace(char32_t c);

#endif
