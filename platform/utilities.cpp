// The shell's small utilities: message boxes, string loads, the beep that
// respects the sound switch, cursors, dialog centring, the pause that paces
// every animation, the clipboard, the modifier keys and the removal of
// queued input after a game has ended.
#include "platform/utilities.h"

#include <algorithm>
#include <cstring>

#include "platform/program_handles.h"
#include "records/preferences.h"
#include "resource.h"

namespace {

// The cursor the last SetArrowCursor or SetWaitCursor replaced.
HCURSOR PreviousCursor = nullptr;

// String loads stop at 99 characters.
constexpr size_t kStringLimit = 100;

// Queued messages thrown away after a game: the keyboard messages, then
// the mouse messages, of any window of the thread.
constexpr UINT kFirstKeyboardMessage = 0x0100;
constexpr UINT kLastKeyboardMessage = 0x0108;
constexpr UINT kFirstMouseMessage = 0x0200;
constexpr UINT kLastMouseMessage = 0x0209;

void RemoveQueuedMessages(UINT first, UINT last) {
    MSG message;
    while (PeekMessageA(&message, nullptr, first, last, PM_REMOVE)) {
    }
}

}  // namespace

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
    buffer[0] = '\0';
    const int limit = static_cast<int>(std::min(size, kStringLimit));
    return LoadStringA(ProgramInstance, static_cast<uint16_t>(id), buffer, limit);
}

void BeepIfSoundOn() {
    if (Preferences.SoundOn != 0) MessageBeep(0);
}

HCURSOR SetArrowCursor() {
    PreviousCursor = SetCursor(LoadCursor(nullptr, IDC_ARROW));
    return PreviousCursor;
}

HCURSOR SetWaitCursor() {
    PreviousCursor = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    return PreviousCursor;
}

void CentreDialog(HWND dialog) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    RECT client;
    GetClientRect(dialog, &client);
    const int x = (screenWidth - client.right) / 2 - GetSystemMetrics(SM_CXDLGFRAME);
    const int y = (screenHeight - client.bottom) / 2 - GetSystemMetrics(SM_CYDLGFRAME);
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

// The program handles no message until the time has passed, but sleeps
// meanwhile instead of keeping the processor busy. An end that lies past
// the tick counter's wrap counts as reached at once.
void DelayMilliseconds(int16_t ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    for (DWORD now = GetTickCount(); now < end; now = GetTickCount()) {
        Sleep(end - now);
    }
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

void FlushPendingInput() {
    RemoveQueuedMessages(kFirstKeyboardMessage, kLastKeyboardMessage);
    RemoveQueuedMessages(kFirstMouseMessage, kLastMouseMessage);
}
