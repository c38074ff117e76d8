// One run of wordloft.exe under the driver's control.
#include "program.h"

#include <cstring>

#include "../probe/probe_protocol.h"
#include "check.h"
#include "dialogs.h"

DriverSettings Settings;

namespace {

// The main window's class name, string 109 of the program.
constexpr char kMainWindowClass[] = "WLT";

ProbeBlock* SharedBlock = nullptr;
int32_t LastSerial = 0;

struct WindowSearch {
    DWORD ProcessId;
    HWND Found;
};

BOOL CALLBACK MatchMainWindow(HWND window, LPARAM data) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(data);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (processId == search->ProcessId && std::strcmp(className, kMainWindowClass) == 0 &&
        IsWindowVisible(window)) {
        search->Found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForMainWindow(DWORD processId, HANDLE process, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        WindowSearch search = {processId, nullptr};
        EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
        if (search.Found != nullptr) return search.Found;
        if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0) return nullptr;
        if (GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(20);
    }
}

bool InstallProbe(Program& program) {
    static HMODULE probe = LoadLibraryA(Settings.ProbePath.c_str());
    if (probe == nullptr) {
        Fail("cannot load the probe %s", Settings.ProbePath.c_str());
        return false;
    }
    HOOKPROC procedure = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void*>(GetProcAddress(probe, PROBE_HOOK_EXPORT)));
    HOOKPROC marker = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void*>(GetProcAddress(probe, PROBE_MARKER_HOOK_EXPORT)));
    program.Probe = SetWindowsHookExA(WH_CALLWNDPROC, procedure, probe, program.ThreadId);
    program.Marker = SetWindowsHookExA(WH_GETMESSAGE, marker, probe, program.ThreadId);
    if (program.Probe == nullptr || program.Marker == nullptr) {
        Fail("cannot install the probe hooks (error %lu)", GetLastError());
        return false;
    }
    return true;
}

// Sends one request to the probe through a window of the program's thread;
// true when it was answered.
bool AskProbeThrough(const Program& program, HWND window, ProbeRequest request,
                     int32_t argument) {
    if (SharedBlock == nullptr || program.Probe == nullptr) return false;
    SharedBlock->Request = request;
    SharedBlock->Argument = argument;
    SharedBlock->Status = 0;
    int32_t serial = ++LastSerial;
    DWORD_PTR result;
    static UINT message = RegisterWindowMessageA(PROBE_MESSAGE_NAME);
    if (!SendMessageTimeoutA(window, message, serial, 0, SMTO_NORMAL, 20000, &result))
        return false;
    return SharedBlock->AnswerSerial == serial && SharedBlock->Status == 1;
}

bool AskProbe(const Program& program, ProbeRequest request, int32_t argument) {
    return AskProbeThrough(program, program.Window, request, argument);
}

void CopyCapture(Image& image) {
    image.Width = SharedBlock->Width;
    image.Height = SharedBlock->Height;
    const uint32_t* pixels = reinterpret_cast<const uint32_t*>(SharedBlock + 1);
    image.Pixels.assign(pixels, pixels + static_cast<size_t>(image.Width) * image.Height);
}

// Where the program ran as Windows 7 or older, no wait, peek or queue
// status asked for the queue flags of Windows 8, which the probe refused
// as that Windows does.
void ExpectNoRefusedQueueCalls() {
    if (SharedBlock == nullptr || !SharedBlock->ActingAsOlderWindows) return;
    Expect(SharedBlock->RefusedQueueCalls == 0,
           "the program asked %d times for queue flags (QS_TOUCH, QS_POINTER) that Windows 7 and older refuse",
           SharedBlock->RefusedQueueCalls);
}

void ForgetProgram(Program& program) {
    if (program.Probe != nullptr) UnhookWindowsHookEx(program.Probe);
    if (program.Marker != nullptr) UnhookWindowsHookEx(program.Marker);
    if (program.Process.hProcess != nullptr) CloseHandle(program.Process.hProcess);
    if (program.Process.hThread != nullptr) CloseHandle(program.Process.hThread);
    program = Program();
}

}  // namespace

const void* AskProbeData(const Program& program, int request, int32_t argument, int32_t* value) {
    if (!AskProbe(program, static_cast<ProbeRequest>(request), argument)) return nullptr;
    if (value != nullptr) *value = SharedBlock->Value;
    return SharedBlock + 1;
}

bool ReadProcessor(const Program& program, ProcessorReading& reading) {
    const auto* time = static_cast<const ProbeProcessTime*>(AskProbeData(program, kProbeProcessTime, 0, nullptr));
    if (time == nullptr || time->Frequency <= 0) return false;
    reading.CpuMs = static_cast<double>(time->CpuTime100ns) / 1e4;
    reading.ClockMs = 1000.0 * static_cast<double>(time->Counter) / static_cast<double>(time->Frequency);
    return true;
}

