// Conversions between the program's UTF-8 names and the system's wide
// characters, the program's own folder, and the one message box that
// names a file.
#include "platform/wide_paths.h"

#include <cstring>

#include "platform/utilities.h"
#include "resource.h"

namespace {

std::wstring Widen(UINT codePage, const char* text) {
    const int size = MultiByteToWideChar(codePage, 0, text, -1, nullptr, 0);
    if (size <= 1) return std::wstring();
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(codePage, 0, text, -1, &wide[0], size);
    wide.resize(static_cast<size_t>(size - 1));
    return wide;
}

}  // namespace

std::wstring WidePath(const char* utf8) { return Widen(CP_UTF8, utf8); }

std::wstring WideText(const char* text) { return Widen(CP_ACP, text); }

std::string Utf8Path(const wchar_t* wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return std::string();
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, &utf8[0], size, nullptr, nullptr);
    utf8.resize(static_cast<size_t>(size - 1));
    return utf8;
}

uint32_t CopyUtf8Path(const std::string& name, char* buffer, uint32_t size) {
    if (name.size() + 1 > size) return static_cast<uint32_t>(name.size() + 1);
    std::memcpy(buffer, name.c_str(), name.size() + 1);
    return static_cast<uint32_t>(name.size());
}

bool ReadProgramFile(std::wstring& path) {
    wchar_t program[MAX_PATH + 1] = L"";
    const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH) return false;
    path.assign(program, length);
    return true;
}

bool ReadProgramFolder(std::wstring& folder) {
    if (!ReadProgramFile(folder)) return false;
    const size_t separator = folder.find_last_of(L"\\:");
    folder.resize(separator == std::wstring::npos ? 0 : separator + 1);
    return true;
}

int ShowErrorMessageNaming(const std::string& format, const std::wstring& name) {
    std::wstring text = WideText(format.c_str());
    const size_t at = text.find(L"{0}");
    if (at != std::wstring::npos) text.replace(at, 3, name);
    char caption[100];
    LoadResourceString(IDS_ERROR_CAPTION, caption, sizeof caption);
    SetArrowCursor();
    return MessageBoxW(GetActiveWindow(), text.c_str(), WideText(caption).c_str(),
                       MB_OK | MB_ICONEXCLAMATION);
}
