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
    if (icon) DrawIcon(dc, cell.left, cell.top, icon);
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
    for (int i = 0; i < kLetterCount; ++i) DrawCellIcon(dc, i, LetterIconOf(i));
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
