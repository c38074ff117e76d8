// The two scoreboard dialogs. The name dialog (151) takes the player's name
// for a winning streak that has just ended and files it on the board of the
// current MaxGuesses; the scoreboard dialog (138) shows one of the five
// boards, chosen with its radio buttons, drawn by hand into an empty static
// control. The board's order and the name rule live in records/statistics.
#include "records/scoreboard_dialog.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "app/app_globals.h"
#include "app/utilities.h"
#include "game/categories.h"
#include "game/game_state.h"
#include "game/requests.h"
#include "records/preferences.h"
#include "records/statistics.h"
#include "render/drawing.h"
#include "resource.h"

static_assert(IDC_BOARD_LAST - IDC_BOARD_FIRST == kBoardCount - 1,
              "one radio button per board, in MaxGuesses order");

namespace {

// MaxGuessesIndex of the board the scoreboard dialog shows.
uint16_t ShownBoard = 0;
// 1 while the scoreboard dialog was opened right after a new entry: the
// entry's row is then inverted on its own board.
uint8_t AfterStreakEntry = 0;
// The static control's own window procedure, called before the board is
// drawn over it.
WNDPROC StaticAreaProc = nullptr;

constexpr int kMaxNameLength = kPlayerNameFieldSize - 1;

// Board geometry in pixels from the board area's top-left corner.
constexpr int kHeadingsX = 45;
constexpr int kHeadingsY = 13;
constexpr int kFirstRowY = 30;
constexpr int kRowHeight = 16;
constexpr int kRankRight = 27;
constexpr int kNameLeft = 47;
constexpr int kScoreRight = 275;
constexpr int kCategoryLeft = 292;
constexpr int kHighlightInset = 2;

// ---- The name dialog ----

// The word source the streak is filed under.
void StreakCategory(char* text, size_t size) {
    if (GameState.StreakMixed == 1) {
        LoadResourceString(IDS_VARIOUS_CATEGORIES, text, size);
        return;
    }
    std::snprintf(text, size, "%s", SourceLabelOf(Preferences.WordSource));
}

void AcceptStreakName(HWND dialog) {
    char name[kPlayerNameFieldSize] = "";
    GetDlgItemTextA(dialog, IDC_STREAK_NAME, name, sizeof name);
    if (!IsValidPlayerName(name)) {
        BeepIfSoundOn();
        SetDlgItemTextA(dialog, IDC_STREAK_NAME, "");
        SetFocus(GetDlgItem(dialog, IDC_STREAK_NAME));
        return;
    }
    char category[100];
    StreakCategory(category, sizeof category);
    EnterScoreboard(GameState.MaxGuessesIndex, name, GameState.EndedStreak, category);
    SavePreferences();
    EndDialog(dialog, IDOK);
}

void OpenStreakNameDialog(HWND dialog) {
    CentreDialog(dialog);
    HWND edit = GetDlgItem(dialog, IDC_STREAK_NAME);
    SendMessageA(edit, EM_LIMITTEXT, kMaxNameLength, 0);
    SetWindowTextA(edit, LastTypedName);
    SetFocus(edit);
}

// Only OK with a valid name closes it: Escape and the close box (command
// 2) are ignored.
INT_PTR CALLBACK StreakNameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        OpenStreakNameDialog(dialog);
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) AcceptStreakName(dialog);
        return TRUE;
    }
    return FALSE;
}

// ---- The board ----

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

void DrawBoardRow(HDC dc, int r, int areaWidth, bool highlighted) {
    const int y = kFirstRowY + kRowHeight * r;
    DrawRightAligned(dc, kRankRight, y, r + 1);
    const int16_t score = Preferences.ScoreboardScores[ShownBoard][r];
    if (score != 0) {
        DrawLeftAligned(dc, kNameLeft, y, Preferences.ScoreboardNames[ShownBoard][r],
                        kPlayerNameFieldSize);
        DrawRightAligned(dc, kScoreRight, y, score);
        DrawLeftAligned(dc, kCategoryLeft, y, Preferences.ScoreboardCategories[ShownBoard][r],
                        kBoardCategoryFieldSize);
    }
    if (highlighted) {
        RECT band = {kHighlightInset, y, areaWidth - kHighlightInset, y + kRowHeight};
        InvertRect(dc, &band);
    }
}

