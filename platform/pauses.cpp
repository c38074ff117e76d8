// The pauses: a wait that keeps the window's queue served, the requests
// held until a guess or pause is over (platform/held_messages.h), and the
// input a game's end drops.
#include "platform/pauses.h"

#include <cstring>

#include "platform/held_messages.h"
#include "platform/queue_flags.h"
#include "platform/windows_version.h"

namespace {

// The timer the system keeps for carets and the like.
constexpr UINT kSystemTimerMessage = 0x0118;
// Paints served in one round of the queue: a window that never validates
// its update area cannot keep a pause spinning.
constexpr int kPaintsPerRound = 16;
// Where the system refuses a wait, the rest of the pause is waited out in
// steps this long, serving the queue between them.
constexpr DWORD kRefusedWaitStepMs = 10;
// A wait that also watches flags (a sound's end) looks at them this often.
constexpr DWORD kFlagsLookMs = 50;

// The class of the hidden window through which COM hands a
// single-threaded apartment the calls other processes make into its
// objects (the accessible objects): each call arrives as a message posted
// to that window, which a thread must dispatch for the call to run.
constexpr char kApartmentWindowClass[] = "OleMainThreadWndClass";

int PauseDepth = 0;
int HoldDepth = 0;
bool GameEnding = false;

// The part of a window that a paint inside a pause only copied.
HWND CopiedWindow = nullptr;
RECT CopiedArea = {0, 0, 0, 0};

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

// One message a pause took off the queue.
void Serve(MSG& message, HWND apartment) {
    if (message.message == WM_PAINT || (apartment && message.hwnd == apartment) || message.message == WM_TIMER ||
        message.message == kSystemTimerMessage) {
        DispatchMessageA(&message);
    } else if (!(GameEnding && IsGameEndInput(message.message))) {
        HoldMessage(message);
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

void ServeRange(UINT first, UINT last, UINT kinds, HWND apartment) {
    MSG message;
    while (PeekMessageA(&message, nullptr, first, last, PM_REMOVE | kinds)) Serve(message, apartment);
}

// Takes everything waiting that a pause takes. PeekMessage answers every
// message sent to the thread before it looks at the queue.
void ServeQueue() {
    const UINT input = RunningQueueFlags().InputPeek;
    const HWND apartment = ApartmentWindow();
    ServeRange(0, 0, PM_QS_POSTMESSAGE, apartment);
    if (GameEnding) {
        ServeRange(0, 0, input, apartment);
    } else {
        ServeRange(kFirstFrameMessage, kLastFrameMessage, input, apartment);
        ServeRange(kFirstFramePointerMessage, kLastFramePointerMessage, input, apartment);
    }
    MSG message;
    for (int i = 0; i < kPaintsPerRound && PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE | PM_QS_PAINT);
         ++i)
        Serve(message, apartment);
}

// True when a message was posted or sent to the thread and is still
// waiting. Taking any message off the queue clears the wait's memory of
// what was posted, so one posted while a round served input or paints
// would not wake the wait.
bool PostedOrSentWaiting() {
    return (HIWORD(GetQueueStatus(QS_POSTMESSAGE | QS_SENDMESSAGE)) & (QS_POSTMESSAGE | QS_SENDMESSAGE)) != 0;
}

// One step of a wait the system refused: the event or the step's time.
DWORD WaitOneStep(HANDLE event, DWORD ms) {
    const DWORD step = ms < kRefusedWaitStepMs ? ms : kRefusedWaitStepMs;
    if (event) return WaitForSingleObject(event, step);
    Sleep(step);
    return WAIT_TIMEOUT;
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

}  // namespace

void BeginHoldingRequests() { ++HoldDepth; }

void EndHoldingRequests() {
    if (HoldDepth > 0 && --HoldDepth == 0) {
        GameEnding = false;
        PostHeldMessages();
    }
}

bool RequestsHeld() { return HoldDepth > 0; }

void HoldRequest(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG held = {};
    held.hwnd = window;
    held.message = message;
    held.wParam = wParam;
    held.lParam = lParam;
    HoldMessage(held);
}

bool PauseUnderWay() { return PauseDepth > 0; }

void PaintAgainAfterPause(HWND window, const RECT& area) {
    if (CopiedWindow != nullptr && CopiedWindow != window) return;
    CopiedWindow = window;
    UnionRect(&CopiedArea, &CopiedArea, &area);
}

// What is in the queue is marked as seen before each round, so that the
// wait below wakes only for what arrives after it: input that stays queued
// until the pause is over does not wake it again and again. A posted or
// sent message still waiting is served before any wait. A wait the system
// refuses never ends the pause early: the rest is waited out in short
// steps.
bool WaitServingQueue(HANDLE event, DWORD ms, const volatile DWORD* flags, DWORD doneFlags) {
    const QueueFlags& queue = RunningQueueFlags();
    const DWORD start = GetTickCount();
    const DWORD handleCount = event ? 1 : 0;
    bool ended = false;
    bool refused = false;
    ++PauseDepth;
    BeginHoldingRequests();
    for (;;) {
        GetQueueStatus(queue.Wake);
        ServeQueue();
        if (flags && (*flags & doneFlags) == doneFlags) {
            ended = true;
            break;
        }
        const DWORD passed = GetTickCount() - start;
        if (passed >= ms) break;
        if (PostedOrSentWaiting()) continue;
        DWORD wait = ms - passed;
        if (flags && wait > kFlagsLookMs) wait = kFlagsLookMs;
        DWORD woke = WAIT_FAILED;
        if (!refused) woke = MsgWaitForMultipleObjectsEx(handleCount, &event, wait, queue.Wake, 0);
        if (woke == WAIT_FAILED) {
            refused = true;
            woke = WaitOneStep(event, wait);
        }
        if (handleCount && woke == WAIT_OBJECT_0) {
            ended = true;
            break;
        }
    }
    if (--PauseDepth == 0) RestoreCopiedArea();
    EndHoldingRequests();
    return ended;
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
    RemoveGameEndInput();
    GameEnding = false;
}
