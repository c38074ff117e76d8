// How each figure of the bench is taken. Times come from the performance
// counter, which the driver and the program share under the same Wine.
#include "measures.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "../probe/probe_protocol.h"
#include "check.h"
#include "scenario_support.h"
#include "startup_profile.h"
#include "statistics.h"

namespace {

// The bench's word, the misses that lose it with 6 guesses and the hits
// whose drawing is timed.
constexpr char kWord[] = "BENCH";
constexpr char kFirstMisses[] = "QZXJV";
constexpr char kLastMiss = 'W';
constexpr char kHits[] = "BENC";
constexpr char kLastHit = 'H';

// A pause is one DelayMilliseconds: Sleep calls that follow each other
// within this gap, each asking for no more than what is left, belong to
// the same pause.
constexpr double kSleepGapMs = 2.0;
// A pause this far off its nominal length is named in the bench's log.
constexpr double kPauseReportMs = 15.0;

int64_t Now() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

double Frequency() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart);
}

double Ms(int64_t ticks) { return 1000.0 * static_cast<double>(ticks) / Frequency(); }

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<std::pair<DWORD, HWND>*>(data);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == search->first && IsWindowVisible(window) && GetWindow(window, GW_OWNER) == nullptr) {
        search->second = window;
        return FALSE;
    }
    return TRUE;
}

// Waits until a started program waits for input with its window shown,
// returns the milliseconds since start, then closes it. -1 on failure.
double ShownThenClosed(const std::string& path, PROCESS_INFORMATION& process, int64_t start) {
    const DWORD idle = WaitForInputIdle(process.hProcess, 20000);
    // The first 32-bit program of a new prefix can be reported idle before
    // its window shows: the start ends when both are true.
    std::pair<DWORD, HWND> search(process.dwProcessId, nullptr);
    for (int64_t waited = Now(); idle == 0 && Ms(Now() - waited) < 20000; Sleep(1)) {
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (search.second != nullptr) break;
    }
    const double ms = Ms(Now() - start);
    double result = ms;
    if (idle != 0 || search.second == nullptr) {
        Fail("%s: no window shown when it was idle (wait result %lu)", path.c_str(), idle);
        result = -1;
    } else {
        PostMessageA(search.second, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) {
        Fail("%s did not end after WM_CLOSE", path.c_str());
        TerminateProcess(process.hProcess, 1);
        result = -1;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

bool CreateProgramProcess(const std::string& path, DWORD flags, PROCESS_INFORMATION& process) {
    std::string commandLine = "\"" + path + "\"";
    std::string folder = path.substr(0, path.find_last_of("\\/"));
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    process = {};
    if (CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, flags, nullptr, folder.c_str(),
                       &startup, &process))
        return true;
    Fail("cannot start %s (error %lu)", path.c_str(), GetLastError());
    return false;
}

// Starts a program and returns the milliseconds from CreateProcess until
// it waits for input with its window shown; then closes it. -1 on failure.
double TimedStart(const std::string& path) {
    PROCESS_INFORMATION process;
    const int64_t start = Now();
    if (!CreateProgramProcess(path, 0, process)) return -1;
    return ShownThenClosed(path, process, start);
}

// The start-up hook (startup_hook.cpp), loaded here, and the block its
// copies inside the started programs write into.
struct StartupHook {
    HMODULE Library = nullptr;
    HOOKPROC Sent = nullptr;
    HOOKPROC Returned = nullptr;
    StartupProfile* Profile = nullptr;
};

bool LoadStartupHook(const std::string& path, StartupHook& hook) {
    static HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                               sizeof(StartupProfile), STARTUP_PROFILE_MEMORY_NAME);
    hook.Library = LoadLibraryA(path.c_str());
    if (mapping == nullptr || hook.Library == nullptr) return false;
    hook.Profile = static_cast<StartupProfile*>(
        MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(StartupProfile)));
    hook.Sent = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void*>(GetProcAddress(hook.Library, STARTUP_HOOK_EXPORT)));
    hook.Returned = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void*>(GetProcAddress(hook.Library, STARTUP_RETURN_HOOK_EXPORT)));
    return hook.Profile != nullptr && hook.Sent != nullptr && hook.Returned != nullptr;
}

