// Timing inside the program. The pauses and the drawing of the program are
// observed by redirecting the program's own import slots of Sleep,
// MsgWaitForMultipleObjectsEx (the wait of a pause that answers other
// programs meanwhile) and ReleaseDC to timed wrappers while a log runs; the
// slots are put back when it stops, so the program is left as it was.
#include "probe_timing.h"

#include <cstring>

namespace {

using SleepFunction = VOID(WINAPI*)(DWORD);
using ReleaseDCFunction = int(WINAPI*)(HWND, HDC);
using MsgWaitFunction = DWORD(WINAPI*)(DWORD, const HANDLE*, DWORD, DWORD, DWORD);

ProbeEventLog* Log = nullptr;
void** SleepSlot = nullptr;
void** ReleaseDCSlot = nullptr;
void** MsgWaitSlot = nullptr;
SleepFunction RealSleep = nullptr;
MsgWaitFunction RealMsgWait = nullptr;
ReleaseDCFunction RealReleaseDC = nullptr;

int64_t Now() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

int64_t Frequency() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart;
}

void Record(int32_t kind, int32_t argument, int64_t start, int64_t end) {
    ProbeEventLog* log = Log;
    if (log == nullptr || log->Count >= kProbeMaxEvents) return;
    log->Events[log->Count] = {kind, argument, start, end};
    ++log->Count;
}

VOID WINAPI TimedSleep(DWORD ms) {
    const int64_t start = Now();
    RealSleep(ms);
    Record(kProbeEventSleep, static_cast<int32_t>(ms), start, Now());
}

// A wait of a pause counts as a sleep of its timeout.
DWORD WINAPI TimedMsgWait(DWORD count, const HANDLE* handles, DWORD ms, DWORD wake, DWORD flags) {
    const int64_t start = Now();
    const DWORD result = RealMsgWait(count, handles, ms, wake, flags);
    Record(kProbeEventSleep, static_cast<int32_t>(ms), start, Now());
    return result;
}

int WINAPI TimedReleaseDC(HWND window, HDC dc) {
    const int64_t start = Now();
    const int result = RealReleaseDC(window, dc);
    Record(kProbeEventReleaseDC, 0, start, Now());
    return result;
}

ProbeEventLog* LogOf(ProbeBlock* block) { return reinterpret_cast<ProbeEventLog*>(block + 1); }

}  // namespace

namespace {

// A memory picture compatible with the window, its context holding it.
struct MemoryPicture {
    HDC Dc = nullptr;
    HBITMAP Bitmap = nullptr;
    HGDIOBJ Previous = nullptr;
};

bool MakePicture(HDC window, int width, int height, MemoryPicture& picture) {
    picture.Dc = CreateCompatibleDC(window);
    picture.Bitmap = CreateCompatibleBitmap(window, width, height);
    if (picture.Dc == nullptr || picture.Bitmap == nullptr) return false;
    picture.Previous = SelectObject(picture.Dc, picture.Bitmap);
    return true;
}

void FreePicture(MemoryPicture& picture) {
    if (picture.Previous != nullptr) SelectObject(picture.Dc, picture.Previous);
    if (picture.Bitmap != nullptr) DeleteObject(picture.Bitmap);
    if (picture.Dc != nullptr) DeleteDC(picture.Dc);
}

// The ticks a step took, flushed.
template <typename Step>
int64_t Timed(Step step) {
    const int64_t start = Now();
    step();
    GdiFlush();
    return Now() - start;
}

}  // namespace

void** ImportSlot(const char* dll, const char* name) {
    BYTE* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const IMAGE_NT_HEADERS* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (directory.VirtualAddress == 0) return nullptr;
    for (auto* import = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         import->Name != 0; ++import) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + import->Name), dll) != 0) continue;
        if (import->OriginalFirstThunk == 0) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), name) == 0)
                return reinterpret_cast<void**>(&slots->u1.Function);
        }
    }
    return nullptr;
}

bool WriteSlot(void** slot, void* value) {
    DWORD old;
    if (!VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old)) return false;
    *slot = value;
    VirtualProtect(slot, sizeof *slot, old, &old);
    return true;
}

