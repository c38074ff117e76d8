// The contrast look's colours, pens and fills, and the repaint that follows
// a change of look.
#include "render/contrast_look.h"

#include <vector>

#include "platform/player_settings.h"
#include "platform/program_handles.h"
#include "render/display_scale.h"
#include "render/scene_buffer.h"

namespace {

// The pens of each role's foreground colour, 1 and 2 pixels wide, made at
// their first use after the colours were read. A pen of the colours before
// is kept until the drawing resources go: a drawing that a pause
// interrupted may still hold it selected.
HPEN Pens[kContrastRoleCount][2] = {};
std::vector<HPEN> Retired;

void RetirePens() {
    for (auto& widths : Pens) {
        for (HPEN& pen : widths) {
            if (pen) Retired.push_back(pen);
            pen = nullptr;
        }
    }
}

// Another window of the program's thread: a dialog and its controls are
// repainted whole.
BOOL CALLBACK RepaintOtherWindow(HWND window, LPARAM mainWindow) {
    if (window != reinterpret_cast<HWND>(mainWindow))
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return TRUE;
}

}  // namespace

bool ContrastLook() { return ContrastThemeOn(); }

COLORREF ThemeColour(SystemColour colour) { return GetSysColor(colour); }

HPEN ThemePen(ContrastRole role, int width) {
    if (role < 0 || role >= kContrastRoleCount) return nullptr;
    const int wide = width > 1 ? 1 : 0;
    HPEN& pen = Pens[role][wide];
    if (!pen)
        pen = CreatePen(wide ? PS_INSIDEFRAME : PS_SOLID, wide ? 2 : 1, ThemeColour(ContrastPairs[role].Foreground));
    return pen;
}

void FillPlain(HDC dc, const RegionRect& r, int borderWidth) {
    FillRoleBackground(dc, r, kRoleText);
    const HPEN border = borderWidth > 0 ? ThemePen(kRoleShape, borderWidth) : nullptr;
    if (!dc || !border) return;
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    SelectObject(dc, border);
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

void FillRoleBackground(HDC dc, const RegionRect& r, ContrastRole role) {
    const HBRUSH brush = GetSysColorBrush(ContrastPairs[role].Background);
    const RECT rect = {r.left, r.top, r.right, r.bottom};
    if (dc && brush) FillRect(dc, &rect, brush);
}

ThemeTextColours::ThemeTextColours(HDC dc, ContrastRole role)
    : Dc(dc), Text(SetTextColor(dc, ThemeColour(ContrastPairs[role].Foreground))), Mode(SetBkMode(dc, TRANSPARENT)) {}

ThemeTextColours::~ThemeTextColours() {
    SetTextColor(Dc, Text);
    SetBkMode(Dc, Mode);
}

void DeleteContrastPens() {
    RetirePens();
    for (HPEN pen : Retired) DeleteObject(pen);
    Retired.clear();
}

void ShowNewLook() {
    RetirePens();
    MarkSceneChanged({0, 0, kSceneWidth, kSceneHeight});
    EnumThreadWindows(GetCurrentThreadId(), RepaintOtherWindow, reinterpret_cast<LPARAM>(MainWindow));
}
