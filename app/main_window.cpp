// The main window procedure: window creation and destruction, painting,
// typed letters, the press-and-release of letter cells, the clicks on the
// case toggle, statistics panel, guess meter and face, the menu commands,
// the monitor's scale, the system's settings and colours, and the requests
// of screen readers. Each case forwards to one operation. Mouse positions
// arrive in the window's pixels and are taken back to the scene's before
// anything looks at them.
#include "app/main_window.h"

#include <windowsx.h>

#include <vector>

#include "access/game_access.h"
#include "app/list_from_outside.h"
#include "app/menu_commands.h"
#include "app/window_scale.h"
#include "game/engine.h"
#include "game/game_state.h"
#include "game/phrase.h"
#include "platform/display_dpi.h"
#include "platform/held_messages.h"
#include "platform/help.h"
#include "platform/pauses.h"
#include "platform/player_settings.h"
#include "platform/program_handles.h"
#include "platform/utilities.h"
#include "records/preferences.h"
#include "game/session_end.h"
#include "render/contrast_look.h"
#include "render/drawing_resources.h"
#include "render/face_and_statistics.h"
#include "render/guess_meter.h"
#include "render/letter_panel.h"
#include "render/scene_buffer.h"
#include "render/scene_layout.h"
#include "render/scene_paint.h"

namespace {

// Press tracking of a letter cell, from button press to release.
bool CaptureActive = false;
int16_t PressedCell = 0;
bool PressedShown = false;

// Set while a guess runs. The end of a game can open dialogs whose message
// loops hand input queued for this window back to it; that input belongs
// to no game and is dropped, as the game drops what is left afterwards.
bool GuessUnderWay = false;

// Set once the window is closing (a streak offered, the last save): a
// close request that arrives meanwhile is ignored.
bool Closing = false;

// Commands and close requests that reached the window while one of its
// modal dialogs or message boxes was open (posted by another program, or
// held during a guess and posted again when it ended). Run from the
// dialog's own message loop, a command could open a second dialog inside
// the first, or close the window under it: they wait until the dialog has
// closed and the window is enabled again.
std::vector<MSG> WaitingForDialog;

bool IsCommandOrClose(UINT message) {
    return message == WM_COMMAND || message == WM_SYSCOMMAND || message == WM_CLOSE;
}

bool IsCloseRequest(UINT message, WPARAM wParam) {
    return message == WM_CLOSE || (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE);
}

bool WaitForDialog(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsWindowEnabled(window) || !(message == WM_COMMAND || IsCloseRequest(message, wParam))) return false;
    MSG waiting = {};
    waiting.hwnd = window;
    waiting.message = message;
    waiting.wParam = wParam;
    waiting.lParam = lParam;
    WaitingForDialog.push_back(waiting);
    return true;
}

// The dialog has closed: what waited for it is posted again, in order.
// A command among it that opens a dialog makes the rest wait again.
LRESULT OnEnable(BOOL enabled) {
    if (!enabled) return 0;
    std::vector<MSG> waiting;
    waiting.swap(WaitingForDialog);
    for (const MSG& m : waiting) PostMessageA(m.hwnd, m.message, m.wParam, m.lParam);
    return 0;
}

// A command or close request that reaches the window while a guess or a
// pause runs (sent by another program, or handed on by the message loop of
// a dialog the end of a game opened) waits until it is over, in order.
// Input is dropped, as all input that arrives during a game's end is.
bool HoldForLater(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (Closing && IsCloseRequest(message, wParam)) return true;
    if (!RequestsHeld()) return WaitForDialog(window, message, wParam, lParam);
    if (IsGameEndInput(message)) return true;
    if (!IsCommandOrClose(message)) return false;
    HoldRequest(window, message, wParam, lParam);
    return true;
}

// The scene's buffer is made first: the window's size follows its scale,
// and the scale the player's text scale.
LRESULT OnCreate(HWND window) {
    MainWindow = window;
    FollowPlayerSettings();
    CreateDrawingResources(ProgramInstance, window);
    FitWindowToScene(window, WindowDpi(window), true);
    return 0;
}

