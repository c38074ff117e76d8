// The two scoreboard dialogs. The name dialog (151) takes the player's name
// for a winning streak that has just ended and files it on the board of the
// current MaxGuesses; the scoreboard dialog (138) shows one of the five
// boards, chosen with its radio buttons, in its board (scoreboard_board),
// a list control of the program's own. The name rule, the entry and the
// board order live in records/scoreboards. AskStreakName and ShowScoreboard
// are requests of the game, declared in game/requests.h.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "access/announcer.h"
#include "game/categories.h"
#include "game/game_state.h"
#include "game/requests.h"
#include "platform/language_pictures.h"
#include "platform/program_handles.h"
#include "platform/program_texts.h"
#include "platform/utilities.h"
#include "records/preferences.h"
#include "records/scoreboards.h"
#include "resource.h"
#include "scoreboard/scoreboard_access.h"
#include "scoreboard/scoreboard_board.h"

static_assert(IDC_BOARD_LAST - IDC_BOARD_FIRST == kBoardCount - 1,
              "one radio button per board, in MaxGuesses order");

namespace {

// What a screen reader is told when a name is refused; the dialog itself
// shows nothing new.

constexpr int kMaxNameLength = kPlayerNameFieldSize - 1;

// ---- The name dialog ----

// The word source the streak is filed under.
void StreakCategory(char* text, size_t size) {
    if (GameState.StreakMixed == 1) {
        LoadResourceString(IDS_VARIOUS_CATEGORIES, text, size);
        return;
    }
    std::snprintf(text, size, "%s", SourceLabel);
}

void AcceptStreakName(HWND dialog) {
    char name[kPlayerNameFieldSize] = "";
    GetDlgItemTextA(dialog, IDC_STREAK_NAME, name, sizeof name);
    if (!IsValidPlayerName(name)) {
        BeepIfSoundOn();
        SetDlgItemTextA(dialog, IDC_STREAK_NAME, "");
        SetFocus(GetDlgItem(dialog, IDC_STREAK_NAME));
        Announce(ProgramText(IDS_NAME_REFUSED), kAnnounceGuess);
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

// ---- The scoreboard dialog ----

void ShowBoard(HWND dialog, uint16_t board) {
    ShownBoard = board;
    CheckRadioButton(dialog, IDC_BOARD_FIRST, IDC_BOARD_LAST, IDC_BOARD_FIRST + board);
}

// Right after an entry the focus is on the entry's row, so that a screen
// reader reads it first; otherwise on "OK".
void OpenScoreboardDialog(HWND dialog) {
    ShowLanguagePicture(dialog, IDC_SCOREBOARD_BANNER, IDB_SCOREBOARD_BANNER);
    CentreDialog(dialog);
    ShowBoard(dialog, GameState.MaxGuessesIndex);
    const int newest = HighlightedScoreboardRow();
    FocusedBoardRow = newest >= 0 ? newest : 0;
    SetFocus(GetDlgItem(dialog, newest >= 0 ? IDC_BOARD_AREA : IDOK));
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
        NoteScoreboardShown(GetDlgItem(dialog, IDC_BOARD_AREA));
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
    case WM_DESTROY:
        ForgetLanguagePicture(dialog, IDC_SCOREBOARD_BANNER, IDB_SCOREBOARD_BANNER);
        return FALSE;
    }
    return FALSE;
}

}  // namespace

// ---- Requests answered here ----

void AskStreakName() {
    ProgramDialogBox(IDD_STREAKNAME, GetActiveWindow(),
                    StreakNameDialogProc, 0);
}

void ShowScoreboard(int16_t afterStreakEntry) {
    AfterStreakEntry = afterStreakEntry != 0 ? 1 : 0;
    if (!RegisterBoardClass(ProgramInstance)) {
        BeepIfSoundOn();
        return;
    }
    ProgramDialogBox(IDD_SCOREBOARD, GetActiveWindow(),
                    ScoreboardDialogProc, 0);
}
