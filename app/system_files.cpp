// The file-system services the record files need from Windows: where the
// Windows directory is, writing a file to the disk, and replacing a file
// in one step.
#include <windows.h>

#include <io.h>

#include <cstdio>

#include "game/requests.h"

uint32_t QueryWindowsDirectory(char* buffer, uint32_t size) {
    return GetWindowsDirectoryA(buffer, size);
}

int16_t MoveFileOver(const char* from, const char* to) {
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? 1 : 0;
}

std::FILE* CreateFileForWriting(const char* path) { return std::fopen(path, "wb"); }

size_t WriteFileBytes(std::FILE* file, const void* bytes, size_t size) {
    return std::fwrite(bytes, 1, size, file);
}

// The bytes leave the C library's buffer and then the system's cache, so
// that the file that replaces the old one is on the disk before the move.
int16_t FlushWrittenFile(std::FILE* file) {
    if (std::fflush(file) != 0) return 0;
    return _commit(_fileno(file)) == 0 ? 1 : 0;
}

int16_t CloseWrittenFile(std::FILE* file) { return std::fclose(file) == 0 ? 1 : 0; }
