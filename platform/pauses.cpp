// The pauses: a wait that keeps the window's queue served, the requests
// held until a guess or pause is over, and the input a game's end drops.
#include "platform/pauses.h"

#include <cstring>
#include <vector>

#include "platform/queue_flags.h"
#include "platform/windows_version.h"

namespace {

// The keyboard and mouse messages of the client area that a game's end
// drops, as FlushPendingInput removes them: the keyboard messages, then
// the mouse messages, of any window of the thread.
constexpr UINT kFirstKeyboardMessage = 0x0100;
constexpr UINT kLastKeyboardMessage = 0x0108;
constexpr UINT kFirstMouseMessage = 0x0200;
constexpr UINT kLastMouseMessage = 0x0209;
// Non-client mouse input: the caption, the frame, the close box.
constexpr UINT kFirstNonClientMessage = WM_NCMOUSEMOVE;
constexpr UINT kLastNonClientMessage = WM_NCMBUTTONDBLCLK;
// The timer the system keeps for carets and the like.
constexpr UINT kSystemTimerMessage = 0x0118;

// The messages held at once; beyond them only close requests are kept.
constexpr size_t kHeldLimit = 256;
// Paints served in one round of the queue: a window that never validates
// its update area cannot keep a pause spinning.
constexpr int kPaintsPerRound = 16;
// Where the system refuses a wait, the rest of the pause is waited out in
// steps this long, serving the queue between them.
constexpr DWORD kRefusedWaitStepMs = 10;

// The class of the hidden window through which COM hands a
// single-threaded apartment the calls other processes make into its
// objects (the accessible objects): each call arrives as a message posted
// to that window, which a thread must dispatch for the call to run.
constexpr char kApartmentWindowClass[] = "OleMainThreadWndClass";

int PauseDepth = 0;
int HoldDepth = 0;
bool GameEnding = false;

std::vector<MSG> Held;
bool QuitHeld = false;
WPARAM QuitCode = 0;
// The part of a window that a paint inside a pause only copied.
HWND CopiedWindow = nullptr;
RECT CopiedArea = {0, 0, 0, 0};

bool IsDroppedInput(UINT message) {
    return (message >= kFirstKeyboardMessage && message <= kLastKeyboardMessage) ||
           (message >= kFirstMouseMessage && message <= kLastMouseMessage);
}

bool IsCloseRequest(const MSG& m) {
    return m.message == WM_CLOSE || (m.message == WM_SYSCOMMAND && (m.wParam & 0xFFF0) == SC_CLOSE) ||
           ((m.message == WM_NCLBUTTONDOWN || m.message == WM_NCLBUTTONUP) && m.wParam == HTCLOSE);
}

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

void Hold(const MSG& message) {
    if (message.message == WM_QUIT) {
        QuitHeld = true;
        QuitCode = message.wParam;
        return;
    }
    if (Held.size() >= kHeldLimit && !IsCloseRequest(message)) return;
    Held.push_back(message);
}

// One message a pause took off the queue.
void Serve(MSG& message, HWND apartment) {
    if (message.message == WM_PAINT || (apartment && message.hwnd == apartment) || message.message == WM_TIMER ||
        message.message == kSystemTimerMessage) {
        DispatchMessageA(&message);
    } else if (!(GameEnding && IsDroppedInput(message.message))) {
        Hold(message);
    }
}

// The kinds of message this Windows lets a wait and a peek name, decided
// at the first pause: the Windows 8 kinds of input (touch, pointer) only
// where the version has them, and there only when the system takes them.
// An older Windows is never asked.
const QueueFlags& RunningQueueFlags() {
    static const QueueFlags flags = [] {
        const WindowsVersion version = RunningWindowsVersion();
        bool refused = false;
        if (VersionHasLaterQueueKinds(version.Major, version.Minor)) {
            SetLastError(ERROR_SUCCESS);
            GetQueueStatus(kQueueTouch | kQueuePointer);
            refused = GetLastError() == ERROR_INVALID_PARAMETER;
        }
        return QueueFlagsFor(version.Major, version.Minor, refused);
    }();
    return flags;
}

// Takes everything waiting that a pause takes. PeekMessage answers every
// message sent to the thread before it looks at the queue.
void ServeQueue() {
    const UINT input = RunningQueueFlags().InputPeek;
    const HWND apartment = ApartmentWindow();
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE)) Serve(message, apartment);
    if (GameEnding) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE | input)) Serve(message, apartment);
    } else {
        while (PeekMessageA(&message, nullptr, kFirstNonClientMessage, kLastNonClientMessage,
                            PM_REMOVE | input))
            Serve(message, apartment);
    }
    for (int i = 0; i < kPaintsPerRound && PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE | PM_QS_PAINT);
         ++i)
        Serve(message, apartment);
}

// The mouse button the player presses as the left one.
bool PrimaryButtonDown() {
    const int key = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    return (GetAsyncKeyState(key) & 0x8000) != 0;
}

