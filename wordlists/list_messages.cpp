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

int ShowWideBox(const std::string& text, const char* caption, UINT icon) {
    SetArrowCursor();
    return MessageBoxW(GetActiveWindow(), WidePath(text.c_str()).c_str(), WideText(caption).c_str(),
                       MB_OK | icon);
}

}  // namespace

void ShowListReport(const ListReport& report, const std::string& fileName) {
    const std::string text = FormatListReport(report, fileName);
    if (text.empty()) return;
    if (!report.Unchanged) {
        ShowWideBox(text, ProductTitle, MB_ICONINFORMATION);
        return;
    }
    char caption[100];
    LoadResourceString(IDS_ERROR_CAPTION, caption, sizeof caption);
    ShowWideBox(text, caption, MB_ICONEXCLAMATION);
}

int ShowListNote(const std::string& text) { return ShowWideBox(text, ProductTitle, MB_ICONINFORMATION); }

std::u32string DecodeAnsiText(const uint8_t* bytes, size_t size) {
    std::u32string text;
    if (size == 0) return text;
    const char* ansi = reinterpret_cast<const char*>(bytes);
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi, static_cast<int>(size), nullptr, 0);
    if (length <= 0) return text;
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi, static_cast<int>(size), &wide[0], length);
    return DecodeUtf16(reinterpret_cast<const uint8_t*>(wide.data()), wide.size() * sizeof(wchar_t), false);
}
