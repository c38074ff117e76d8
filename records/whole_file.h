// Writing a whole file safely: the bytes go to a temporary file beside the
// final name, which replaces the old file only when every byte has been
// written, flushed and closed. A failure at any stage leaves the old file
// as it was and no temporary file behind.
#ifndef WORDLOFT_RECORDS_WHOLE_FILE_H
#define WORDLOFT_RECORDS_WHOLE_FILE_H

#include <cstddef>
#include <cstdint>

// Writes size bytes to path through temporary. 1 on success; otherwise
// shows createError when the temporary file cannot be created, writeError
// for any later failure, and returns 0. A null message is not shown.
// A save that reports its failures (writeError given) waits up to
// kHeldFileWaitMs for a file another program holds (an anti-virus scanner
// or the search indexer opens a file it sees change, usually for well
// under a second) before it gives up; a quiet save does not wait.
// When held is given, it tells whether a failure was that last refusal of
// another program's hold.
constexpr int16_t kHeldFileWaitMs = 2000;
constexpr int16_t kHeldFileRetryMs = 100;
int16_t WriteWholeFile(const char* path, const char* temporary, const void* bytes, size_t size,
                       const char* createError, const char* writeError, bool* held = nullptr);

// Moves a file over another in one step, as MoveFileOver; while another
// program holds one of them it tries again every kHeldFileRetryMs for up to
// kHeldFileWaitMs when wait is set. 1 when moved, else what the last
// attempt gave (0 or kFileHeld).
int16_t MoveFileWaiting(const char* from, const char* to, bool wait);

#endif
