// The program's texts read from inside it (probe_texts.h).
#include "probe_texts.h"

#include <string>

namespace {

wchar_t* TextAfter(ProbeBlock* block) { return reinterpret_cast<wchar_t*>(block + 1); }

void PutText(ProbeBlock* block, const std::wstring& text) {
    const std::wstring kept = text.substr(0, 1000);
    kept.copy(TextAfter(block), kept.size());
    TextAfter(block)[kept.size()] = L'\0';
}

// The text as drawn: an ampersand marks the access key and is not shown.
std::wstring Shown(const std::wstring& text) {
    std::wstring shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        shown += text[i];
    }
    return shown;
}

// Whether a control's text fits it: a static text within its rectangle as
// it wraps, a button's on one line inside its frame (a check box's or a
// radio button's beside its box).
bool Fits(HWND control) {
    wchar_t className[32] = L"";
    GetClassNameW(control, className, 32);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const bool isStatic = lstrcmpiW(className, L"Static") == 0;
    const bool isButton = lstrcmpiW(className, L"Button") == 0;
    if (!isStatic && !isButton) return true;
    if (isStatic && (style & SS_TYPEMASK) != SS_LEFT && (style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP) return true;
    const int length = GetWindowTextLengthW(control);
    if (length == 0) return true;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(control, &text[0], length + 1);
    text.resize(static_cast<size_t>(length));
    RECT client;
    GetClientRect(control, &client);
    HDC dc = GetDC(control);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    bool fits = true;
    if (isStatic) {
        RECT needed = {0, 0, client.right, 0};
        const UINT wrap = (style & SS_TYPEMASK) == SS_LEFT ? DT_WORDBREAK : DT_SINGLELINE;
        DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | wrap);
        fits = needed.right <= client.right && needed.bottom <= client.bottom;
    } else {
        const std::wstring shown = Shown(text);
        SIZE size = {0, 0};
        GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
        const LONG type = style & BS_TYPEMASK;
        const bool box = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                         type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE;
        const LONG frame = type == BS_GROUPBOX ? 16 : box ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 8;
        fits = size.cx + frame <= client.right;
    }
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return fits;
}

}  // namespace

int32_t AnswerMenuText(HWND window, ProbeBlock* block) {
    wchar_t text[256] = L"";
    if (GetMenuStringW(GetMenu(window), static_cast<UINT>(block->Argument), text, 256, MF_BYCOMMAND) <= 0) return 0;
    PutText(block, text);
    return 1;
}

int32_t AnswerTextsThatDoNotFit(HWND dialog, ProbeBlock* block) {
    int32_t count = 0;
    PutText(block, L"");
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        if (!IsWindowVisible(control) || Fits(control)) continue;
        if (count++ == 0) {
            wchar_t text[512] = L"";
            GetWindowTextW(control, text, 512);
            PutText(block, text);
        }
    }
    block->Value = count;
    return 1;
}