// Starts a program with the start-up hook on its main thread and adds the
// milliseconds of each phase of its start to phases[0..3]: until its first
// window message, from there until its first paint, the paint, and from
// the paint until it waits for input with its window shown.
void ProfiledStart(const std::string& path, const StartupHook& hook, std::vector<double>* phases) {
    PROCESS_INFORMATION process;
    *hook.Profile = StartupProfile();
    const int64_t start = Now();
    if (!CreateProgramProcess(path, CREATE_SUSPENDED, process)) return;
    HHOOK sent = SetWindowsHookExA(WH_CALLWNDPROC, hook.Sent, hook.Library, process.dwThreadId);
    HHOOK returned = SetWindowsHookExA(WH_CALLWNDPROCRET, hook.Returned, hook.Library, process.dwThreadId);
    ResumeThread(process.hThread);
    const double ms = ShownThenClosed(path, process, start);
    if (sent) UnhookWindowsHookEx(sent);
    if (returned) UnhookWindowsHookEx(returned);
    const StartupProfile p = *hook.Profile;
    if (ms < 0 || !Expect(sent && returned && p.FirstMessage > start && p.PaintStart >= p.FirstMessage &&
                              p.PaintEnd >= p.PaintStart,
                          "%s: the start-up hook saw no first message and paint", path.c_str()))
        return;
    phases[0].push_back(Ms(p.FirstMessage - start));
    phases[1].push_back(Ms(p.PaintStart - p.FirstMessage));
    phases[2].push_back(Ms(p.PaintEnd - p.PaintStart));
    phases[3].push_back(ms - Ms(p.PaintEnd - start));
}

bool StartLog(const Program& program) {
    return Expect(AskProbeData(program, kProbeStartLog, 0, nullptr) != nullptr,
                  "the probe could not watch the program's pauses and drawing");
}

// Stops the log and hands over its events.
std::vector<ProbeEvent> StopLog(const Program& program) {
    int32_t count = 0;
    const void* answer = AskProbeData(program, kProbeStopLog, 0, &count);
    if (answer == nullptr) {
        Fail("the probe did not stop its log");
        return {};
    }
    const ProbeEventLog* log = static_cast<const ProbeEventLog*>(answer);
    return std::vector<ProbeEvent>(log->Events, log->Events + count);
}

// Each pause's measured length minus its nominal length.
void AddPauseErrors(const std::vector<ProbeEvent>& events, std::vector<double>& errors) {
    bool open = false;
    int64_t pauseStart = 0, pauseEnd = 0;
    double nominal = 0;
    auto close = [&]() {
        if (!open) return;
        const double error = Ms(pauseEnd - pauseStart) - nominal;
        errors.push_back(error);
        if (error > kPauseReportMs || error < -kPauseReportMs)
            std::fprintf(stderr, "pause of %.0f ms took %.1f ms\n", nominal, Ms(pauseEnd - pauseStart));
        open = false;
    };
    for (const ProbeEvent& e : events) {
        if (e.Kind != kProbeEventSleep) continue;
        const double left = nominal - Ms(e.Start - pauseStart);
        const bool continues = open && Ms(e.Start - pauseEnd) <= kSleepGapMs && e.Argument <= left + 1;
        if (!continues) {
            close();
            open = true;
            pauseStart = e.Start;
            nominal = e.Argument;
        }
        pauseEnd = e.End;
    }
    close();
}

}  // namespace

std::vector<unsigned char> BenchPreferences() {
    return CustomWordPreferences({{kWord, "A word for measuring"}}, 6, 0);
}

void MeasureStartUp(const std::string& bareWindowPath, int round, BenchSamples& samples) {
    double bare, wordloft;
    if (round % 2 == 0) {
        bare = TimedStart(bareWindowPath);
        wordloft = TimedStart(Settings.ProgramPath);
    } else {
        wordloft = TimedStart(Settings.ProgramPath);
        bare = TimedStart(bareWindowPath);
    }
    std::fprintf(stderr, "start-up round %d: bare window %.1f ms, Wordloft %.1f ms\n", round, bare, wordloft);
    if (bare <= 0 || wordloft <= 0) return;
    samples.StartRatio.push_back(wordloft / bare);
    samples.StartMs.push_back(wordloft);
    samples.BareStartMs.push_back(bare);
}

void MeasureStartUpProfile(const std::string& hookPath, const std::string& bareWindowPath, int rounds,
                           BenchSamples& samples) {
    StartupHook hook;
    if (!Expect(LoadStartupHook(hookPath, hook), "cannot load the start-up hook %s", hookPath.c_str())) return;
    for (int round = 0; round < rounds; ++round) {
        WritePreferenceFile(BenchPreferences());
        if (round % 2 == 0) ProfiledStart(bareWindowPath, hook, samples.BareStartPhaseMs);
        ProfiledStart(Settings.ProgramPath, hook, samples.StartPhaseMs);
        if (round % 2 == 1) ProfiledStart(bareWindowPath, hook, samples.BareStartPhaseMs);
    }
}

namespace {

// The medians, in microseconds, of a painting round's four steps.
struct PaintMedians {
    double Repaint = 0, Compose = 0, Blit = 0, Stretch = 0;
};

LRESULT CALLBACK EmptyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) return 1;
    if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
    return 0;
}

