// The probe: hook procedures that Wine loads into Wordloft when the test
// driver installs them on the program's window thread. They act on two
// registered messages and ignore every other, so the program runs exactly
// as it would without them. Menus cannot be read from another process
// and the program's drawing is best copied from its own thread, so these
// requests are answered here.
#include <windows.h>

#include <cstring>

#include "probe_older_windows.h"
#include "probe_protocol.h"
#include "probe_texts.h"
#include "probe_timing.h"
#include "capture_format.h"

namespace {

UINT ProbeMessage() {
    static UINT message = RegisterWindowMessageA(PROBE_MESSAGE_NAME);
    return message;
}

UINT MarkerMessage() {
    static UINT message = RegisterWindowMessageA(PROBE_MARKER_NAME);
    return message;
}

ProbeBlock* OpenBlock() {
    static ProbeBlock* block = nullptr;
    if (block == nullptr) {
        HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, PROBE_MEMORY_NAME);
        if (mapping != nullptr) {
            block = static_cast<ProbeBlock*>(
                MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, kProbeMemorySize));
        }
    }
    return block;
}

uint32_t* PixelsOf(ProbeBlock* block) {
    return reinterpret_cast<uint32_t*>(block + 1);
}

// Copies the client area into the block, either from the window's own
// device context (what is on screen) or by asking the window to paint
// itself into a memory context.
int32_t CaptureClient(HWND window, ProbeBlock* block, bool print) {
    RECT client;
    GetClientRect(window, &client);
    int width = client.right, height = client.bottom;
    if (width <= 0 || height <= 0 || static_cast<uint32_t>(width * height) > kProbeMaxPixels)
        return 0;

    BITMAPINFO info = TopDownCaptureInfo(width, height);
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) {
        DeleteDC(memory);
        return 0;
    }
    HGDIOBJ old = SelectObject(memory, bitmap);
    PatBlt(memory, 0, 0, width, height, WHITENESS);
    if (print) {
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory),
                     PRF_CLIENT | PRF_ERASEBKGND);
    } else {
        // Paint what is waiting to be painted first, as the program's
        // message loop would do as soon as it is idle.
        UpdateWindow(window);
        HDC screen = GetDC(window);
        BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
        ReleaseDC(window, screen);
    }
    GdiFlush();
    std::memcpy(PixelsOf(block), bits, static_cast<size_t>(width) * height * 4);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    block->Width = width;
    block->Height = height;
    return 1;
}

int32_t Answer(HWND window, ProbeBlock* block) {
    HMENU menu = GetMenu(window);
    switch (block->Request) {
    case kProbeMenuStateByCommand:
        block->Value = static_cast<int32_t>(GetMenuState(menu, block->Argument, MF_BYCOMMAND));
        return 1;
    case kProbeMenuStateByPosition:
        block->Value = static_cast<int32_t>(GetMenuState(menu, block->Argument, MF_BYPOSITION));
        return 1;
    case kProbeCaptureWindow:
        return CaptureClient(window, block, false);
    case kProbeCapturePrint:
        return CaptureClient(window, block, true);
    case kProbeRepaint:
        return RedrawWindow(window, nullptr, nullptr,
                            RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN) ? 1 : 0;
    case kProbeTimePainting:
        return TimePainting(window, block);
    case kProbeStartLog:
        return StartEventLog(block);
    case kProbeStopLog:
        return StopEventLog(block);
    case kProbeProcessTime:
        return ReadProcessTime(block);
    case kProbeHideWindowDpi:
        return HideWindowDpi();
    case kProbeMenuText:
        return AnswerMenuText(window, block);
    case kProbeTextsThatDoNotFit:
        return AnswerTextsThatDoNotFit(window, block);
    case kProbeAnswerHighContrast:
        return AnswerHighContrast(block->Argument != 0);
    default:
        return 0;
    }
}

}  // namespace

namespace {

using PeekMessageFunction = BOOL(WINAPI*)(LPMSG, HWND, UINT, UINT, UINT);
PeekMessageFunction RealPeekMessage = nullptr;
// Above 0 while the program's own PeekMessageA runs: a pause serving the
// queue, or the removal of input after a game.
int ProgramPeeking = 0;

BOOL WINAPI WatchedPeekMessage(LPMSG message, HWND window, UINT first, UINT last, UINT remove) {
    if (RefuseLaterQueueFlags(remove >> 16)) return FALSE;
    ++ProgramPeeking;
    const BOOL found = RealPeekMessage(message, window, first, last, remove);
    --ProgramPeeking;
    return found;
}

// Redirects the program's import slot of PeekMessageA once, for good, and
// answers as an older Windows where the program runs as one.
void WatchProgramPeeking() {
    static bool done = false;
    if (done) return;
    done = true;
    ActAsOlderWindows(OpenBlock());
    void** slot = ImportSlot("user32.dll", "PeekMessageA");
    if (slot == nullptr) return;
    RealPeekMessage = reinterpret_cast<PeekMessageFunction>(*slot);
    if (!WriteSlot(slot, reinterpret_cast<void*>(&WatchedPeekMessage))) RealPeekMessage = nullptr;
}

void TimeQueueWait(ProbeBlock* block, const MSG* message) {
    const DWORD waited = GetTickCount() - message->time;
    ++block->QueueMessages;
    if (static_cast<int32_t>(waited) > block->QueueLongestMs) {
        block->QueueLongestMs = static_cast<int32_t>(waited);
        block->QueueLongestMessage = static_cast<int32_t>(message->message);
    }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeHookProc(int code, WPARAM wParam,
                                                                 LPARAM lParam) {
    WatchProgramPeeking();
    if (code == HC_ACTION) {
        const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (call->message == ProbeMessage()) {
            ProbeBlock* block = OpenBlock();
            if (block != nullptr) {
                block->Status = Answer(call->hwnd, block);
                block->AnswerSerial = static_cast<int32_t>(call->wParam);
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

extern "C" __declspec(dllexport) LRESULT CALLBACK MarkerHookProc(int code, WPARAM wParam,
                                                                  LPARAM lParam) {
    WatchProgramPeeking();
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        const MSG* message = reinterpret_cast<const MSG*>(lParam);
        ProbeBlock* block = OpenBlock();
        if (block != nullptr && block->WatchingQueue) TimeQueueWait(block, message);
        if (block != nullptr && message->message == MarkerMessage() && ProgramPeeking == 0)
            block->MarkerSerial = static_cast<int32_t>(message->wParam);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
