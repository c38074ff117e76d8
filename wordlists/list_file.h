// Word lists in files of every kind the player may have: the game's own
// word-list files (.WLT), plain text (.txt) and CSV (.csv) as Notepad, a
// word processor or a spreadsheet writes them. Reading one into the
// CustomWordList (replacing it or adding to it) with a report of the
// lines it could not take as they stood; writing the list as text or CSV;
// and which command lines name a list file.
#ifndef WORDLOFT_WORDLISTS_LIST_FILE_H
#define WORDLOFT_WORDLISTS_LIST_FILE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "wordlists/list_entries.h"
#include "wordlists/list_report.h"

enum class ListFormat : int16_t { WordList, Text, Csv };

// A list file read once, not yet taken into the list.
struct ListFile {
    ListFormat Format = ListFormat::WordList;
    // The file's name without its folder, UTF-8, for the messages.
    std::string Name;
    // A word-list file's image; a text or CSV file's usable entries and
    // the report of its other lines.
    std::vector<uint8_t> Image;
    std::vector<ListEntry> Entries;
    ListReport Gathered;
};

// The largest text or CSV file read as a list; a list of 200 entries takes
// a few kilobytes.
constexpr size_t kLargestListFile = 4 * 1024 * 1024;

// Reads a list file, only when its path names an ordinary file on a disk:
// a folder, a device, a pipe, a file another program holds or one that
// cannot be opened is named in a message that says why. A file of 26,004
// bytes whose version is 10101 is a word-list file whatever its name; any
// other file is read by its extension: .txt as text, .csv as CSV, in
// UTF-8, UTF-16 or the system's ANSI code page, at most kLargestListFile
// bytes; a text file that is missing, larger or holds a NUL character (no
// text file) is named in a message that says so. A Word or Excel file
// (.doc, .docx, .xls, .xlsx, .odt, .ods) is refused with a hint to save it
// as text or CSV; any other file is reported as a word-list file would be
// ("Error: Wordloft Word File Size Error." and the like). False after the
// failure was reported; the list is never touched here. Nothing of the
// file's text is kept but its entries.
bool LoadListFile(const char* path, ListFile& file);

// Why a path that names a list cannot be read: a message naming the file
// (UTF-8), or empty when it is an ordinary file on a disk that opens.
std::string ListFileProblem(const char* path);

// Takes a file's entries into the CustomWordList: append 0 replaces the
// list, 1 adds to it. A word-list file is taken as ReadWordListFile takes
// it; from a text or CSV file only usable lines are added, and when none
// is the list stays as it was (report.Unchanged). Returns the new
// CustomWordCount.
int16_t TakeListFile(const ListFile& file, int16_t append, ListReport& report);

// How many entries of the file alone a list would take, with the report
// that taking them into an empty list would give.
int16_t CountUsableEntries(const ListFile& file, ListReport& report);

// LoadListFile, then TakeListFile: what the Open and Append buttons do.
// Returns the new CustomWordCount, or 0 after a reported failure.
int16_t ReadListFile(const char* path, int16_t append, ListReport& report);

// Writes the CustomWordList to path: a word-list file, or UTF-8 text with
// its mark and CR LF line ends, as text (phrase, tab, information) or CSV
// (RFC 4180 quoting). Written beside the final name and moved over it when
// complete. 1 on success, 0 after reporting the failure.
int16_t WriteListFile(const char* path, ListFormat format);

// The format a list is saved in: the one of the name's extension (.WLT,
// .txt, .csv), otherwise the one of the file-type filter chosen (1 word
// list, 2 text, 3 CSV).
ListFormat SaveFormatOf(const char* path, int filterIndex);

// The name of a file without its folder.
std::string FileNameOf(const std::string& path);

// True when the name ends in .WLT, .txt or .csv, in any case.
bool IsListFileName(const std::string& path);

// The list file a command line names (UTF-8): the text after the
// program's own name, one pair of surrounding quotes taken off, when it
// is a list file name; empty otherwise.
std::string ListPathOnCommandLine(const std::string& commandLine);

// Supplied by the window shell: bytes read in the system's ANSI code page
// (GetACP), so that a list written on a Central European or Cyrillic PC
// is not taken for Windows-1252.
std::u32string DecodeAnsiText(const uint8_t* bytes, size_t size);

// Supplied by the window shell: an information box (caption ProductTitle)
// with a UTF-8 text, owned by the window in front.
int ShowListNote(const std::string& text);

#endif
