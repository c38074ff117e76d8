// The shell's small utilities: message boxes, string loads, the beep that
// respects the sound switch, cursors, dialog centring, the clipboard and
// the modifier keys.
#include "platform/utilities.h"

#include <algorithm>
#include <cstring>

#include "platform/program_handles.h"
#include "platform/program_texts.h"
#include "records/preferences.h"
#include "resource.h"

namespace {

// The cursor the last SetArrowCursor or SetWaitCursor replaced.
HCURSOR PreviousCursor = nullptr;

// String loads stop at 99 characters.
constexpr size_t kStringLimit = 100;

}  // namespace

HCURSOR SetArrowCursor() {
    PreviousCursor = SetCursor(LoadCursor(nullptr, IDC_ARROW));
    return PreviousCursor;
}

HCURSOR SetWaitCursor() {
    PreviousCursor = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    return PreviousCursor;
}

// The screen is the monitor that shows the main window (the primary one
// before there is a main window); on a single monitor that is the whole
// screen, SM_CXSCREEN by SM_CYSCREEN.
void CentreDialog(HWND dialog) {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    const HMONITOR shown = MonitorFromWindow(MainWindow ? MainWindow : dialog, MONITOR_DEFAULTTOPRIMARY);
    if (!GetMonitorInfoA(shown, &monitor)) {
        SetRect(&monitor.rcMonitor, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    }
    const RECT& screen = monitor.rcMonitor;
    RECT client;
    GetClientRect(dialog, &client);
    const int x = screen.left + (screen.right - screen.left - client.right) / 2 - GetSystemMetrics(SM_CXDLGFRAME);
    const int y = screen.top + (screen.bottom - screen.top - client.bottom) / 2 - GetSystemMetrics(SM_CYDLGFRAME);
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void CopyTextToClipboard(const char* text) {
    if (!OpenClipboard(nullptr)) return;
    if (!EmptyClipboard()) {
        CloseClipboard();
        return;
    }
    const size_t size = std::strlen(text) + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (memory == nullptr) {
        BeepIfSoundOn();
        CloseClipboard();
        return;
    }
    void* bytes = GlobalLock(memory);
    if (bytes == nullptr) {
        GlobalFree(memory);
        BeepIfSoundOn();
        CloseClipboard();
        return;
    }
    std::memcpy(bytes, text, size);
    GlobalUnlock(memory);
    // From here on the clipboard owns the memory; if it refuses it, the
    // memory is still ours to free.
    if (SetClipboardData(CF_TEXT, memory) == nullptr) GlobalFree(memory);
    CloseClipboard();
}

int16_t IsControlDown() { return (GetAsyncKeyState(VK_CONTROL) & 0x8000) ? 1 : 0; }

int16_t IsShiftDown() { return (GetAsyncKeyState(VK_SHIFT) & 0x8000) ? 1 : 0; }

// ---- Requests answered here ----

int ShowInfoMessage(const char* text) {
    SetArrowCursor();
    return MessageBoxA(GetActiveWindow(), text, ProductTitle, MB_OK | MB_ICONINFORMATION);
}

int ShowErrorMessage(const char* text) {
    SetArrowCursor();
    char caption[kStringLimit];
    LoadResourceString(IDS_ERROR_CAPTION, caption, sizeof caption);
    return MessageBoxA(GetActiveWindow(), text, caption, MB_OK | MB_ICONEXCLAMATION);
}

bool AskYesNoCancel(const char* text) {
    return MessageBoxA(MainWindow, text, ProductTitle, MB_YESNOCANCEL | MB_ICONQUESTION) == IDYES;
}

int LoadResourceString(int16_t id, char* buffer, size_t size) {
    if (size == 0) return 0;
    const std::string text = ProgramText(id).substr(0, std::min(size, kStringLimit) - 1);
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<int>(text.size());
}

void BeepIfSoundOn() {
    if (Preferences.SoundOn != 0) MessageBeep(0);
}