LRESULT OnDpiChanged(HWND window, WPARAM wParam, LPARAM lParam) {
    if (FollowPlayerSettings() & kContrastThemeChanged) ShowNewLook();
    FollowNewDpi(window, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
    return 0;
}

LRESULT OnGetDpiScaledSize(HWND window, WPARAM wParam, LPARAM lParam) {
    *reinterpret_cast<SIZE*>(lParam) = WindowSizeAtDpi(window, static_cast<int>(wParam));
    return TRUE;
}

LRESULT OnDestroy() {
    ReleaseGameObjects();
    SavePreferences();
    QuitHelp();
    DeleteDrawingResources();
    PostQuitMessage(0);
    return 0;
}

// Windows ends the session (signing out, shutting down, restarting for an
// update) and then the process, without WM_DESTROY. The record is kept
// here, once, and the program ends at once, so that nothing this message
// interrupted (an animation, a dialog, a question) goes on to draw, ask or
// save again.
LRESULT OnEndSession(WPARAM ending) {
    if (!ending) return 0;
    KeepRecordAtSessionEnd();
    ExitProcess(0);
}

// Inside a pause the window shows the scene as drawn so far; what the
// game marked is composed once the pause is over.
LRESULT OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (dc && PauseUnderWay()) {
        ShowSceneWindow(dc, paint.rcPaint);
        PaintAgainAfterPause(window, paint.rcPaint);
    } else if (dc) {
        PaintSceneWindow(dc, paint.rcPaint);
    }
    EndPaint(window, &paint);
    return 0;
}

// A maximized window shows the scene at its own size, and is no longer
// maximized; a minimized one stays minimized, and is fitted to the screen
// as it is restored when the screen changed meanwhile.
LRESULT OnSize(HWND window, WPARAM kind) {
    if (kind == SIZE_MAXIMIZED) ShowWindow(window, SW_RESTORE);
    if (kind == SIZE_RESTORED) RefitWhenRestored(window);
    return 0;
}

// The player's settings are read again at every announcement of a change:
// a contrast theme switched on or off is drawn at once, and a new text
// scale refits the window. A change of the system's colours
// (WM_SYSCOLORCHANGE) redraws the scene whenever a theme is on, since its
// colours are what the scene is drawn in.
void FollowSettingsChange(HWND window, bool coloursChanged, bool refit) {
    const unsigned changed = FollowPlayerSettings();
    if ((changed & kContrastThemeChanged) || (coloursChanged && ContrastThemeOn())) ShowNewLook();
    if (refit || (changed & kTextScaleChanged)) RefitWindow(window);
}

LRESULT OnSettingChange(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    FollowSettingsChange(window, false, message == WM_DISPLAYCHANGE || wParam == SPI_SETNONCLIENTMETRICS);
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT OnPrintClient(HDC dc) {
    PrintScene(dc);
    return 0;
}

// F1 opens the help; Space, which is no letter and no accelerator, has a
// screen reader tell the whole game once more.
LRESULT OnKeyDown(WPARAM key) {
    if (key == VK_F1) ShowHelpIndex();
    if (key == VK_SPACE && !GuessUnderWay) RepeatGameState();
    return 0;
}

void Guess(int16_t letterIndex) {
    if (GuessUnderWay) return;
    GuessUnderWay = true;
    BeginHoldingRequests();
    GuessLetter(letterIndex);
    GuessUnderWay = false;
    EndHoldingRequests();
}

// A typed character guesses the letter it counts as; anything else gives
// an index outside A..Z, which the game ignores.
LRESULT OnChar(WPARAM character) {
    const signed char letter = static_cast<signed char>(FoldLetter(static_cast<char>(character)));
    Guess(static_cast<int16_t>(letter - 'A'));
    return 0;
}

// The scene point under the mouse position of a mouse message.
POINT ScenePointAt(LPARAM lParam) { return ScenePointOf(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); }

void PressLetterCell(HWND window, int x, int y) {
    const int16_t cell = LetterCellAt(x, y);
    if (cell < 0) return;
    InvertLetterCell(cell);
    SetCapture(window);
    PressedCell = cell;
    CaptureActive = true;
    PressedShown = true;
}

// A press outside the letter panel acts on the first region that holds it.
LRESULT OnLeftButtonDown(HWND window, POINT at) {
    if (GuessUnderWay) return 0;
    const int x = at.x;
    const int y = at.y;
    if (RegionContains(LetterPanel, x, y)) {
        PressLetterCell(window, x, y);
    } else if (RegionContains(CaseToggleBox, x, y)) {
        ToggleLetterCase();
        NoteRegionChanged(kRegionCaseToggleBox);
    } else if (RegionContains(StatisticsPanel, x, y)) {
        ToggleStatisticsPanel();
        NoteRegionChanged(kRegionStatisticsPanel);
    } else if (RegionContains(GuessMeter, x, y)) {
        RecolourGuessMeter();
    } else if (RegionContains(FaceBox, x, y)) {
        CycleFaceColour();
        NoteRegionChanged(kRegionFaceBox);
    }
    return 0;
}

// The pressed cell is shown inverted exactly while the pointer is over it.
LRESULT OnMouseMove(WPARAM keys, POINT at) {
    if (!(keys & MK_LBUTTON) || !CaptureActive) return 0;
    const bool over = RegionContains(LetterCells[PressedCell], at.x, at.y);
    if (over != PressedShown) {
        InvertLetterCell(PressedCell);
        PressedShown = over;
    }
    return 0;
}

// A release over the pressed cell guesses its letter. The capture is let
// go first, so that a dialog opened by the end of a game gets the mouse.
LRESULT OnLeftButtonUp(POINT at) {
    if (!CaptureActive) return 0;
    const bool guess = RegionContains(LetterPanel, at.x, at.y) && LetterCellAt(at.x, at.y) == PressedCell;
    CaptureActive = false;
    ReleaseCapture();
    if (PressedShown) InvertLetterCell(PressedCell);
    PressedShown = false;
    if (guess) Guess(PressedCell);
    return 0;
}

// Another window took the mouse during a press (a task switch, say): the
// press ends without a guess and the cell is shown normally again.
LRESULT OnCaptureLost() {
    if (!CaptureActive) return 0;
    CaptureActive = false;
    if (PressedShown) InvertLetterCell(PressedCell);
    PressedShown = false;
    return 0;
}

LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    if (RunMenuCommand(LOWORD(wParam))) return 0;
    return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
}

}  // namespace

