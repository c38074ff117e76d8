// Real input through SendInput (real_input.h).
#include "real_input.h"

namespace {

constexpr DWORD kInputStepMs = 50;

bool Send(INPUT& input) { return SendInput(1, &input, sizeof input) == 1; }

bool SendMouse(DWORD flags, DWORD data = 0) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = data;
    return Send(input);
}

}  // namespace

bool PressKey(WORD virtualKey) {
    INPUT keys[2] = {};
    for (int i = 0; i < 2; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = virtualKey;
        keys[i].ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
        keys[i].ki.dwFlags = i == 0 ? 0 : KEYEVENTF_KEYUP;
    }
    return SendInput(2, keys, sizeof(INPUT)) == 2;
}

bool MovePointer(POINT screen) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    // Absolute positions run from 0 to 65535 across the primary screen.
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return Send(input);
}

bool PressPrimaryButton(bool down) { return SendMouse(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP); }

bool TurnWheel(int clicks) { return SendMouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(clicks * WHEEL_DELTA)); }

// Under Wine the pointer's place reaches the input queue a moment after
// the move: each step is given time to arrive.
bool ClickAt(POINT screen) {
    if (!MovePointer(screen)) return false;
    Sleep(kInputStepMs);
    if (!PressPrimaryButton(true)) return false;
    Sleep(kInputStepMs);
    return PressPrimaryButton(false);
}

bool FramePoint(const Program& program, LRESULT hit, POINT& screen) {
    RECT frame;
    if (!GetWindowRect(program.Window, &frame)) return false;
    const RECT client = ClientOnScreen(program);
    for (LONG y = frame.top + 2; y < client.top; y += 4) {
        for (LONG x = frame.left + 2; x < frame.right - 2; x += 4) {
            DWORD_PTR answer = 0;
            if (SendMessageTimeoutA(program.Window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_NORMAL, 2000, &answer) &&
                static_cast<LRESULT>(answer) == hit) {
                screen = POINT{x + 3, y + 3};
                return true;
            }
        }
    }
    return false;
}
