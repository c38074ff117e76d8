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

namespace {

// The class of the hidden window through which COM hands a
// single-threaded apartment the calls other processes make into its
// objects (the accessible objects): each call arrives as a message posted
// to that window, which a thread must dispatch for the call to run.
constexpr char kApartmentWindowClass[] = "OleMainThreadWndClass";

// Set while DelayMilliseconds waits.
int PausesUnderWay = 0;

BOOL CALLBACK MatchApartmentWindow(HWND window, LPARAM found) {
    char name[32] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, kApartmentWindowClass) != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The apartment window of this thread, or nullptr while the thread has
// joined no apartment (no screen reader has asked for anything yet). It
// is a message-only window; older systems made it a hidden top-level one.
HWND ApartmentWindow() {
    static HWND known = nullptr;
    const DWORD thread = GetCurrentThreadId();
    if (known && IsWindow(known) && GetWindowThreadProcessId(known, nullptr) == thread) return known;
    known = nullptr;
    for (HWND w = FindWindowExA(HWND_MESSAGE, nullptr, kApartmentWindowClass, nullptr); w;
         w = FindWindowExA(HWND_MESSAGE, w, kApartmentWindowClass, nullptr)) {
        if (GetWindowThreadProcessId(w, nullptr) == thread) return known = w;
    }
    HWND found = nullptr;
    EnumThreadWindows(thread, MatchApartmentWindow, reinterpret_cast<LPARAM>(&found));
    return known = found;
}

// Runs the requests waiting for this thread that a pause serves: messages
// other threads and processes send (PeekMessage handles every pending sent
// message before it looks at the queue; with PM_QS_SENDMESSAGE alone it
// takes nothing from it), then the calls into the apartment's objects.
// Input, paint requests and every other posted message stay queued.
void ServeWaitingRequests() {
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    HWND apartment = ApartmentWindow();
    while (apartment && PeekMessageA(&message, apartment, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

}  // namespace

// The player sees and can do nothing until the time has passed: no input,
// no menu and no painting is handled. Meanwhile the thread sleeps and wakes
// only to answer what other programs ask of the window and of its
// accessible objects (a screen reader reading the game), so that they are
// never kept waiting by a pause. An end that lies past the tick counter's
// wrap counts as reached at once.
void DelayMilliseconds(int16_t ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    ++PausesUnderWay;
    for (DWORD now = GetTickCount(); now < end; now = GetTickCount()) {
        // What is in the queue now counts as seen: the wait below wakes
        // only for a message sent or posted from here on (a call reaching
        // the apartment window), not again and again for input or a
        // command that stays queued until the pause is over.
        GetQueueStatus(QS_SENDMESSAGE | QS_POSTMESSAGE);
        ServeWaitingRequests();
        now = GetTickCount();
        if (now >= end) break;
        MsgWaitForMultipleObjectsEx(0, nullptr, end - now, QS_SENDMESSAGE | QS_POSTMESSAGE, 0);
    }
    --PausesUnderWay;
}

bool PauseUnderWay() { return PausesUnderWay > 0; }

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