void CloseMainWindow() {
    if (Closing) return;
    Closing = true;
    GameState.EndedStreak = GameState.Streak;
    OfferEndedStreak();
    DestroyWindow(MainWindow);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (HoldForLater(window, message, wParam, lParam)) return 0;
    switch (message) {
        case WM_CREATE: return OnCreate(window);
        case WM_DESTROY: return OnDestroy();
        case WM_CLOSE: CloseMainWindow(); return 0;
        case WM_ENDSESSION: return OnEndSession(wParam);
        case WM_NCCREATE: EnableScaledFrame(window); return DefWindowProcA(window, message, wParam, lParam);
        case WM_PAINT: return OnPaint(window);
        case WM_ERASEBKGND: return 1;  // a paint covers every pixel of the client area
        case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wParam));
        case WM_KEYDOWN: return OnKeyDown(wParam);
        case WM_CHAR: return OnChar(wParam);
        case WM_COMMAND: return OnCommand(window, wParam, lParam);
        case WM_LBUTTONDOWN: return OnLeftButtonDown(window, ScenePointAt(lParam));
        case WM_MOUSEMOVE: return OnMouseMove(wParam, ScenePointAt(lParam));
        case WM_LBUTTONUP: return OnLeftButtonUp(ScenePointAt(lParam));
        case WM_CAPTURECHANGED: return OnCaptureLost();
        case WM_SIZE: return OnSize(window, wParam);
        case WM_GETMINMAXINFO: KeepOwnSizeWhenMaximized(window, *reinterpret_cast<MINMAXINFO*>(lParam)); return 0;
        case WM_SETTINGCHANGE:
        case WM_DISPLAYCHANGE: return OnSettingChange(window, message, wParam, lParam);
        case WM_SYSCOLORCHANGE: FollowSettingsChange(window, true, false); return 0;
        case WM_DPICHANGED: return OnDpiChanged(window, wParam, lParam);
        case WM_GETDPISCALEDSIZE: return OnGetDpiScaledSize(window, wParam, lParam);
        case WM_GETOBJECT: return AnswerGameObject(window, wParam, lParam);
        case WM_SETFOCUS: NoteGameFocus(); return DefWindowProcA(window, message, wParam, lParam);
        case WM_ENABLE: return OnEnable(static_cast<BOOL>(wParam));
        case WM_COPYDATA: return TakeListFromOtherCopy(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        case WM_DROPFILES: return TakeDroppedList(reinterpret_cast<HDROP>(wParam));
        case kOpenWaitingListMessage: return OpenWaitingList();
        default: return DefWindowProcA(window, message, wParam, lParam);
    }
}
