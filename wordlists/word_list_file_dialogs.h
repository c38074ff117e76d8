// The file-name dialogs of word-list files and their error messages, and
// the save that asks for a name first. The file format itself lives in
// wordlist_file.h.
#ifndef WORDLOFT_WORDLISTS_WORD_LIST_FILE_DIALOGS_H
#define WORDLOFT_WORDLISTS_WORD_LIST_FILE_DIALOGS_H

#include <windows.h>

#include <cstdint>

// The dialogs' buffers, in characters: the full path and the file name
// alone; and the buffers the callers hand in for them, in bytes of UTF-8.
constexpr int kFileDialogPathSize = 518;
constexpr int kFileDialogTitleSize = 256;
constexpr int kFileDialogPathBytes = 3 * kFileDialogPathSize;
constexpr int kFileDialogTitleBytes = 3 * kFileDialogTitleSize;

// Ask for an existing file to open / a file name to save under. The title,
// the filter and the message for a missing filter are string ids; the
// filter's last character separates its parts. The initial directory and
// file name, and the names handed back, are UTF-8: path and fileTitle take
// kFileDialogPathBytes and kFileDialogTitleBytes bytes. 1 when a name was
// chosen; 0 when the player cancelled or after a reported failure. A path
// longer than the dialog's buffer is refused by the dialog itself
// (reported as its "buffer too small" error), never cut. The save dialog
// also tells which filter the player chose (from 1), when asked.
int16_t AskOpenFileName(HWND owner, int16_t titleId, int16_t filterId, int16_t errorId,
                        const char* defaultExtension, const char* initialDirectory, char* fileTitle,
                        char* path);
int16_t AskSaveFileName(HWND owner, int16_t titleId, int16_t filterId, int16_t errorId,
                        const char* defaultExtension, const char* initialFileName, char* fileTitle,
                        char* path, int* filterIndex = nullptr);

// Shows the message of a common-dialog error code; 0 (cancelled) and codes
// without a message show nothing.
void ReportFileDialogError(DWORD code);

// Asks for a file name and writes the CustomWordList there, as a word-list
// file, text or CSV: by the name's extension, else by the file type the
// player chose. An empty list only beeps. 1 on success; 0 when cancelled
// or after a reported failure.
int16_t SaveWordListFile(const char* initialFileName, const char* defaultExtension);

#endif
