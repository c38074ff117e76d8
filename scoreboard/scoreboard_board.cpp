// The board of the scoreboard dialog, a control of its own drawn by hand:
// headings, ranks, names, scores and word sources of the board shown, with
// the newest entry inverted right after it was made, and the keyboard's
// way through its rows.
#include "scoreboard/scoreboard_board.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "game/game_state.h"
#include "game/requests.h"
#include "records/preferences.h"
#include "records/scoreboards.h"
#include "render/contrast_look.h"
#include "render/display_scale.h"
#include "render/drawing.h"
#include "scoreboard/scoreboard_access.h"
#include "resource.h"

uint16_t ShownBoard = 0;
uint8_t AfterStreakEntry = 0;
int FocusedBoardRow = 0;

namespace {

// Board geometry in pixels at 100 % from the board area's top-left corner;
// on a monitor of another scale every length follows it (Scaled), as the
// dialog around the board and the font on it do.
constexpr int kHeadingsX = 45;
constexpr int kHeadingsY = 13;
// The headings' picture: its width, and where its words and its rule lie
// below its top.
constexpr int kHeadingsWidth = 420;
constexpr int kHeadingsTextTop = 1;
constexpr int kHeadingsRuleTop = 14;
constexpr int kFirstRowY = 30;
constexpr int kRowHeight = 16;
constexpr int kRankRight = 27;
constexpr int kNameLeft = 47;
constexpr int kScoreRight = 275;
constexpr int kCategoryLeft = 292;
constexpr int kHighlightInset = 2;

int Scaled(int length, int dpi) { return MulDiv(length, dpi, kSceneDpi); }

// The scale the dialog around the board was laid out at: its dialog units
// against those of 100 %, where a line of the dialog's font is 13 pixels
// high. A raster dialog font does not grow smoothly with the monitor's
// scale, and the board must fit the dialog it is in.
constexpr int kDialogLineAt100 = 13;

int BoardDpi(HWND area) {
    RECT line = {0, 0, 0, 8};
    if (!MapDialogRect(GetParent(area), &line) || line.bottom <= 0) return kSceneDpi;
    return MulDiv(kSceneDpi, line.bottom, kDialogLineAt100);
}

// A row's band across the board, from the area's left to right edge.
RECT RowBand(int r, int areaWidth, int dpi) {
    const int y = Scaled(kFirstRowY + kRowHeight * r, dpi);
    return RECT{Scaled(kHighlightInset, dpi), y, areaWidth - Scaled(kHighlightInset, dpi),
                Scaled(kFirstRowY + kRowHeight * (r + 1), dpi)};
}

// The row of the newest entry, scanned from the bottom so that among equal
// scores and names the one that entered last is found; -1 when the dialog
// was not opened after an entry or shows another board.
int HighlightedRow() {
    if (AfterStreakEntry != 1 || ShownBoard != GameState.MaxGuessesIndex) return -1;
    for (int r = kBoardRanks - 1; r >= 0; --r) {
        if (Preferences.ScoreboardScores[ShownBoard][r] == NewestScore &&
            std::strncmp(Preferences.ScoreboardNames[ShownBoard][r], NewestName,
                         kPlayerNameFieldSize) == 0) {
            return r;
        }
    }
    return -1;
}

void DrawRightAligned(HDC dc, int right, int y, int number) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", number);
    SetTextAlign(dc, TA_RIGHT | TA_TOP);
    TextOutA(dc, right, y, text, static_cast<int>(std::strlen(text)));
}

void DrawLeftAligned(HDC dc, int left, int y, const char* text, size_t width) {
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    TextOutA(dc, left, y, text, static_cast<int>(strnlen(text, width)));
}

