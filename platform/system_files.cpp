// The file-system services the record files need from Windows: where the
// Windows directory and the preference directory are, writing a file to
// the disk, and replacing a file in one step.
#include <windows.h>

#include <io.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "game/requests.h"

namespace {

// True when this process's own writes into the folder land there. A
// process that Windows virtualizes (a standard user's 32-bit legacy
// program) only writes into a per-user copy of it, where replacing one
// file by another is not something Windows documents; such a process does
// not count as able to write the folder.
bool CanWriteFolderItself(const std::string& folder) {
    HANDLE token = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        DWORD virtualized = 0;
        DWORD size = 0;
        const bool known = GetTokenInformation(token, TokenVirtualizationEnabled, &virtualized,
                                               sizeof virtualized, &size) != 0;
        CloseHandle(token);
        if (known && virtualized != 0) return false;
    }
    const std::string probe = folder + (folder.back() == '\\' ? "" : "\\") + "WWLT.TMP";
    HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

// "Wordloft" in the user's application data folder, created when missing;
// empty when there is none.
std::string UserPreferenceFolder() {
    char folder[MAX_PATH] = "";
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT,
                                folder)))
        return std::string();
    std::string path = folder;
    if (path.empty()) return path;
    path += path.back() == '\\' ? "Wordloft" : "\\Wordloft";
    if (!CreateDirectoryA(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return std::string();
    return path;
}

// Decided once per run: the Windows directory where the program may write
// there, else the user's folder, else the Windows directory after all (a
// save then reports its failure).
std::string ChoosePreferenceDirectory() {
    char windows[MAX_PATH] = "";
    const UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    if (length == 0 || length >= sizeof windows) return std::string();
    if (CanWriteFolderItself(windows)) return windows;
    const std::string user = UserPreferenceFolder();
    return user.empty() ? std::string(windows) : user;
}

}  // namespace

uint32_t QueryWindowsDirectory(char* buffer, uint32_t size) {
    return GetWindowsDirectoryA(buffer, size);
}

uint32_t QueryPreferenceDirectory(char* buffer, uint32_t size) {
    static const std::string directory = ChoosePreferenceDirectory();
    if (directory.empty()) return 0;
    if (directory.size() + 1 > size) return static_cast<uint32_t>(directory.size() + 1);
    std::memcpy(buffer, directory.c_str(), directory.size() + 1);
    return static_cast<uint32_t>(directory.size());
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
