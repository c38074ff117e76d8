// Requests the stored record makes of the rest of the program: the message
// of a failure, the pause while another program holds a file, and the
// file system.
//
// Every function here is platform-free in its signature. The Windows build
// links the definitions of the window shell (platform/); the unit tests
// link a recording fake that logs each call in order.
#ifndef WORDLOFT_RECORDS_RECORD_REQUESTS_H
#define WORDLOFT_RECORDS_RECORD_REQUESTS_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// Each group names the file that answers it; that file marks its answers
// with the line "// ---- Requests answered here ----".

// ---- The program's texts: platform/program_texts.cpp ----
// A text of the program's string table (an IDS_ id of resource.h) in the
// language the program speaks, whole; empty when there is none.
std::string ProgramText(int16_t id);

// ---- Messages: platform/utilities.cpp ----
// A message box with the exclamation icon, captioned "Error".
int ShowErrorMessage(const char* text);

// ---- Pauses: platform/pauses.cpp ----
// A pause: the player can do nothing until it is over.
void DelayMilliseconds(int16_t ms);

// ---- Files and folders: platform/system_files.cpp ----
// File and folder names are UTF-8 text, so that a name in any language
// reaches the file system intact; the shell hands them to the system's
// wide-character calls. The texts inside the files stay Windows-1252.
//
// The Windows directory: the number of bytes written (without the
// terminator), 0 on failure, or the size needed when it does not fit.
uint32_t QueryWindowsDirectory(char* buffer, uint32_t size);
// The directory the preference file is written to, answered like
// QueryWindowsDirectory: the Windows directory where this program may
// write there itself, otherwise a folder of the user's own.
uint32_t QueryPreferenceDirectory(char* buffer, uint32_t size);
// The user's own copy of the Windows directory, where Windows kept the
// files that programs without an execution level in their manifest wrote
// there (the VirtualStore), answered like QueryWindowsDirectory; 0 when the
// system has none.
uint32_t QueryVirtualStoreDirectory(char* buffer, uint32_t size);
// A file opened for binary reading; null when it cannot be.
std::FILE* OpenFileForReading(const char* path);
// Removes a file; 1 when it is gone.
int16_t RemoveFile(const char* path);
// Moves a finished file over the one it replaces in a single step; 1 on
// success; 0 with both files left as they were; kFileHeld, also with both
// left as they were, when another program has one of them open without
// sharing it (a scanner that opened the new file), which usually passes
// soon.
constexpr int16_t kFileHeld = 2;
int16_t MoveFileOver(const char* from, const char* to);
// Writing a file that MoveFileOver then puts in place: created (or
// truncated) for binary writing, null when it cannot be; the number of
// bytes that reached it; 1 when the bytes are flushed to the disk; 1 when
// it closed cleanly (it is closed either way).
std::FILE* CreateFileForWriting(const char* path);
size_t WriteFileBytes(std::FILE* file, const void* bytes, size_t size);
int16_t FlushWrittenFile(std::FILE* file);
int16_t CloseWrittenFile(std::FILE* file);

#endif
