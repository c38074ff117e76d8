// Reading the program's resources from its file (program_resources.h).
#include "program_resources.h"

#include <cstring>
#include <vector>

#include "program.h"
#include "platform/unpacking.h"

namespace {

HMODULE ProgramFile() {
    static HMODULE file = LoadLibraryExW(Widen(Settings.ProgramPath).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    return file;
}

// A resource's bytes in exactly this language; empty when it has none.
std::string ResourceBytes(LPCWSTR type, LPCWSTR name, LANGID language) {
    const HRSRC found = FindResourceExW(ProgramFile(), type, name, language);
    const HGLOBAL loaded = found ? LoadResource(ProgramFile(), found) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    return bytes ? std::string(bytes, SizeofResource(ProgramFile(), found)) : std::string();
}

}  // namespace

LANGID ResourceLanguageOfPrimary(WORD primaryLanguage) {
    switch (primaryLanguage) {
        case LANG_GERMAN:
        case LANG_FRENCH:
        case LANG_SPANISH: return MAKELANGID(primaryLanguage, SUBLANG_NEUTRAL);
        default: return kResourcesInEnglish;
    }
}

std::wstring ResourceString(LANGID language, int id) {
    const std::string block = ResourceBytes(MAKEINTRESOURCEW(6), MAKEINTRESOURCEW(id / 16 + 1), language);
    const wchar_t* at = reinterpret_cast<const wchar_t*>(block.data());
    const wchar_t* end = at + block.size() / sizeof(wchar_t);
    for (int i = 0; i < id % 16 && at < end; ++i) at += 1 + *at;
    if (at >= end || at + 1 + *at > end) return std::wstring();
    return std::wstring(at + 1, *at);
}

std::wstring ResourceText(LANGID language, int id, std::initializer_list<std::wstring> values) {
    std::wstring text = ResourceString(language, id);
    const std::vector<std::wstring> given(values);
    for (size_t i = 0; i < given.size(); ++i) {
        const std::wstring mark = L"{" + std::to_wstring(i) + L"}";
        for (size_t at = text.find(mark); at != std::wstring::npos; at = text.find(mark, at + given[i].size()))
            text.replace(at, mark.size(), given[i]);
    }
    return text;
}

std::wstring ResourceMenuText(LANGID language, int command) {
    const std::string bytes = ResourceBytes(MAKEINTRESOURCEW(4), MAKEINTRESOURCEW(109), language);
    if (bytes.empty()) return std::wstring();
    const HMENU menu = LoadMenuIndirectW(reinterpret_cast<const MENUTEMPLATEW*>(bytes.data()));
    wchar_t text[256] = L"";
    GetMenuStringW(menu, static_cast<UINT>(command), text, 256, MF_BYCOMMAND);
    DestroyMenu(menu);
    return text;
}

// A DIALOGEX template: its caption follows the header, the menu and the
// class (each a 0x0000 or 0xFFFF and a number, or a text).
std::wstring ResourceDialogCaption(LANGID language, int dialog) {
    const std::string bytes = ResourceBytes(MAKEINTRESOURCEW(5), MAKEINTRESOURCEW(dialog), language);
    if (bytes.size() < 26) return std::wstring();
    const wchar_t* at = reinterpret_cast<const wchar_t*>(bytes.data() + 26);
    const bool extended = reinterpret_cast<const WORD*>(bytes.data())[1] == 0xFFFF;
    if (!extended) at = reinterpret_cast<const wchar_t*>(bytes.data() + 18);
    for (int field = 0; field < 2; ++field) {
        if (*at == 0xFFFF) at += 2;
        else at += wcslen(at) + 1;
    }
    return at;
}

std::string ResourceCategoryText(LANGID language, const char* name) {
    std::wstring wide(name, name + strlen(name));
    return ResourceBytes(L"WLTW", wide.c_str(), language);
}

bool ResourcePicture(LANGID language, const char* name, Image& picture) {
    const std::wstring wide(name, name + strlen(name));
    std::string file;
    if (language == kResourcesInEnglish) {
        const std::string dib = ResourceBytes(MAKEINTRESOURCEW(2), wide.c_str(), language);
        if (dib.empty()) return false;
        file = std::string(sizeof(BITMAPFILEHEADER), '\0') + dib;
    } else {
        const std::string packed = ResourceBytes(L"WLTB", wide.c_str(), language);
        std::vector<uint8_t> unpacked;
        if (!Unpack(reinterpret_cast<const uint8_t*>(packed.data()), packed.size(), unpacked)) return false;
        file.assign(unpacked.begin(), unpacked.end());
    }
    const auto* info = reinterpret_cast<const BITMAPINFO*>(file.data() + sizeof(BITMAPFILEHEADER));
    const BITMAPINFOHEADER& header = info->bmiHeader;
    const size_t colours = header.biClrUsed ? header.biClrUsed : (header.biBitCount <= 8 ? 1u << header.biBitCount : 0);
    const char* bits = reinterpret_cast<const char*>(info) + header.biSize + colours * sizeof(RGBQUAD);
    picture.Width = header.biWidth;
    picture.Height = header.biHeight > 0 ? header.biHeight : -header.biHeight;
    picture.Pixels.assign(static_cast<size_t>(picture.Width) * picture.Height, 0);
    BITMAPINFO* top = reinterpret_cast<BITMAPINFO*>(&file[sizeof(BITMAPFILEHEADER)]);
    HDC screen = GetDC(nullptr);
    BITMAPINFO wanted = {};
    wanted.bmiHeader.biSize = sizeof wanted.bmiHeader;
    wanted.bmiHeader.biWidth = picture.Width;
    wanted.bmiHeader.biHeight = -picture.Height;
    wanted.bmiHeader.biPlanes = 1;
    wanted.bmiHeader.biBitCount = 32;
    HBITMAP bitmap = CreateDIBitmap(screen, &top->bmiHeader, CBM_INIT, bits, top, DIB_RGB_COLORS);
    const bool read = bitmap && GetDIBits(screen, bitmap, 0, static_cast<UINT>(picture.Height),
                                          picture.Pixels.data(), &wanted, DIB_RGB_COLORS) > 0;
    if (bitmap) DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    return read;
}

std::string Narrow(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(size > 0 ? static_cast<size_t>(size) : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &narrow[0], size, nullptr, nullptr);
    narrow.resize(narrow.size() - 1);
    return narrow;
}