bool CreateProbeBlock() {
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        kProbeMemorySize, PROBE_MEMORY_NAME);
    if (mapping == nullptr) return false;
    SharedBlock = static_cast<ProbeBlock*>(
        MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, kProbeMemorySize));
    return SharedBlock != nullptr;
}

std::wstring Widen(const std::string& utf8) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    std::wstring wide(size > 0 ? size : 1, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &wide[0], size);
    wide.resize(wide.size() - 1);
    return wide;
}

bool StartProgram(Program& program, const std::string& arguments, int showCommand) {
    program = Program();
    const std::wstring path = Widen(Settings.ProgramPath);
    std::wstring commandLine = L"\"" + path + L"\"";
    if (!arguments.empty()) commandLine += L" " + Widen(arguments);
    const std::wstring folder = Settings.CurrentFolder.empty() ? path.substr(0, path.find_last_of(L"\\/"))
                                                               : Widen(Settings.CurrentFolder);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (showCommand >= 0) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = static_cast<WORD>(showCommand);
    }
    if (SharedBlock != nullptr) {
        SharedBlock->ActingAsOlderWindows = 0;
        SharedBlock->RefusedQueueCalls = 0;
    }
    if (!CreateProcessW(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &program.Process)) {
        Fail("cannot start %s (error %lu)", Settings.ProgramPath.c_str(), GetLastError());
        return false;
    }
    WaitForInputIdle(program.Process.hProcess, 10000);
    program.Window = WaitForMainWindow(program.Process.dwProcessId, program.Process.hProcess, 15000);
    if (program.Window == nullptr) {
        HWND dialog = FindAnyDialog(program.Process.dwProcessId);
        Fail("no main window of class %s appeared%s%s", kMainWindowClass,
             dialog ? "; a dialog is open: " : "", dialog ? DescribeDialog(dialog).c_str() : "");
        KillProgram(program);
        return false;
    }
    program.ThreadId = GetWindowThreadProcessId(program.Window, nullptr);
    if (!InstallProbe(program)) {
        KillProgram(program);
        return false;
    }
    return Settle(program);
}

bool WaitForExit(Program& program, DWORD timeoutMs) {
    if (program.Process.hProcess == nullptr) return false;
    if (WaitForSingleObject(program.Process.hProcess, timeoutMs) == WAIT_OBJECT_0) {
        ForgetProgram(program);
        return true;
    }
    Fail("the program did not end within %lu ms", timeoutMs);
    KillProgram(program);
    return false;
}

void KillProgram(Program& program) {
    if (program.Process.hProcess != nullptr) {
        TerminateProcess(program.Process.hProcess, 1);
        WaitForSingleObject(program.Process.hProcess, 5000);
    }
    ForgetProgram(program);
}

bool CloseProgram(Program& program) {
    if (program.Process.hProcess == nullptr) return false;
    if (HWND dialog = FindAnyDialog(program.Process.dwProcessId)) {
        Fail("a dialog was still open before closing: %s", DescribeDialog(dialog).c_str());
        DismissDialog(dialog);
    }
    PostMessageA(program.Window, WM_CLOSE, 0, 0);
    DWORD start = GetTickCount();
    while (WaitForSingleObject(program.Process.hProcess, 50) != WAIT_OBJECT_0) {
        if (HWND dialog = FindAnyDialog(program.Process.dwProcessId)) {
            Fail("closing opened a dialog: %s", DescribeDialog(dialog).c_str());
            DismissDialog(dialog);
        }
        if (GetTickCount() - start > 15000) {
            Fail("the program did not end after WM_CLOSE");
            KillProgram(program);
            return false;
        }
    }
    ExpectNoRefusedQueueCalls();
    ForgetProgram(program);
    return true;
}

bool Settle(const Program& program, DWORD timeoutMs) {
    static UINT marker = RegisterWindowMessageA(PROBE_MARKER_NAME);
    static int32_t serial = 0;
    ++serial;
    if (!PostMessageA(program.Window, marker, serial, 0)) return false;
    DWORD start = GetTickCount();
    while (SharedBlock->MarkerSerial != serial) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(5);
    }
    return true;
}

void StartTimingQueueWaits() {
    SharedBlock->QueueMessages = 0;
    SharedBlock->QueueLongestMs = 0;
    SharedBlock->QueueLongestMessage = 0;
    SharedBlock->WatchingQueue = 1;
}

QueueWaits StopTimingQueueWaits() {
    SharedBlock->WatchingQueue = 0;
    QueueWaits waits;
    waits.Messages = SharedBlock->QueueMessages;
    waits.LongestMs = SharedBlock->QueueLongestMs;
    waits.LongestMessage = SharedBlock->QueueLongestMessage;
    return waits;
}

bool TypeCharacter(const Program& program, char c) {
    PostCharacter(program, c);
    return Expect(Settle(program), "typing '%c' was not handled within 30 s", c);
}

