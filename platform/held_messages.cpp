// Holding messages through a guess or a pause and posting them again
// (held_messages.h).
#include "platform/held_messages.h"

#include <shellapi.h>

#include <vector>

#include "platform/frame_clicks.h"

namespace {

// The client area's input that a game's end drops, range by range: the
// keyboard (WM_KEYFIRST to WM_UNICHAR), the mouse with its wheels and extra
// buttons (WM_MOUSEFIRST to WM_MOUSEHWHEEL), touch (WM_TOUCH) and the
// pointer messages of pens and touch screens (WM_POINTERUPDATE to
// WM_POINTERHWHEEL, Windows 8 on).
struct MessageRange {
    UINT First;
    UINT Last;
};
constexpr MessageRange kGameEndInput[] = {{0x0100, 0x0109}, {0x0200, 0x020E}, {0x0240, 0x0240}, {0x0245, 0x024F}};

// Frame input held at once; beyond it, further frame input is dropped.
constexpr size_t kHeldInputLimit = 1024;
constexpr UINT kFrameHoverMessage = 0x02A0;  // WM_NCMOUSEHOVER
constexpr UINT kFrameLeaveMessage = 0x02A2;  // WM_NCMOUSELEAVE

std::vector<MSG> Held;
size_t HeldInput = 0;
// Where the one held move over the frame is, or -1.
long HeldMoveAt = -1;
bool QuitHeld = false;
WPARAM QuitCode = 0;

bool IsFrameMove(UINT message) {
    return message == WM_NCMOUSEMOVE || message == kFrameHoverMessage || message == kFrameLeaveMessage;
}

bool IsFrameInput(UINT message) {
    return (message > kFirstFrameMessage && message <= kLastFrameMessage) ||
           (message >= kFirstFramePointerMessage && message <= kLastFramePointerMessage);
}

bool IsFramePress(const MSG& m) { return m.message == WM_NCLBUTTONDOWN || m.message == WM_NCLBUTTONDBLCLK; }

// The mouse button the player presses as the left one.
bool PrimaryButtonDown() {
    const int key = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    return (GetAsyncKeyState(key) & 0x8000) != 0;
}

void PostAgain(const MSG& m) {
    bool posted = false;
    if (m.hwnd == nullptr) {
        posted = PostThreadMessageA(GetCurrentThreadId(), m.message, m.wParam, m.lParam) != 0;
    } else if (IsWindow(m.hwnd)) {
        posted = PostMessageA(m.hwnd, m.message, m.wParam, m.lParam) != 0;
    }
    // The files of a drop that can no longer arrive are let go.
    if (!posted && m.message == WM_DROPFILES) DragFinish(reinterpret_cast<HDROP>(m.wParam));
}

// Where the release of the frame press at index press is held, or 0 when
// it is not: the next release of the primary button before another press.
size_t ReleaseOf(const std::vector<MSG>& held, size_t press) {
    for (size_t i = press + 1; i < held.size(); ++i) {
        if (IsFramePress(held[i])) return 0;
        if (held[i].message == WM_NCLBUTTONUP) return i;
    }
    return 0;
}

// The press at index press is the first click of a double click that is
// held too: the double click alone does what the two do.
bool FirstOfDoubleClick(const std::vector<MSG>& held, size_t press, size_t release) {
    for (size_t i = (release ? release : press) + 1; i < held.size(); ++i) {
        if (IsFramePress(held[i]))
            return held[i].message == WM_NCLBUTTONDBLCLK && held[i].wParam == held[press].wParam;
    }
    return false;
}

void ReplayFramePress(const MSG& press, const MSG* release, bool buttonDown) {
    const FrameClickReplay replay =
        ReplayFrameClick(press.message == WM_NCLBUTTONDBLCLK, static_cast<int32_t>(press.wParam), release != nullptr,
                         release ? static_cast<int32_t>(release->wParam) : 0, buttonDown);
    switch (replay) {
        case FrameClickReplay::PressAgain:
            PostMessageA(press.hwnd, WM_NCLBUTTONDOWN, press.wParam, press.lParam);
            break;
        case FrameClickReplay::Close: PostMessageA(press.hwnd, WM_SYSCOMMAND, SC_CLOSE, 0); break;
        case FrameClickReplay::Minimize: PostMessageA(press.hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0); break;
        case FrameClickReplay::Nothing: break;
    }
}

}  // namespace

bool IsGameEndInput(UINT message) {
    for (const MessageRange& range : kGameEndInput) {
        if (message >= range.First && message <= range.Last) return true;
    }
    return false;
}

void RemoveGameEndInput() {
    MSG message;
    for (const MessageRange& range : kGameEndInput) {
        while (PeekMessageA(&message, nullptr, range.First, range.Last, PM_REMOVE)) {
        }
    }
}

void HoldMessage(const MSG& message) {
    if (message.message == WM_QUIT) {
        QuitHeld = true;
        QuitCode = message.wParam;
        return;
    }
    if (IsFrameMove(message.message)) {
        if (HeldMoveAt >= 0) Held.erase(Held.begin() + HeldMoveAt);
        HeldMoveAt = static_cast<long>(Held.size());
        Held.push_back(message);
        return;
    }
    if (IsFrameInput(message.message) || IsGameEndInput(message.message)) {
        if (HeldInput >= kHeldInputLimit) return;
        ++HeldInput;
    }
    Held.push_back(message);
}

void PostHeldMessages() {
    std::vector<MSG> held;
    held.swap(Held);
    HeldInput = 0;
    HeldMoveAt = -1;
    const bool buttonDown = PrimaryButtonDown();
    std::vector<bool> taken(held.size(), false);
    for (size_t i = 0; i < held.size(); ++i) {
        if (taken[i]) continue;
        if (!IsFramePress(held[i])) {
            PostAgain(held[i]);
            continue;
        }
        const size_t release = ReleaseOf(held, i);
        if (release) taken[release] = true;
        if (!FirstOfDoubleClick(held, i, release)) ReplayFramePress(held[i], release ? &held[release] : nullptr, buttonDown);
    }
    if (QuitHeld) PostQuitMessage(static_cast<int>(QuitCode));
    QuitHeld = false;
}