void DrawBoard(HDC dc, const RECT& client) {
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    Rectangle(dc, client.left, client.top, client.right, client.bottom);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    // A source name too long for the board stops short of its frame.
    IntersectClipRect(dc, client.left + 1, client.top + 1, client.right - 1, client.bottom - 1);
    DrawBitmap(dc, DrawingResources.ScoreboardHeadings, kHeadingsX, kHeadingsY, SRCCOPY);
    const int highlight = HighlightedRow();
    for (int r = 0; r < kBoardRanks; ++r) DrawBoardRow(dc, r, client.right, r == highlight);
}

// The board area repaints itself as an empty static and then carries the
// board again, so that uncovering it alone never leaves it blank.
LRESULT CALLBACK BoardAreaProc(HWND area, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcA(StaticAreaProc, area, message, wParam, lParam);
    if (message == WM_PAINT) DrawScoreboard(area);
    return result;
}

// ---- The scoreboard dialog ----

void ShowBoard(HWND dialog, uint16_t board) {
    ShownBoard = board;
    CheckRadioButton(dialog, IDC_BOARD_FIRST, IDC_BOARD_LAST, IDC_BOARD_FIRST + board);
}

void OpenScoreboardDialog(HWND dialog) {
    HWND area = GetDlgItem(dialog, IDC_BOARD_AREA);
    StaticAreaProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(area, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BoardAreaProc)));
    CentreDialog(dialog);
    ShowBoard(dialog, GameState.MaxGuessesIndex);
    SetFocus(GetDlgItem(dialog, IDOK));
}

// The dialog's own painting first, then the board over its area.
void PaintScoreboardDialog(HWND dialog) {
    PAINTSTRUCT paint;
    BeginPaint(dialog, &paint);
    EndPaint(dialog, &paint);
    RedrawScoreboard(GetDlgItem(dialog, IDC_BOARD_AREA));
}

void ScoreboardCommand(HWND dialog, int id) {
    if (id == IDOK || id == IDCANCEL) {
        EndDialog(dialog, id);
    } else if (id >= IDC_BOARD_FIRST && id <= IDC_BOARD_LAST) {
        ShowBoard(dialog, static_cast<uint16_t>(id - IDC_BOARD_FIRST));
        RedrawScoreboard(GetDlgItem(dialog, IDC_BOARD_AREA));
    }
}

INT_PTR CALLBACK ScoreboardDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        OpenScoreboardDialog(dialog);
        return FALSE;
    case WM_PAINT:
        PaintScoreboardDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        ScoreboardCommand(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void DrawScoreboard(HWND area) {
    HDC dc = GetDC(area);
    if (dc == nullptr) {
        BeepIfSoundOn();
        return;
    }
    RECT client;
    GetClientRect(area, &client);
    HFONT font = CreateScaledFont(dc, "Times New Roman", 90, 0, 0, true);
    HGDIOBJ oldFont = SelectObject(dc, font);
    DrawBoard(dc, client);
    SelectObject(dc, oldFont);
    DeleteObject(font);
    ReleaseDC(area, dc);
}

void RedrawScoreboard(HWND area) {
    InvalidateRect(area, nullptr, TRUE);
    UpdateWindow(area);
    DrawScoreboard(area);
}

void AskStreakName() {
    DialogBoxParamA(ProgramInstance, MAKEINTRESOURCEA(IDD_STREAKNAME), GetActiveWindow(),
                    StreakNameDialogProc, 0);
}

void ShowScoreboard(int16_t afterStreakEntry) {
    AfterStreakEntry = afterStreakEntry != 0 ? 1 : 0;
    DialogBoxParamA(ProgramInstance, MAKEINTRESOURCEA(IDD_SCOREBOARD), GetActiveWindow(),
                    ScoreboardDialogProc, 0);
}
