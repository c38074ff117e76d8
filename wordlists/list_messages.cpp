// List-file messages through MessageBoxW, and the ANSI code page of the
// system for list files that carry neither a mark nor UTF-8.
#include "wordlists/list_messages.h"

#include "platform/program_handles.h"
#include "platform/utilities.h"
#include "platform/wide_paths.h"
#include "resource.h"
#include "wordlists/list_file.h"
#include "wordlists/list_text.h"

namespace {

// The bytes decoded at a time: a piece ends after a line feed, which is
// never part of another character in any ANSI code page (the trail bytes
// of the double-byte ones start at 0x40), so no character is cut.
constexpr size_t kAnsiPiece = 64 * 1024;

int ShowWideBox(const std::string& text, const char* caption, UINT icon, HWND owner) {
    SetArrowCursor();
    return MessageBoxW(owner, WidePath(text.c_str()).c_str(), WideText(caption).c_str(), MB_OK | icon);
}

void AppendAnsi(std::u32string& text, const char* ansi, int size) {
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi, size, nullptr, 0);
    if (length <= 0) return;
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi, size, &wide[0], length);
    text += DecodeUtf16(reinterpret_cast<const uint8_t*>(wide.data()), wide.size() * sizeof(wchar_t), false);
}

}  // namespace

void ShowListReport(const ListReport& report, const std::string& fileName, HWND owner) {
    const std::string text = FormatListReport(report, fileName);
    if (text.empty()) return;
    if (owner == nullptr) owner = FrontWindow();
    if (!report.Unchanged) {
        ShowWideBox(text, ProductTitle, MB_ICONINFORMATION, owner);
        return;
    }
    char caption[100];
    LoadResourceString(IDS_ERROR_CAPTION, caption, sizeof caption);
    ShowWideBox(text, caption, MB_ICONEXCLAMATION, owner);
}

int ShowListNoteOwned(const std::string& text, HWND owner) {
    return ShowWideBox(text, ProductTitle, MB_ICONINFORMATION, owner);
}

int ShowListNote(const std::string& text) { return ShowListNoteOwned(text, FrontWindow()); }

std::u32string DecodeAnsiText(const uint8_t* bytes, size_t size) {
    std::u32string text;
    text.reserve(size);
    const char* ansi = reinterpret_cast<const char*>(bytes);
    for (size_t start = 0; start < size;) {
        size_t end = start + kAnsiPiece < size ? start + kAnsiPiece : size;
        while (end < size && ansi[end - 1] != '\n') ++end;
        AppendAnsi(text, ansi + start, static_cast<int>(end - start));
        start = end;
    }
    return text;
}