// What a repaint costs under this Wine before anything is drawn: the
// median of 25 repaints, timed as the probe times the program's, of a
// window of the scene's size in the top-left corner of the screen whose
// paint draws nothing. 0 when it cannot be had.
double EmptyRepaintUs() {
    static HWND window = [] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = EmptyWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "WordloftBenchEmptyWindow";
        RegisterClassA(&windowClass);
        return CreateWindowExA(WS_EX_TOOLWINDOW, windowClass.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0,
                               593, 378, nullptr, nullptr, windowClass.hInstance, nullptr);
    }();
    if (window == nullptr) return 0;
    std::vector<double> us;
    for (int r = 0; r < 25; ++r) {
        const int64_t start = Now();
        InvalidateRect(window, nullptr, FALSE);
        EmptyWindowProc(window, WM_PAINT, 0, 0);
        GdiFlush();
        us.push_back(1000.0 * Ms(Now() - start));
    }
    return SpreadOf(us).Median;
}

bool TimePainting(const Program& program, PaintMedians& medians) {
    constexpr int kRounds = 25;
    const void* answer = AskProbeData(program, kProbeTimePainting, kRounds, nullptr);
    if (!Expect(answer != nullptr, "the probe could not time painting")) return false;
    const ProbePaintTimes* times = static_cast<const ProbePaintTimes*>(answer);
    const auto median = [times](const int64_t* ticks) {
        std::vector<double> us;
        for (int r = 0; r < times->Rounds; ++r)
            us.push_back(1e6 * static_cast<double>(ticks[r]) / static_cast<double>(times->Frequency));
        return SpreadOf(us).Median;
    };
    medians = {median(times->RepaintTicks), median(times->ComposeTicks), median(times->BlitTicks),
               median(times->StretchTicks)};
    return Expect(medians.Blit > 0 && medians.Stretch > 0, "a yardstick took no measurable time");
}

}  // namespace

void MeasurePainting(const Program& program, BenchSamples& samples) {
    PaintMedians m;
    if (!TimePainting(program, m)) return;
    samples.RepaintRatio.push_back(m.Repaint / m.Blit);
    samples.RepaintUs.push_back(m.Repaint);
    const double empty = EmptyRepaintUs();
    if (empty > 0) {
        samples.EmptyRepaintUs.push_back(empty);
        samples.NetRepaintRatio.push_back((m.Repaint - empty) / m.Blit);
    }
    samples.ComposeRatio.push_back(m.Compose / m.Blit);
    samples.ComposeUs.push_back(m.Compose);
    samples.BlitUs.push_back(m.Blit);
}

void MeasureScaledRepaint(const Program& program, int scale, BenchSamples& samples) {
    PaintMedians m;
    if (!TimePainting(program, m)) return;
    samples.ScaledRepaintRatio[scale].push_back(m.Repaint / m.Stretch);
    samples.ScaledRepaintUs[scale].push_back(m.Repaint);
    samples.StretchUs[scale].push_back(m.Stretch);
}

void MeasureLoss(const Program& program, BenchSamples& samples) {
    if (!TypeLetters(program, kFirstMisses)) return;
    ProcessorReading before, after;
    if (!Expect(ReadProcessor(program, before), "no processor time before the loss")) return;
    if (!StartLog(program)) return;
    PostCharacter(program, kLastMiss);
    const bool settled = Settle(program);
    const std::vector<ProbeEvent> events = StopLog(program);
    if (!Expect(settled, "the loss sequence did not end within 30 s")) return;
    if (!Expect(ReadProcessor(program, after), "no processor time after the loss")) return;
    const double wallMs = after.ClockMs - before.ClockMs;
    const double cpuMs = after.CpuMs - before.CpuMs;
    samples.LossCpuPercent.push_back(100.0 * cpuMs / wallMs);
    samples.LossWallMs.push_back(wallMs);
    const size_t before_count = samples.PauseErrorMs.size();
    AddPauseErrors(events, samples.PauseErrorMs);
    Expect(samples.PauseErrorMs.size() > before_count, "the loss sequence made no pause");
}

void MeasureKeyToLetter(const Program& program, BenchSamples& samples) {
    for (const char* c = kHits; *c != '\0'; ++c) {
        if (!StartLog(program)) return;
        const int64_t pressed = Now();
        PostCharacter(program, *c);
        const bool settled = Settle(program);
        const std::vector<ProbeEvent> events = StopLog(program);
        if (!Expect(settled, "typing '%c' was not handled", *c)) return;
        // The letter's cell is drawn on a window DC that is released once
        // the drawing has been flushed: the first release after the press.
        bool found = false;
        for (const ProbeEvent& e : events) {
            if (e.Kind != kProbeEventReleaseDC || e.Start < pressed) continue;
            samples.KeyToLetterMs.push_back(Ms(e.End - pressed));
            found = true;
            break;
        }
        Expect(found, "typing '%c' drew nothing", *c);
    }
    TypeCharacter(program, kLastHit);  // the word is won; the next game starts
}
