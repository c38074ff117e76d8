// The conversation between the test driver and the probe that runs inside
// Wordloft. The driver installs the probe as a WH_CALLWNDPROC hook on the
// program's window thread and sends the main window the registered probe
// message; the probe answers it from inside the program, where menus and
// the window's own drawing are reachable, and leaves the answer in a named
// shared memory block that the driver created.
//
// A second hook, WH_GETMESSAGE, watches for the marker message: the driver
// posts it behind its input, and once the program's message loop takes the
// marker from the queue, everything posted before it has been handled. A
// pause of the program takes messages off the queue too, with PeekMessageA,
// and posts the ones it holds again when it is over: a marker taken by the
// program's own PeekMessageA does not count. The same hook measures, while
// the driver asks it to, how long each message waited on the queue before
// the program took it, as Windows judges whether a window is hung.
#ifndef WORDLOFT_TESTS_PROBE_PROTOCOL_H
#define WORDLOFT_TESTS_PROBE_PROTOCOL_H

#include <cstdint>

#define PROBE_MESSAGE_NAME "WordloftTestProbe"
#define PROBE_MARKER_NAME "WordloftTestMarker"
#define PROBE_MEMORY_NAME "WordloftTestProbeAnswer"
#define PROBE_HOOK_EXPORT "ProbeHookProc"
#define PROBE_MARKER_HOOK_EXPORT "MarkerHookProc"

// Requests, written into the shared block with their argument; the probe
// message's wParam carries the request's serial number.
enum ProbeRequest : int32_t {
    kProbeMenuStateByCommand = 1,   // argument: command id
    kProbeMenuStateByPosition = 2,  // argument: top-level position
    kProbeCaptureWindow = 3,        // the client area as it stands on screen
    kProbeCapturePrint = 4,         // the client area painted by WM_PRINTCLIENT
    kProbeRepaint = 5,              // invalidate everything and paint now
    // Measurements for the bench; their answers follow the block.
    kProbeTimePainting = 6,  // argument: rounds; answer: ProbePaintTimes
    kProbeStartLog = 7,      // record the program's pauses and releases of window DCs
    kProbeStopLog = 8,       // stop recording; Value: the number of ProbeEvents
    kProbeProcessTime = 9,   // answer: ProbeProcessTime
    // Hides user32's GetDpiForWindow from the program's GetProcAddress, as
    // on Windows before 10: the program then asks shcore.dll (8.1) or the
    // screen for the scale.
    kProbeHideWindowDpi = 10,
    // The text of a menu item by command id, as UTF-16 after the block.
    kProbeMenuText = 11,  // argument: command id
    // The controls of the window the request is sent to (a dialog) whose
    // text does not fit them in their own font: Value is how many, and the
    // first one's text follows the block as UTF-16.
    kProbeTextsThatDoNotFit = 12,
    // Has the program's SystemParametersInfoA answer SPI_GETHIGHCONTRAST
    // with a contrast theme on (argument 1) or off (0), as Windows does
    // when the player switches one on or off; Wine 8 always answers
    // "off". The theme's colours are the prefix's (HKCU\Control
    // Panel\Colors). Announcing the change is the driver's part.
    kProbeAnswerHighContrast = 13,
};

// kProbeTimePainting: each round times four steps, each ended by GdiFlush:
// a repaint of the whole client area when nothing has changed (the client
// area invalidated, then WM_PAINT handled at once); the scene drawn
// afresh from the game's state into a memory picture of the client area's
// size (WM_PRINTCLIENT); and the two yardsticks, one BitBlt of such a
// picture onto the client area and one StretchBlt of a 593 x 378 picture
// onto it.
constexpr int kProbeMaxRounds = 1000;
struct ProbePaintTimes {
    int64_t Frequency;
    int32_t Rounds;
    int32_t Padding;
    int64_t RepaintTicks[kProbeMaxRounds];
    int64_t ComposeTicks[kProbeMaxRounds];
    int64_t BlitTicks[kProbeMaxRounds];
    int64_t StretchTicks[kProbeMaxRounds];
};

// kProbeStartLog: every call the program makes to Sleep and to ReleaseDC
// is timed (performance counter at entry and at return) while the log runs.
enum ProbeEventKind : int32_t { kProbeEventSleep = 1, kProbeEventReleaseDC = 2 };
struct ProbeEvent {
    int32_t Kind;
    int32_t Argument;  // Sleep: the milliseconds asked for
    int64_t Start;
    int64_t End;
};
constexpr int kProbeMaxEvents = 20000;
struct ProbeEventLog {
    int64_t Frequency;
    int32_t Count;
    int32_t Padding;
    ProbeEvent Events[kProbeMaxEvents];
};

// kProbeProcessTime: the program's processor time so far (user and kernel,
// 100 ns units) and the performance counter when it was read.
struct ProbeProcessTime {
    int64_t CpuTime100ns;
    int64_t Counter;
    int64_t Frequency;
};

// The shared block. A capture's pixels follow it, 32-bit BGRX, top row
// first.
struct ProbeBlock {
    int32_t Request;
    int32_t Argument;
    int32_t AnswerSerial;  // the serial of the request last answered
    int32_t MarkerSerial;  // the serial of the marker last taken from the queue
    int32_t Status;        // 1 answered, 0 failed
    int32_t Value;         // menu state, or GetMenuState's -1
    int32_t Width;
    int32_t Height;
    // Set by the driver: while 1, each message taken off the program's
    // queue is timed (the tick count against the message's own time).
    int32_t WatchingQueue;
    int32_t QueueMessages;     // messages taken while watching
    int32_t QueueLongestMs;    // the longest wait among them
    int32_t QueueLongestMessage;
    // Windows 7 and older refuse the queue flags Windows 8 added (QS_TOUCH,
    // QS_POINTER) with ERROR_INVALID_PARAMETER; Wine takes them in every
    // version. Where the program runs as Windows 7 or older, the probe
    // refuses them as that Windows would, in MsgWaitForMultipleObjectsEx,
    // GetQueueStatus and PeekMessageA, and counts each call it refused.
    int32_t ActingAsOlderWindows;  // 1 once the refusals are in place
    int32_t RefusedQueueCalls;
};

constexpr uint32_t kProbeMemorySize = 8u << 20;
constexpr uint32_t kProbeMaxPixels =
    (kProbeMemorySize - sizeof(ProbeBlock)) / 4;
static_assert(sizeof(ProbeBlock) + sizeof(ProbeEventLog) <= kProbeMemorySize, "log fits");
static_assert(sizeof(ProbeBlock) + sizeof(ProbePaintTimes) <= kProbeMemorySize, "times fit");

#endif
