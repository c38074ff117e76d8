// The letter panel's cells, the press feedback of a letter click, the
// used-letter marking of a guess and the case toggle box.
#include "render/letter_panel.h"

#include "game/game_state.h"
#include "game/requests.h"
#include "records/preferences.h"
#include "render/drawing.h"

namespace {

constexpr int16_t kToggleFlashMs = 50;
constexpr int kArrowIndentX = 8;
constexpr int kArrowIndentY = 10;

HICON LetterIconOf(int i) {
    if (GameState.LettersUsed[i] != 0) return DrawingResources.UsedLetterIcon;
    if (Preferences.UpperCaseLetters != 0) return DrawingResources.UpperLetterIcons[i];
    return DrawingResources.LowerLetterIcons[i];
}

void DrawCellIcon(HDC dc, int i, HICON icon) {
    const RegionRect& cell = LetterCells[i];
    Rectangle(dc, cell.left, cell.top, cell.right, cell.bottom);
    DrawSceneIcon(dc, icon, cell.left, cell.top);
}

// A full repaint draws every cell; copying finished cells costs a fraction
// of drawing their icons, so each case's cells are drawn once, the frame,
// the white ground and the letter, into a sheet that is copied from then.
HBITMAP LetterSheet() {
    const int upper = Preferences.UpperCaseLetters != 0 ? 1 : 0;
    HBITMAP& sheet = DrawingResources.LetterSheets[upper];
    if (sheet) return sheet;
    const HDC screen = GetDC(nullptr);
    if (!screen) return nullptr;
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP picture = CreateCompatibleBitmap(screen, kLetterCount * kLetterCellSize, kLetterCellSize);
    ReleaseDC(nullptr, screen);
    if (!memory || !picture) {
        if (memory) DeleteDC(memory);
        if (picture) DeleteObject(picture);
        return nullptr;
    }
    const HGDIOBJ previous = SelectObject(memory, picture);
    SelectObject(memory, GetStockObject(WHITE_BRUSH));
    SelectObject(memory, GetStockObject(BLACK_PEN));
    for (int i = 0; i < kLetterCount; ++i) {
        const int x = i * kLetterCellSize;
        Rectangle(memory, x, 0, x + kLetterCellSize, kLetterCellSize);
        const HICON icon = upper ? DrawingResources.UpperLetterIcons[i] : DrawingResources.LowerLetterIcons[i];
        DrawSceneIcon(memory, icon, x, 0);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    sheet = picture;
    return sheet;
}

void InvertRegion(HDC dc, const RegionRect& r) {
    const RECT rect = WindowRectOf(r);
    InvertRect(dc, &rect);
}

}  // namespace

void DrawLetterPanel(HDC dc) {
    const HGDIOBJ white = GetStockObject(WHITE_BRUSH);
    if (!dc || !white) return;
    SelectObject(dc, white);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    const HBITMAP sheet = LetterSheet();
    const HDC memory = sheet ? CreateCompatibleDC(dc) : nullptr;
    const HGDIOBJ previous = memory ? SelectObject(memory, sheet) : nullptr;
    for (int i = 0; i < kLetterCount; ++i) {
        const RegionRect& cell = LetterCells[i];
        if (memory && GameState.LettersUsed[i] == 0) {
            BitBlt(dc, cell.left, cell.top, kLetterCellSize, kLetterCellSize, memory, i * kLetterCellSize, 0,
                   SRCCOPY);
        } else {
            DrawCellIcon(dc, i, LetterIconOf(i));
        }
    }
    if (memory) {
        SelectObject(memory, previous);
        DeleteDC(memory);
    }
}

// An accepted guess shows the used-letter marker in its cell at once.
void DrawLetterCellUsed(int16_t letterIndex) {
    if (letterIndex < 0 || letterIndex >= kLetterCount) return;
    const HDC dc = BeginWindowDrawing(nullptr);
    if (!dc) return;
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    DrawCellIcon(dc, letterIndex, DrawingResources.UsedLetterIcon);
    EndWindowDrawing(nullptr, dc);
}

void InvertLetterCell(int16_t i) {
    if (i < 0 || i >= kLetterCount) return;
    const HDC dc = BeginWindowDrawing(nullptr);
    if (!dc) return;
    InvertRegion(dc, InflateRegion(LetterCells[i], -2));
    EndWindowDrawing(nullptr, dc);
}

int16_t HitTestLetterCell(POINT point) { return LetterCellAt(point.x, point.y); }

void DrawCaseToggle(HDC dc) {
    FillWithTexture(dc, CaseToggleBox);
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
    const HDC dc = BeginWindowDrawing(nullptr);
    if (dc) {
        const RegionRect flash = InflateRegion(CaseToggleBox, -2);
        InvertRegion(dc, flash);
        ShowDrawingNow();
        DelayMilliseconds(kToggleFlashMs);
        InvertRegion(dc, flash);
        EndWindowDrawing(nullptr, dc);
    }
    InvalidateRegion(kRegionPhraseBand, -2);
    InvalidateRegion(kRegionLetterPanel, -2);
}
