// The letter panel's cells, the press feedback of a letter click, the
// used-letter marking of a guess and the case toggle box.
#include "render/letter_panel.h"

#include "game/game_state.h"
#include "game/requests.h"
#include "platform/player_settings.h"
#include "records/preferences.h"
#include "render/animations.h"
#include "render/contrast_look.h"
#include "render/drawing.h"

namespace {

// The panel's background weave (yellow).
constexpr int kLetterPanelWeave = 1;
constexpr int kArrowIndentX = 8;
constexpr int kArrowIndentY = 10;

void DrawCellIcon(HDC dc, int i, HICON icon) {
    const RegionRect& cell = LetterCells[i];
    Rectangle(dc, cell.left, cell.top, cell.right, cell.bottom);
    DrawSceneIcon(dc, icon, cell.left, cell.top);
}

// Cell i with its letter in the chosen case, drawn straight from the
// letter's icon resource (an icon is made of it only where that cannot
// be).
void DrawCellLetter(HDC dc, int i) {
    const RegionRect& cell = LetterCells[i];
    const bool upper = Preferences.UpperCaseLetters != 0;
    Rectangle(dc, cell.left, cell.top, cell.right, cell.bottom);
    if (!DrawIconResource(dc, (upper ? IDI_LETTER_UPPER_A : IDI_LETTER_LOWER_A) + i, cell.left, cell.top))
        DrawSceneIcon(dc, LetterIcon(upper, i), cell.left, cell.top);
}

// The panel's weave, its cells and its frame, in scene coordinates: the
// letters in the chosen case, and where fresh is not set, the used-letter
// marker in the cells of the letters guessed.
void DrawWholePanel(HDC dc, bool fresh) {
    FillWithPattern(dc, LetterPanel, kLetterPanelWeave);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    for (int i = 0; i < kLetterCount; ++i) {
        if (!fresh && GameState.LettersUsed[i] != 0) DrawCellIcon(dc, i, DrawingResources.UsedLetterIcon);
        else DrawCellLetter(dc, i);
    }
    FrameRegion(dc, LetterPanel);
}

// A repaint draws the whole panel; copying a finished one costs a
// fraction of drawing 26 cells, so the panel of a fresh game is drawn
// once for each case into a picture that repaints copy, with the used
// letters drawn over it.
HBITMAP FreshPanelPicture() {
    const int upper = Preferences.UpperCaseLetters != 0 ? 1 : 0;
    HBITMAP& panel = DrawingResources.FreshLetterPanels[upper];
    if (panel) return panel;
    const HDC screen = GetDC(nullptr);
    if (!screen) return nullptr;
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP picture =
        CreateCompatibleBitmap(screen, LetterPanel.right - LetterPanel.left, LetterPanel.bottom - LetterPanel.top);
    ReleaseDC(nullptr, screen);
    if (!memory || !picture) {
        if (memory) DeleteDC(memory);
        if (picture) DeleteObject(picture);
        return nullptr;
    }
    const HGDIOBJ previous = SelectObject(memory, picture);
    // Drawn in scene coordinates, the weave lying as it does in the scene.
    SetViewportOrgEx(memory, -LetterPanel.left, -LetterPanel.top, nullptr);
    SetBrushOrgEx(memory, -LetterPanel.left, -LetterPanel.top, nullptr);
    DrawWholePanel(memory, true);
    SelectObject(memory, previous);
    DeleteDC(memory);
    panel = picture;
    return panel;
}

void InvertRegion(HDC dc, const RegionRect& r) {
    const RECT rect = WindowRectOf(r);
    InvertRect(dc, &rect);
}

// ---- The contrast look ----
// Each cell is its letter written in the theme's text colour on the
// window colour; a letter already guessed is written in the theme's grey
// and struck through, so that it is told apart by its shape as well; a
// pressed cell takes the theme's selection colours instead of inverting.

constexpr int kContrastLetterPoints = 140;
// The stroke through a used letter, from the cell's lower left to its
// upper right, this far inside the cell.
constexpr int kStrokeInset = 6;
// The cell shown pressed in the contrast look, or -1.
int16_t PressedLookCell = -1;

void DrawContrastCell(HDC dc, int i) {
    const RegionRect& cell = LetterCells[i];
    const bool used = GameState.LettersUsed[i] != 0;
    const bool pressed = PressedLookCell == i;
    const ContrastRole role = pressed ? kRoleSelectedText : used ? kRoleUsedLetter : kRoleText;
    FillPlain(dc, cell, 1);
    if (pressed) FillRoleBackground(dc, InflateRegion(cell, -2), kRoleSelectedText);
    const HFONT font = SceneFont(dc, kContrastLetterPoints, kFontBold);
    const HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    const char letter[2] = {static_cast<char>((Preferences.UpperCaseLetters != 0 ? 'A' : 'a') + i), '\0'};
    RECT box = WindowRectOf(cell);
    {
        ThemeTextColours colours(dc, role);
        DrawTextA(dc, letter, 1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (previous) SelectObject(dc, previous);
    const HPEN stroke = used ? ThemePen(role, 2) : nullptr;
    if (!stroke) return;
    SelectObject(dc, stroke);
    MoveToEx(dc, cell.left + kStrokeInset, cell.bottom - kStrokeInset, nullptr);
    LineTo(dc, cell.right - kStrokeInset, cell.top + kStrokeInset);
}

void DrawContrastPanel(HDC dc) {
    FillWithPattern(dc, LetterPanel, kLetterPanelWeave);
    for (int i = 0; i < kLetterCount; ++i) DrawContrastCell(dc, i);
    FrameRegion(dc, LetterPanel);
}

// The case toggle's double arrow as a shape, in the scene's coordinates
// from the toggle box's corner: the 13 x 26 arrow of the normal look.
constexpr POINT kArrowOutline[] = {{14, 10}, {20, 16}, {16, 16}, {16, 29}, {20, 29}, {14, 35},
                                   {8, 29},  {12, 29}, {12, 16}, {8, 16}};

void DrawContrastArrow(HDC dc, ContrastRole role) {
    const HPEN pen = ThemePen(role, 1);
    const HBRUSH brush = GetSysColorBrush(ContrastPairs[role].Foreground);
    if (!dc || !pen || !brush) return;
    POINT outline[sizeof kArrowOutline / sizeof kArrowOutline[0]];
    int n = 0;
    for (const POINT& p : kArrowOutline) outline[n++] = {CaseToggleBox.left + p.x, CaseToggleBox.top + p.y};
    SelectObject(dc, pen);
    SelectObject(dc, brush);
    Polygon(dc, outline, n);
}

// The case toggle's flash: the box inside its frame inverted, or in the
// contrast look shown in the theme's selection colours, and back.
void FlashCaseToggle(HDC dc, bool shown) {
    const RegionRect inside = InflateRegion(CaseToggleBox, -2);
    if (!ContrastLook()) return InvertRegion(dc, inside);
    const ContrastRole role = shown ? kRoleSelectedText : kRoleShape;
    FillRoleBackground(dc, inside, role);
    DrawContrastArrow(dc, role);
}

}  // namespace

void DrawLetterPanel(HDC dc) {
    if (!dc) return;
    if (ContrastLook()) {
        DrawContrastPanel(dc);
        return;
    }
    const HBITMAP fresh = FreshPanelPicture();
    if (!fresh) {
        DrawWholePanel(dc, false);
        return;
    }
    DrawBitmap(dc, fresh, LetterPanel.left, LetterPanel.top, SRCCOPY);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    for (int i = 0; i < kLetterCount; ++i) {
        if (GameState.LettersUsed[i] != 0) DrawCellIcon(dc, i, DrawingResources.UsedLetterIcon);
    }
}

void InvertLetterCell(int16_t i) {
    if (i < 0 || i >= kLetterCount) return;
    const HDC dc = BeginBufferDrawing(nullptr);
    if (!dc) return;
    if (ContrastLook()) {
        PressedLookCell = PressedLookCell == i ? -1 : i;
        DrawContrastCell(dc, i);
    } else {
        InvertRegion(dc, InflateRegion(LetterCells[i], -2));
    }
    ShowBufferDrawing(nullptr, dc);
}

int16_t HitTestLetterCell(POINT point) { return LetterCellAt(point.x, point.y); }

void DrawCaseToggle(HDC dc) {
    FillWithTexture(dc, CaseToggleBox);
    if (ContrastLook()) return DrawContrastArrow(dc, kRoleShape);
    DrawBitmap(dc, DrawingResources.Arrow, CaseToggleBox.left + kArrowIndentX,
               CaseToggleBox.top + kArrowIndentY, SRCAND);
}

void ToggleLetterCase() {
    if (Preferences.UpperCaseLetters == 0) {
        PlaySoundCue(kSoundUp);
        Preferences.UpperCaseLetters = 1;
    } else {
        PlaySoundCue(kSoundDown);
        Preferences.UpperCaseLetters = 0;
    }
    // The flash is an animation: with animations switched off the box
    // keeps its look and there is no pause.
    const HDC dc = AnimationsOn() ? BeginBufferDrawing(nullptr) : nullptr;
    if (dc) {
        FlashCaseToggle(dc, true);
        ShowSceneChanges();
        DelayMilliseconds(kCaseToggleFlash.FrameMs);
        FlashCaseToggle(dc, false);
        ShowBufferDrawing(nullptr, dc);
    }
    InvalidateRegion(kRegionPhraseBand, -2);
    InvalidateRegion(kRegionLetterPanel, -2);
}

// ---- Requests answered here ----

// An accepted guess shows the used-letter marker in its cell at once.
void DrawLetterCellUsed(int16_t letterIndex) {
    if (letterIndex < 0 || letterIndex >= kLetterCount) return;
    const HDC dc = BeginBufferDrawing(nullptr);
    if (!dc) return;
    if (ContrastLook()) {
        DrawContrastCell(dc, letterIndex);
    } else {
        SelectObject(dc, GetStockObject(WHITE_BRUSH));
        SelectObject(dc, GetStockObject(BLACK_PEN));
        DrawCellIcon(dc, letterIndex, DrawingResources.UsedLetterIcon);
    }
    ShowBufferDrawing(nullptr, dc);
}
