// The temporary-file-then-replace save shared by the preference file and
// word-list files. The file operations are requests
// (records/record_requests.h), so that every stage can be made to fail in
// the tests.
#include "records/whole_file.h"

#include <cstdio>

#include "records/record_requests.h"

int16_t MoveFileWaiting(const char* from, const char* to, bool wait) {
    int16_t moved = MoveFileOver(from, to);
    for (int waited = 0; wait && moved == kFileHeld && waited < kHeldFileWaitMs; waited += kHeldFileRetryMs) {
        DelayMilliseconds(kHeldFileRetryMs);
        moved = MoveFileOver(from, to);
    }
    return moved;
}

int16_t WriteWholeFile(const char* path, const char* temporary, const void* bytes, size_t size,
                       const char* createError, const char* writeError, bool* held) {
    if (held != nullptr) *held = false;
    std::FILE* file = CreateFileForWriting(temporary);
    if (file == nullptr) {
        if (createError != nullptr) ShowErrorMessage(createError);
        return 0;
    }
    const bool written = WriteFileBytes(file, bytes, size) == size;
    const bool flushed = written && FlushWrittenFile(file);
    const bool closed = CloseWrittenFile(file) != 0;
    const int16_t moved = written && flushed && closed ? MoveFileWaiting(temporary, path, writeError != nullptr) : 0;
    if (moved == 1) return 1;
    if (held != nullptr) *held = moved == kFileHeld;
    RemoveFile(temporary);
    if (writeError != nullptr) ShowErrorMessage(writeError);
    return 0;
}
