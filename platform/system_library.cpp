// Loading the system's libraries by their full path (system_library.h).
#include "platform/system_library.h"

#include <string>

void KeepCurrentFolderOutOfLibrarySearch() {
    // Windows XP SP1 and later; an empty folder name takes the current
    // folder out of the search order.
    SetDllDirectoryW(L"");
}

HMODULE LoadSystemLibrary(const char* name) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    std::wstring path(folder, length);
    path += L'\\';
    // Library names are plain ASCII.
    for (const char* c = name; *c != '\0'; ++c) path += static_cast<wchar_t>(static_cast<unsigned char>(*c));
    // The libraries it needs in turn are looked for in the system folder
    // first as well.
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
