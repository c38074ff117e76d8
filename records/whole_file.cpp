// The temporary-file-then-replace save shared by the preference file and
// word-list files. The file operations are requests
// (records/record_requests.h), so that every stage can be made to fail in
// the tests.
#include "records/whole_file.h"

#include <cstdio>

#include "records/record_requests.h"

namespace {

// Puts the finished file in place; a file another program holds is tried
// again every kHeldFileRetryMs for up to kHeldFileWaitMs when wait is set.
bool MoveIntoPlace(const char* temporary, const char* path, bool wait) {
    int16_t moved = MoveFileOver(temporary, path);
    for (int waited = 0; wait && moved == kFileHeld && waited < kHeldFileWaitMs; waited += kHeldFileRetryMs) {
        DelayMilliseconds(kHeldFileRetryMs);
        moved = MoveFileOver(temporary, path);
    }
    return moved == 1;
}

}  // namespace

int16_t WriteWholeFile(const char* path, const char* temporary, const void* bytes, size_t size,
                       const char* createError, const char* writeError) {
    std::FILE* file = CreateFileForWriting(temporary);
    if (file == nullptr) {
        if (createError != nullptr) ShowErrorMessage(createError);
        return 0;
    }
    const bool written = WriteFileBytes(file, bytes, size) == size;
    const bool flushed = written && FlushWrittenFile(file);
    const bool closed = CloseWrittenFile(file) != 0;
    if (written && flushed && closed && MoveIntoPlace(temporary, path, writeError != nullptr)) return 1;
    RemoveFile(temporary);
    if (writeError != nullptr) ShowErrorMessage(writeError);
    return 0;
}