void PostCharacter(const Program& program, char c) {
    PostMessageA(program.Window, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void PostCommand(const Program& program, int command) {
    PostMessageA(program.Window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void PostKey(const Program& program, int virtualKey) {
    UINT scan = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageA(program.Window, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    PostMessageA(program.Window, WM_KEYUP, virtualKey, 1 | (scan << 16) | (3u << 30));
}

void PostClick(const Program& program, int x, int y) {
    LPARAM point = MAKELPARAM(x, y);
    PostMessageA(program.Window, WM_MOUSEMOVE, 0, point);
    PostMessageA(program.Window, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageA(program.Window, WM_LBUTTONUP, 0, point);
}

std::string Caption(const Program& program) { return WindowText(program.Window); }

int MenuState(const Program& program, int command) {
    if (!AskProbe(program, kProbeMenuStateByCommand, command)) {
        Fail("the probe did not answer the menu state of %d", command);
        return -1;
    }
    return SharedBlock->Value;
}

int PopupState(const Program& program, int position) {
    if (!AskProbe(program, kProbeMenuStateByPosition, position)) {
        Fail("the probe did not answer the state of menu %d", position);
        return -1;
    }
    return SharedBlock->Value;
}

bool IsChecked(const Program& program, int command) {
    int state = MenuState(program, command);
    return state != -1 && (state & MF_CHECKED) != 0;
}

bool IsGreyed(const Program& program, int command) {
    int state = MenuState(program, command);
    return state != -1 && (state & (MF_GRAYED | MF_DISABLED)) != 0;
}

bool IsPopupGreyed(const Program& program, int position) {
    int state = PopupState(program, position);
    return state != -1 && (state & (MF_GRAYED | MF_DISABLED)) != 0;
}

bool CaptureClient(const Program& program, Image& image) {
    if (!AskProbe(program, kProbeCaptureWindow, 0)) {
        Fail("the probe could not capture the window");
        return false;
    }
    CopyCapture(image);
    return true;
}

bool CaptureWindowOf(const Program& program, HWND window, Image& image) {
    if (!AskProbeThrough(program, window, kProbeCaptureWindow, 0)) {
        Fail("the probe could not capture a window of the program");
        return false;
    }
    CopyCapture(image);
    return true;
}

bool CapturePrinted(const Program& program, Image& image) {
    if (!AskProbe(program, kProbeCapturePrint, 0)) {
        Fail("the probe could not have the window print itself");
        return false;
    }
    CopyCapture(image);
    return true;
}

std::wstring MenuText(const Program& program, int command) {
    if (!AskProbe(program, kProbeMenuText, command)) return std::wstring();
    return reinterpret_cast<const wchar_t*>(SharedBlock + 1);
}

int TextsThatDoNotFit(const Program& program, HWND dialog, std::wstring& first) {
    if (!AskProbeThrough(program, dialog, kProbeTextsThatDoNotFit, 0)) {
        Fail("the probe could not measure the texts of a dialog");
        return -1;
    }
    first = reinterpret_cast<const wchar_t*>(SharedBlock + 1);
    return SharedBlock->Value;
}

bool RepaintNow(const Program& program) {
    return Expect(AskProbe(program, kProbeRepaint, 0), "the probe could not repaint the window");
}

bool HoldModifierKeys(bool control, bool shift) {
    // Injected as hardware input, so that the system's key state (what
    // GetAsyncKeyState reports) changes; the key messages themselves go to
    // whichever window has the focus, where Ctrl and Shift do nothing.
    INPUT keys[2] = {};
    WORD codes[2] = {VK_CONTROL, VK_SHIFT};
    bool down[2] = {control, shift};
    for (int i = 0; i < 2; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = codes[i];
        keys[i].ki.wScan = static_cast<WORD>(MapVirtualKeyA(codes[i], MAPVK_VK_TO_VSC));
        keys[i].ki.dwFlags = down[i] ? 0 : KEYEVENTF_KEYUP;
    }
    bool sent = Expect(SendInput(2, keys, sizeof(INPUT)) == 2, "SendInput refused the keys");
    for (int i = 0; i < 2 && sent; ++i) {
        bool held = (GetAsyncKeyState(codes[i]) & 0x8000) != 0;
        sent = Expect(held == down[i], "the system does not report key %d as %s", codes[i],
                      down[i] ? "held" : "released");
    }
    return sent;
}

RECT ClientOnScreen(const Program& program) {
    RECT client;
    GetClientRect(program.Window, &client);
    MapWindowPoints(program.Window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

void SaveScreenshot(const Image& image, const std::string& name) {
    std::string path = Settings.ScreenshotFolder + "\\" + name + ".bmp";
    Expect(SaveBitmapFile(image, path), "cannot write the screenshot %s", path.c_str());
}
