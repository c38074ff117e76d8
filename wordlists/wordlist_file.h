// Word-list files (*.WLT): the CustomWordList saved as a fixed image of
// 26,004 bytes: version 10101, the count, then all 200 entries of 130 bytes.
#ifndef WORDLOFT_WORDLISTS_WORDLIST_FILE_H
#define WORDLOFT_WORDLISTS_WORDLIST_FILE_H

#include <cstddef>
#include <cstdint>

struct ListReport;

constexpr uint16_t kWordListVersion = 10101;
constexpr size_t kWordListFileSize = 26004;

// The size of a file in bytes, 0 when it cannot be opened.
uint32_t QueryFileSize(const char* path);

// Loads a word-list file into the CustomWordList: append 0 replaces the
// list, 1 adds to its end (entries beyond 200 are dropped). Returns the new
// CustomWordCount, or 0 after reporting a failure, which leaves the list
// untouched. With a report, the entries whose phrases break the phrase
// rules (taken as stored all the same) and those a full list dropped are
// named in it.
int16_t ReadWordListFile(const char* path, int16_t append, ListReport* report = nullptr);

// Reads a whole word-list file into image (kWordListFileSize bytes) after
// the checks of its size and version; false after reporting the failure
// with the messages of ReadWordListFile.
bool LoadWordListImage(const char* path, uint8_t* image);

// True when bytes are a word-list file: 26,004 of them, version 10101.
bool IsWordListImage(const uint8_t* bytes, size_t size);

// Takes the entries of a checked image into the list, as ReadWordListFile.
int16_t TakeWordListImage(const uint8_t* image, int16_t append, ListReport* report);

// Fills image (kWordListFileSize bytes) with the file image of the list.
void BuildWordListImage(uint8_t* image);

// Writes the list to path. The file is written beside its final name and
// moved over it only when complete, so a failed write never damages an
// existing list. 1 on success, 0 after reporting the failure.
int16_t WriteWordListFile(const char* path);

#endif