// A press on the caption or a frame button that was held while the button
// went up again is a finished click: the close and minimize boxes do what
// they show; a click elsewhere on the frame has already activated the
// window. Posting the press again would start the frame's tracking of a
// button that is no longer down.
void PostHeldFrameClick(const MSG& m) {
    if (m.message == WM_NCLBUTTONDOWN && m.wParam == HTCLOSE) {
        PostMessageA(m.hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if (m.message == WM_NCLBUTTONDOWN && m.wParam == HTMINBUTTON) {
        PostMessageA(m.hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    } else if (m.message == WM_NCLBUTTONDBLCLK && m.wParam == HTSYSMENU) {
        PostMessageA(m.hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
}

void PostHeld(const MSG& m, bool buttonDown) {
    const bool framePress = m.message == WM_NCLBUTTONDOWN || m.message == WM_NCLBUTTONDBLCLK;
    if (framePress && !buttonDown) {
        PostHeldFrameClick(m);
    } else if (m.hwnd == nullptr) {
        PostThreadMessageA(GetCurrentThreadId(), m.message, m.wParam, m.lParam);
    } else if (IsWindow(m.hwnd)) {
        PostMessageA(m.hwnd, m.message, m.wParam, m.lParam);
    }
}

// The guess or pause is over: what it held is posted again in order.
void ReleaseHeld() {
    std::vector<MSG> held;
    held.swap(Held);
    const bool buttonDown = PrimaryButtonDown();
    for (const MSG& m : held) PostHeld(m, buttonDown);
    if (QuitHeld) PostQuitMessage(static_cast<int>(QuitCode));
    QuitHeld = false;
}

// The pause is over: what a paint inside it only copied waits to be
// painted properly, as every paint request waited through a pause: by the
// message loop after the guess, or by a dialog that the guess opens.
void RestoreCopiedArea() {
    if (CopiedWindow && IsWindow(CopiedWindow) && !IsRectEmpty(&CopiedArea))
        InvalidateRect(CopiedWindow, &CopiedArea, FALSE);
    CopiedWindow = nullptr;
    SetRectEmpty(&CopiedArea);
}

// One step of a wait the system refused: the event or the step's time.
DWORD WaitOneStep(HANDLE event, DWORD ms) {
    const DWORD step = ms < kRefusedWaitStepMs ? ms : kRefusedWaitStepMs;
    if (event) return WaitForSingleObject(event, step);
    Sleep(step);
    return WAIT_TIMEOUT;
}

void RemoveQueuedMessages(UINT first, UINT last) {
    MSG message;
    while (PeekMessageA(&message, nullptr, first, last, PM_REMOVE)) {
    }
}

}  // namespace

void BeginHoldingRequests() { ++HoldDepth; }

void EndHoldingRequests() {
    if (HoldDepth > 0 && --HoldDepth == 0) {
        GameEnding = false;
        ReleaseHeld();
    }
}

bool RequestsHeld() { return HoldDepth > 0; }

void HoldRequest(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG held = {};
    held.hwnd = window;
    held.message = message;
    held.wParam = wParam;
    held.lParam = lParam;
    Hold(held);
}

bool PauseUnderWay() { return PauseDepth > 0; }

void PaintAgainAfterPause(HWND window, const RECT& area) {
    if (CopiedWindow != nullptr && CopiedWindow != window) return;
    CopiedWindow = window;
    UnionRect(&CopiedArea, &CopiedArea, &area);
}

// What is in the queue is marked as seen before each round, so that the
// wait below wakes only for what arrives after it: input that stays queued
// until the pause is over does not wake it again and again. A wait the
// system refuses never ends the pause early: the rest is waited out in
// short steps.
bool WaitServingQueue(HANDLE event, DWORD ms) {
    const QueueFlags& flags = RunningQueueFlags();
    const DWORD start = GetTickCount();
    const DWORD handleCount = event ? 1 : 0;
    bool signalled = false;
    bool refused = false;
    ++PauseDepth;
    BeginHoldingRequests();
    for (;;) {
        GetQueueStatus(flags.Wake);
        ServeQueue();
        const DWORD passed = GetTickCount() - start;
        if (passed >= ms) break;
        DWORD woke = WAIT_FAILED;
        if (!refused) woke = MsgWaitForMultipleObjectsEx(handleCount, &event, ms - passed, flags.Wake, 0);
        if (woke == WAIT_FAILED) {
            refused = true;
            woke = WaitOneStep(event, ms - passed);
        }
        if (handleCount && woke == WAIT_OBJECT_0) {
            signalled = true;
            break;
        }
    }
    if (--PauseDepth == 0) RestoreCopiedArea();
    EndHoldingRequests();
    return signalled;
}

// ---- Requests answered here ----

// The player sees and can do nothing until the time has passed. An end
// that lies past the tick counter's wrap counts as reached at once.
void DelayMilliseconds(int16_t ms) {
    const DWORD now = GetTickCount();
    if (ms <= 0 || now + static_cast<DWORD>(ms) < now) return;
    WaitServingQueue(nullptr, static_cast<DWORD>(ms));
}

void BeginGameEnd() { GameEnding = true; }

void FlushPendingInput() {
    RemoveQueuedMessages(kFirstKeyboardMessage, kLastKeyboardMessage);
    RemoveQueuedMessages(kFirstMouseMessage, kLastMouseMessage);
    GameEnding = false;
}