// The rank of row r and, when it holds a score, its name, score and word
// source, on the line from y down.
void DrawRowTexts(HDC dc, int r, int y, int dpi) {
    DrawRightAligned(dc, Scaled(kRankRight, dpi), y, r + 1);
    const int16_t score = Preferences.ScoreboardScores[ShownBoard][r];
    if (score == 0) return;
    DrawLeftAligned(dc, Scaled(kNameLeft, dpi), y, Preferences.ScoreboardNames[ShownBoard][r],
                    kPlayerNameFieldSize);
    DrawRightAligned(dc, Scaled(kScoreRight, dpi), y, score);
    DrawLeftAligned(dc, Scaled(kCategoryLeft, dpi), y, Preferences.ScoreboardCategories[ShownBoard][r],
                    kBoardCategoryFieldSize);
}

// In the contrast look the newest entry's row takes the theme's selection
// colours instead of being inverted; every other text is the theme's text
// colour on its window colour.
void DrawBoardRow(HDC dc, int r, int areaWidth, int dpi, bool highlighted) {
    RECT band = RowBand(r, areaWidth, dpi);
    if (!ContrastLook()) {
        DrawRowTexts(dc, r, band.top, dpi);
        if (highlighted) InvertRect(dc, &band);
        return;
    }
    if (highlighted) FillRoleBackground(dc, {band.left, band.top, band.right, band.bottom}, kRoleSelectedText);
    ThemeTextColours colours(dc, highlighted ? kRoleSelectedText : kRoleText);
    DrawRowTexts(dc, r, band.top, dpi);
}

// The column headings written as text over a rule, for the contrast look,
// where the headings' picture would stand.
void DrawContrastHeadings(HDC dc, int dpi) {
    const int y = Scaled(kHeadingsY + kHeadingsTextTop, dpi);
    {
        ThemeTextColours colours(dc, kRoleText);
        const std::string name = ProgramText(IDS_HEADING_NAME);
        const std::string score = ProgramText(IDS_HEADING_SCORE);
        const std::string category = ProgramText(IDS_HEADING_CATEGORY);
        DrawLeftAligned(dc, Scaled(kNameLeft, dpi), y, name.c_str(), name.size());
        SetTextAlign(dc, TA_RIGHT | TA_TOP);
        TextOutA(dc, Scaled(kScoreRight, dpi), y, score.c_str(), static_cast<int>(score.size()));
        DrawLeftAligned(dc, Scaled(kCategoryLeft, dpi), y, category.c_str(), category.size());
    }
    const int ruleTop = Scaled(kHeadingsY + kHeadingsRuleTop, dpi);
    const RECT rule = {Scaled(kHeadingsX, dpi), ruleTop, Scaled(kHeadingsX + kHeadingsWidth, dpi), ruleTop + 2};
    const HBRUSH ink = GetSysColorBrush(ContrastPairs[kRoleShape].Foreground);
    if (ink) FillRect(dc, &rule, ink);
}

void DrawBoard(HDC dc, const RECT& client, int dpi) {
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    // In the contrast look FillWhite fills with the theme's window colour.
    FillWhite(dc, {client.left, client.top, client.right, client.bottom},
              static_cast<HPEN>(GetStockObject(BLACK_PEN)));
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    // A source name too long for the board stops short of its frame.
    IntersectClipRect(dc, client.left + 1, client.top + 1, client.right - 1, client.bottom - 1);
    if (ContrastLook()) {
        DrawContrastHeadings(dc, dpi);
    } else {
        DrawBitmapAtDpi(dc, DrawingResources.ScoreboardHeadings, Scaled(kHeadingsX, dpi), Scaled(kHeadingsY, dpi),
                        dpi);
    }
    const int highlight = HighlightedRow();
    for (int r = 0; r < kBoardRanks; ++r) DrawBoardRow(dc, r, client.right, dpi, r == highlight);
}

// The whole board into a device context of the board area.
void PaintBoard(HWND area, HDC dc) {
    RECT client;
    GetClientRect(area, &client);
    const int dpi = BoardDpi(area);
    HFONT font = CreateFontAtDpi(dc, "Times New Roman", 90, 0, dpi);
    HGDIOBJ oldFont = SelectObject(dc, font);
    const int saved = SaveDC(dc);
    DrawBoard(dc, client, dpi);
    RestoreDC(dc, saved);
    if (GetFocus() == area) {
        RECT band = ScoreboardRowArea(area, FocusedBoardRow);
        DrawFocusRect(dc, &band);
    }
    SelectObject(dc, oldFont);
    DeleteObject(font);
}

