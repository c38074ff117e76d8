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

#include "wordlists/list_lines.h"

enum class ListFormat : int16_t { WordList, Text, Csv };

// A list file read whole, not yet taken into the list.
struct ListFile {
    ListFormat Format = ListFormat::WordList;
    // The file's name without its folder, UTF-8, for the messages.
    std::string Name;
    // A word-list file's image; a text or CSV file's lines.
    std::vector<uint8_t> Image;
    std::vector<ListLine> Lines;
};

// Reads a list file. A file of 26,004 bytes whose version is 10101 is a
// word-list file whatever its name; any other file is read by its
// extension: .txt as text, .csv as CSV, in UTF-8, UTF-16 or the system's
// ANSI code page. A Word or Excel file (.doc, .docx, .xls, .xlsx, .odt,
// .ods) is refused with a hint to save it as text or CSV; any other file,
// and a text file that holds no text, is reported as a word-list file
// would be ("Error: Wordloft Word File Size Error." and the like). False
// after the failure was reported; the list is never touched here.
bool LoadListFile(const char* path, ListFile& file);

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

#endif
