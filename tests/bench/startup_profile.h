// What the bench's start-up hook records inside a starting program: the
// moments, on the performance counter, at which its window thread is sent
// its first message (the start of CreateWindowEx) and handles its first
// WM_PAINT. The bench creates the block under this name, starts the
// program suspended, hooks its main thread and lets it run.
#ifndef WORDLOFT_TESTS_BENCH_STARTUP_PROFILE_H
#define WORDLOFT_TESTS_BENCH_STARTUP_PROFILE_H

#include <cstdint>

#define STARTUP_PROFILE_MEMORY_NAME "WordloftStartupProfile"
#define STARTUP_HOOK_EXPORT "StartupSentHookProc"
#define STARTUP_RETURN_HOOK_EXPORT "StartupReturnHookProc"

struct StartupProfile {
    int64_t FirstMessage;  // the first message sent to a window of the thread
    int64_t PaintStart;    // its first WM_PAINT, before the window procedure
    int64_t PaintEnd;      // and after it
};

#endif
