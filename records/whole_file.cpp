// The temporary-file-then-replace save shared by the preference file and
// word-list files. The file operations are requests (game/requests.h), so
// that every stage can be made to fail in the tests.
#include "records/whole_file.h"

#include <cstdio>

#include "game/requests.h"

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
    if (written && flushed && closed && MoveFileOver(temporary, path)) return 1;
    RemoveFile(temporary);
    if (writeError != nullptr) ShowErrorMessage(writeError);
    return 0;
}
