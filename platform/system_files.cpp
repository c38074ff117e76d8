// The file-system services the record files need from Windows: where the
// Windows directory, the preference directory and the player's VirtualStore
// are, opening, writing and removing a file, and replacing a file in one
// step. Names arrive and leave as UTF-8 and meet the system through its
// wide-character calls.
#include <windows.h>

#include <io.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "game/requests.h"
#include "platform/wide_paths.h"

namespace {

std::wstring WithSeparator(const std::wstring& folder) {
    return !folder.empty() && folder.back() == L'\\' ? folder : folder + L"\\";
}

std::wstring WindowsDirectory() {
    wchar_t windows[MAX_PATH + 1] = L"";
    const UINT length = GetWindowsDirectoryW(windows, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH) return std::wstring();
    return std::wstring(windows, length);
}

// One of the user's folders as the shell reports it; empty when it has none.
std::wstring ShellFolder(int folder) {
    wchar_t path[MAX_PATH] = L"";
    if (FAILED(SHGetFolderPathW(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path))) return std::wstring();
    return path;
}

// True when this process's own writes into the folder land there, tried by
// writing. Since the manifest names an execution level, Windows no longer
// redirects a refused write into the player's VirtualStore: the write
// simply fails. A process that Windows virtualizes all the same (Task
// Manager can still switch that on for a running program) only writes
// into a per-user copy of the folder, where replacing one file by another
// is not something Windows documents; such a process does not count as
// able to write the folder.
bool CanWriteFolderItself(const std::wstring& folder) {
    HANDLE token = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        DWORD virtualized = 0;
        DWORD size = 0;
        const bool known = GetTokenInformation(token, TokenVirtualizationEnabled, &virtualized,
                                               sizeof virtualized, &size) != 0;
        CloseHandle(token);
        if (known && virtualized != 0) return false;
    }
    const std::wstring probe = WithSeparator(folder) + L"WWLT.TMP";
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

// "Wordloft" in the user's application data folder, created when missing;
// empty when there is none.
std::wstring UserPreferenceFolder() {
    const std::wstring appData = ShellFolder(CSIDL_APPDATA | CSIDL_FLAG_CREATE);
    if (appData.empty()) return appData;
    const std::wstring path = WithSeparator(appData) + L"Wordloft";
    if (!CreateDirectoryW(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return std::wstring();
    return path;
}

// Decided once per run: the Windows directory where the program may write
// there, else the user's folder, else the Windows directory after all (a
// save then reports its failure).
std::string ChoosePreferenceDirectory() {
    const std::wstring windows = WindowsDirectory();
    if (windows.empty()) return std::string();
    if (CanWriteFolderItself(windows)) return Utf8Path(windows.c_str());
    const std::wstring user = UserPreferenceFolder();
    return Utf8Path(user.empty() ? windows.c_str() : user.c_str());
}

// The copy Windows keeps of a folder for this user: the folder's path
// without its drive, under "VirtualStore" in the user's local application
// data (C:\Windows: %LOCALAPPDATA%\VirtualStore\Windows).
std::string VirtualStoreOf(const std::wstring& folder) {
    const std::wstring local = ShellFolder(CSIDL_LOCAL_APPDATA);
    if (local.empty() || folder.size() < 3 || folder[1] != L':' || folder[2] != L'\\') return std::string();
    return Utf8Path((WithSeparator(local) + L"VirtualStore" + folder.substr(2)).c_str());
}

// Another program has the file open without sharing it. Windows refuses to
// replace a target held so with ERROR_ACCESS_DENIED, as it refuses a
// read-only one, which is not held and will not pass: the attributes tell
// the two apart.
bool HeldByAnother(DWORD error, const std::wstring& target) {
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) return true;
    if (error != ERROR_ACCESS_DENIED) return false;
    const DWORD attributes = GetFileAttributesW(target.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
}

}  // namespace

// ---- Requests answered here ----

uint32_t QueryWindowsDirectory(char* buffer, uint32_t size) {
    const std::wstring windows = WindowsDirectory();
    return windows.empty() ? 0 : CopyUtf8Path(Utf8Path(windows.c_str()), buffer, size);
}

uint32_t QueryPreferenceDirectory(char* buffer, uint32_t size) {
    static const std::string directory = ChoosePreferenceDirectory();
    return directory.empty() ? 0 : CopyUtf8Path(directory, buffer, size);
}

uint32_t QueryVirtualStoreDirectory(char* buffer, uint32_t size) {
    const std::string store = VirtualStoreOf(WindowsDirectory());
    return store.empty() ? 0 : CopyUtf8Path(store, buffer, size);
}

// Opened with every sharing allowed, as a reader that must not get in the
// way of the program that writes the file.
int16_t QueryFileState(const char* path) {
    const std::wstring wide = WidePath(path);
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return kFileNotFound;
        if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) return kFileHeld;
        const DWORD attributes = GetFileAttributesW(wide.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return kFileIsFolder;
        return kFileRefused;
    }
    const DWORD type = GetFileType(file);
    CloseHandle(file);
    return type == FILE_TYPE_DISK ? kFileReadable : kFileIsDevice;
}

// A device or a pipe (COM1.wlt, a pipe's name) could keep a read waiting
// for ever: only a file on a disk is read.
std::FILE* OpenFileForReading(const char* path) {
    std::FILE* file = _wfopen(WidePath(path).c_str(), L"rb");
    if (file == nullptr) return nullptr;
    if (GetFileType(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)))) == FILE_TYPE_DISK) return file;
    std::fclose(file);
    return nullptr;
}

int16_t RemoveFile(const char* path) { return DeleteFileW(WidePath(path).c_str()) ? 1 : 0; }

int16_t MoveFileOver(const char* from, const char* to) {
    const std::wstring target = WidePath(to);
    if (MoveFileExW(WidePath(from).c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 1;
    return HeldByAnother(GetLastError(), target) ? kFileHeld : 0;
}

std::FILE* CreateFileForWriting(const char* path) { return _wfopen(WidePath(path).c_str(), L"wb"); }

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
