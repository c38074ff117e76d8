// The two file-system services the preference file needs from Windows:
// where the Windows directory is, and replacing a file in one step.
#include <windows.h>

#include "game/requests.h"

uint32_t QueryWindowsDirectory(char* buffer, uint32_t size) {
    return GetWindowsDirectoryA(buffer, size);
}

int16_t MoveFileOver(const char* from, const char* to) {
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? 1 : 0;
}
