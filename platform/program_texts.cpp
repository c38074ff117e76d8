// The program's language and its resources in it (program_texts.h).
#include "platform/program_texts.h"

#include "platform/program_handles.h"

namespace {

// The resources' languages, in the order of Language: English as the
// United States writes it (the language every resource has), the others
// with a neutral sublanguage, so that every country's variant finds them.
const LANGID kResourceLanguages[kLanguageCount] = {
    MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), MAKELANGID(LANG_GERMAN, SUBLANG_NEUTRAL),
    MAKELANGID(LANG_FRENCH, SUBLANG_NEUTRAL), MAKELANGID(LANG_SPANISH, SUBLANG_NEUTRAL)};

Language LanguageOfWindows() {
    switch (PRIMARYLANGID(GetUserDefaultUILanguage())) {
        case LANG_GERMAN: return kGerman;
        case LANG_FRENCH: return kFrench;
        case LANG_SPANISH: return kSpanish;
        default: return kEnglish;
    }
}

// A dialog template of the program's resources in its language.
LPCDLGTEMPLATEW DialogTemplate(int id) {
    return static_cast<LPCDLGTEMPLATEW>(ProgramResourceBytes(FindProgramResource(RT_DIALOG, MAKEINTRESOURCEA(id))));
}

// The string of a block of the string table in one language: each block
// holds 16 strings, each a length and that many UTF-16 units.
bool FindString(int16_t id, LANGID language, std::wstring& text) {
    const UINT number = static_cast<uint16_t>(id);
    DWORD size = 0;
    const WCHAR* at = static_cast<const WCHAR*>(ProgramResourceBytes(
        FindResourceExA(ProgramInstance, RT_STRING, MAKEINTRESOURCEA(number / 16 + 1), language), &size));
    if (at == nullptr) return false;
    const WCHAR* end = at + size / sizeof(WCHAR);
    for (UINT i = 0; i < number % 16 && at < end; ++i) at += 1 + *at;
    if (at >= end || *at == 0 || at + 1 + *at > end) return false;
    text.assign(at + 1, *at);
    return true;
}

}  // namespace

void ChooseProgramLanguage() { TextLanguage = LanguageOfWindows(); }

LANGID ResourceLanguageOf(Language language) {
    return language >= 0 && language < kLanguageCount ? kResourceLanguages[language] : kResourceLanguages[kEnglish];
}

HRSRC FindProgramResource(LPCSTR type, LPCSTR name) {
    const HRSRC found = FindResourceExA(ProgramInstance, type, name, ResourceLanguageOf(TextLanguage));
    return found ? found : FindResourceExA(ProgramInstance, type, name, ResourceLanguageOf(kEnglish));
}

const void* ProgramResourceBytes(HRSRC found, DWORD* size) {
    const HGLOBAL loaded = found ? LoadResource(ProgramInstance, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (size) *size = bytes ? SizeofResource(ProgramInstance, found) : 0;
    return bytes;
}

HMENU LoadProgramMenu(int id) {
    const void* menu = ProgramResourceBytes(FindProgramResource(RT_MENU, MAKEINTRESOURCEA(id)));
    return menu ? LoadMenuIndirectA(static_cast<const MENUTEMPLATEA*>(menu)) : nullptr;
}

INT_PTR ProgramDialogBox(int id, HWND owner, DLGPROC procedure, LPARAM parameter) {
    const LPCDLGTEMPLATEW dialog = DialogTemplate(id);
    return dialog ? DialogBoxIndirectParamA(ProgramInstance, reinterpret_cast<LPCDLGTEMPLATEA>(dialog), owner,
                                            procedure, parameter)
                  : -1;
}

INT_PTR ProgramDialogBoxW(int id, HWND owner, DLGPROC procedure, LPARAM parameter) {
    const LPCDLGTEMPLATEW dialog = DialogTemplate(id);
    return dialog ? DialogBoxIndirectParamW(ProgramInstance, dialog, owner, procedure, parameter) : -1;
}

std::wstring ProgramWideText(int16_t id) {
    std::wstring text;
    if (!FindString(id, ResourceLanguageOf(TextLanguage), text)) FindString(id, ResourceLanguageOf(kEnglish), text);
    return text;
}

// ---- Requests answered here ----

// The program's own texts are Windows-1252 (the resources keep them as
// UTF-16).
std::string ProgramText(int16_t id) {
    const std::wstring wide = ProgramWideText(id);
    if (wide.empty()) return std::string();
    const int size = WideCharToMultiByte(1252, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                         nullptr);
    std::string text(size > 0 ? static_cast<size_t>(size) : 0, '\0');
    if (size > 0)
        WideCharToMultiByte(1252, 0, wide.data(), static_cast<int>(wide.size()), &text[0], size, nullptr, nullptr);
    return text;
}