int32_t TimePainting(HWND window, ProbeBlock* block) {
    ProbePaintTimes* times = reinterpret_cast<ProbePaintTimes*>(block + 1);
    const int rounds = block->Argument < 1 ? 1
                       : block->Argument > kProbeMaxRounds ? kProbeMaxRounds
                                                           : block->Argument;
    RECT client;
    GetClientRect(window, &client);
    const int width = client.right, height = client.bottom;
    HDC dc = GetDC(window);
    if (dc == nullptr) return 0;
    MemoryPicture whole, scene;
    const bool made = MakePicture(dc, width, height, whole) && MakePicture(dc, 593, 378, scene);
    if (made) {
        BitBlt(whole.Dc, 0, 0, width, height, dc, 0, 0, SRCCOPY);
        SetStretchBltMode(dc, COLORONCOLOR);
        // The window procedure is called directly: a message sent on this
        // thread would pass through the probe's own hooks, whose cost under
        // Wine is larger than the painting's.
        const WNDPROC procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
        for (int r = 0; r < rounds; ++r) {
            times->RepaintTicks[r] = Timed([&] {
                InvalidateRect(window, nullptr, FALSE);
                CallWindowProcA(procedure, window, WM_PAINT, 0, 0);
            });
            times->ComposeTicks[r] = Timed([&] {
                CallWindowProcA(procedure, window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(whole.Dc),
                                PRF_CLIENT);
            });
            times->BlitTicks[r] = Timed([&] { BitBlt(dc, 0, 0, width, height, whole.Dc, 0, 0, SRCCOPY); });
            times->StretchTicks[r] =
                Timed([&] { StretchBlt(dc, 0, 0, width, height, scene.Dc, 0, 0, 593, 378, SRCCOPY); });
        }
        // What the yardsticks drew goes: the window shows its own picture.
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    FreePicture(scene);
    FreePicture(whole);
    ReleaseDC(window, dc);
    if (!made) return 0;
    times->Frequency = Frequency();
    times->Rounds = rounds;
    block->Width = width;
    block->Height = height;
    return 1;
}

int32_t StartEventLog(ProbeBlock* block) {
    if (SleepSlot == nullptr) {
        SleepSlot = ImportSlot("kernel32.dll", "Sleep");
        ReleaseDCSlot = ImportSlot("user32.dll", "ReleaseDC");
        if (SleepSlot == nullptr || ReleaseDCSlot == nullptr) {
            SleepSlot = ReleaseDCSlot = nullptr;
            return 0;
        }
        RealSleep = reinterpret_cast<SleepFunction>(*SleepSlot);
        RealReleaseDC = reinterpret_cast<ReleaseDCFunction>(*ReleaseDCSlot);
        MsgWaitSlot = ImportSlot("user32.dll", "MsgWaitForMultipleObjectsEx");
        if (MsgWaitSlot != nullptr) RealMsgWait = reinterpret_cast<MsgWaitFunction>(*MsgWaitSlot);
    }
    ProbeEventLog* log = LogOf(block);
    log->Frequency = Frequency();
    log->Count = 0;
    Log = log;
    if (!WriteSlot(SleepSlot, reinterpret_cast<void*>(&TimedSleep)) ||
        !WriteSlot(ReleaseDCSlot, reinterpret_cast<void*>(&TimedReleaseDC)) ||
        (MsgWaitSlot != nullptr && !WriteSlot(MsgWaitSlot, reinterpret_cast<void*>(&TimedMsgWait)))) {
        StopEventLog(block);
        return 0;
    }
    return 1;
}

int32_t StopEventLog(ProbeBlock* block) {
    if (SleepSlot != nullptr) WriteSlot(SleepSlot, reinterpret_cast<void*>(RealSleep));
    if (ReleaseDCSlot != nullptr) WriteSlot(ReleaseDCSlot, reinterpret_cast<void*>(RealReleaseDC));
    if (MsgWaitSlot != nullptr) WriteSlot(MsgWaitSlot, reinterpret_cast<void*>(RealMsgWait));
    Log = nullptr;
    block->Value = LogOf(block)->Count;
    return 1;
}

int32_t ReadProcessTime(ProbeBlock* block) {
    ProbeProcessTime* answer = reinterpret_cast<ProbeProcessTime*>(block + 1);
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
    const auto ticks = [](const FILETIME& t) {
        return static_cast<int64_t>((static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
    };
    answer->CpuTime100ns = ticks(kernel) + ticks(user);
    answer->Counter = Now();
    answer->Frequency = Frequency();
    return 1;
}
