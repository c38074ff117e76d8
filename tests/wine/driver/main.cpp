// The Wine test driver of Wordloft. It runs under Wine beside the program:
//
//   wordloft_driver.exe PROGRAM PROBE-DLL SCREENSHOT-FOLDER [SCENARIO...]
//
// and prints one line per scenario, "PASS name (N checks)" or "FAIL name
// (N checks)" followed by the failures, indented; the time each took goes to the standard error.
// The exit code is the number of failed scenarios.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "check.h"
#include "program.h"
#include "scenarios.h"

namespace {

const Scenario Scenarios[] = {
#define WORDLOFT_SCENARIO(name, function, screen) {name, function},
#include "scenario_list.h"
#undef WORDLOFT_SCENARIO
};

bool Selected(const char* name, int argc, char** argv) {
    if (argc <= 4) return true;
    for (int i = 4; i < argc; ++i)
        if (std::strcmp(argv[i], name) == 0) return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s PROGRAM PROBE-DLL SCREENSHOT-FOLDER [SCENARIO...]\n",
                     argv[0]);
        return 100;
    }
    Settings.ProgramPath = argv[1];
    Settings.ProbePath = argv[2];
    Settings.ScreenshotFolder = argv[3];
    if (!CreateProbeBlock()) {
        std::printf("FAIL driver\n  cannot create the probe's shared memory\n");
        return 100;
    }
    int failed = 0;
    for (const Scenario& scenario : Scenarios) {
        if (!Selected(scenario.Name, argc, argv)) continue;
        DWORD start = GetTickCount();
        scenario.Run();
        std::vector<std::string> failures = TakeFailures();
        std::printf("%s %s (%d checks)\n", failures.empty() ? "PASS" : "FAIL", scenario.Name,
                    TakeCheckCount());
        std::fprintf(stderr, "%s took %.1f s\n", scenario.Name, (GetTickCount() - start) / 1000.0);
        for (const std::string& failure : failures) std::printf("    %s\n", failure.c_str());
        std::fflush(stdout);
        if (!failures.empty()) ++failed;
    }
    return failed;
}