void MoveFocusTo(HWND area, int row) {
    if (row < 0) row = 0;
    if (row > kBoardRanks - 1) row = kBoardRanks - 1;
    if (row == FocusedBoardRow) return;
    FocusedBoardRow = row;
    InvalidateRect(area, nullptr, FALSE);
    NoteScoreboardFocus(area);
}

LRESULT OnBoardKey(HWND area, WPARAM key) {
    switch (key) {
        case VK_UP: MoveFocusTo(area, FocusedBoardRow - 1); break;
        case VK_DOWN: MoveFocusTo(area, FocusedBoardRow + 1); break;
        case VK_HOME:
        case VK_PRIOR: MoveFocusTo(area, 0); break;
        case VK_END:
        case VK_NEXT: MoveFocusTo(area, kBoardRanks - 1); break;
    }
    return 0;
}

LRESULT OnBoardPaint(HWND area) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(area, &paint);
    PaintBoard(area, dc);
    EndPaint(area, &paint);
    return 0;
}

// A press on the board gives it the focus, on the row under the pointer.
LRESULT OnBoardPress(HWND area, int x, int y) {
    SetFocus(area);
    for (int r = 0; r < kBoardRanks; ++r) {
        const RECT row = ScoreboardRowArea(area, r);
        const POINT point = {x, y};
        if (PtInRect(&row, point)) MoveFocusTo(area, r);
    }
    return 0;
}

LRESULT CALLBACK BoardProc(HWND area, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT answer = 0;
    switch (message) {
        case WM_GETOBJECT:
            if (AnswerScoreboardObject(area, wParam, lParam, &answer)) return answer;
            return DefWindowProcA(area, message, wParam, lParam);
        case WM_PAINT: return OnBoardPaint(area);
        case WM_ERASEBKGND: return 1;
        case WM_GETDLGCODE: return DLGC_WANTARROWS;
        case WM_KEYDOWN: return OnBoardKey(area, wParam);
        case WM_LBUTTONDOWN: return OnBoardPress(area, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        case WM_SETFOCUS:
            InvalidateRect(area, nullptr, FALSE);
            NoteScoreboardFocus(area);
            return 0;
        case WM_KILLFOCUS: InvalidateRect(area, nullptr, FALSE); return 0;
        case WM_DESTROY: ReleaseScoreboardObject(area); return 0;
        case WM_NCDESTROY: ForgetScoreboard(area); return DefWindowProcA(area, message, wParam, lParam);
        default: return DefWindowProcA(area, message, wParam, lParam);
    }
}

}  // namespace

bool RegisterBoardClass(HINSTANCE instance) {
    WNDCLASSA board = {};
    if (GetClassInfoA(instance, kBoardClass, &board)) return true;
    board.lpfnWndProc = BoardProc;
    board.hInstance = instance;
    board.hCursor = LoadCursor(nullptr, IDC_ARROW);
    board.lpszClassName = kBoardClass;
    return RegisterClassA(&board) != 0;
}

RECT ScoreboardRowArea(HWND area, int r) {
    RECT client = {0, 0, 0, 0};
    GetClientRect(area, &client);
    return RowBand(r, client.right, BoardDpi(area));
}

int HighlightedScoreboardRow() { return HighlightedRow(); }

void DrawScoreboard(HWND area) {
    HDC dc = GetDC(area);
    if (dc == nullptr) {
        BeepIfSoundOn();
        return;
    }
    PaintBoard(area, dc);
    ReleaseDC(area, dc);
}

void RedrawScoreboard(HWND area) {
    InvalidateRect(area, nullptr, TRUE);
    UpdateWindow(area);
    DrawScoreboard(area);
}
