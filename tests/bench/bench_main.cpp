// The Wordloft bench for one program. It runs under Wine beside the
// program, built with the same bitness (its probe is a hook DLL):
//
//   wordloft_bench.exe PROGRAM PROBE-DLL BARE-WINDOW-PROGRAM START-UP-HOOK-DLL STRIPPED-SIZE RUNS
//
// and prints one tab-separated row per figure, a ratio to a yardstick
// measured in the same run (or a value against its fixed goal), with the
// minimum, median and maximum over the runs:
//
//   FIGURE  name  goal  unit  min  median  max  verdict  samples
//   INFO    name        unit  min  median  max
//
// tests/bench/run.sh sets the rows of both programs side by side. Failures
// to measure are printed as plain lines. The exit code is 0 when
// everything could be measured, whether or not the goals were met.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "check.h"
#include "measures.h"
#include "scenario_support.h"
#include "statistics.h"

namespace {

// The two display scales the repaint is also measured at: 150 and 200 %.
constexpr DWORD kScaledDpi[2] = {144, 192};

bool PrintRow(const char* name, const std::vector<double>& samples, const char* unit,
              const char* goalText, bool (*meets)(const Spread&)) {
    const Spread s = SpreadOf(samples);
    const char* verdict = s.Count == 0 ? "NOT MEASURED" : meets(s) ? "met" : "MISSED";
    std::printf("FIGURE\t%s\t%s\t%s\t%.3f\t%.3f\t%.3f\t%s\t%zu\n", name, goalText, unit, s.Min,
                s.Median, s.Max, verdict, s.Count);
    return s.Count != 0;
}

void PrintInfo(const char* name, const std::vector<double>& samples, const char* unit) {
    const Spread s = SpreadOf(samples);
    if (s.Count == 0) return;
    std::printf("INFO\t%s\t\t%s\t%.3f\t%.3f\t%.3f\n", name, unit, s.Min, s.Median, s.Max);
}

void ReportFailures(const char* what) {
    for (const std::string& failure : TakeFailures()) std::printf("%s: %s\n", what, failure.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 7) {
        std::fprintf(stderr, "usage: %s PROGRAM PROBE-DLL BARE-WINDOW START-UP-HOOK STRIPPED-SIZE RUNS\n", argv[0]);
        return 100;
    }
    Settings.ProgramPath = argv[1];
    Settings.ProbePath = argv[2];
    const std::string bareWindow = argv[3];
    const std::string startupHook = argv[4];
    const double strippedBytes = std::atof(argv[5]);
    const int runs = std::atoi(argv[6]) > 0 ? std::atoi(argv[6]) : 1;
    if (!CreateProbeBlock()) {
        std::printf("cannot create the probe's shared memory\n");
        return 100;
    }
    const Bytes prefs = BenchPreferences();
    BenchSamples samples;

    // One start of each first, so that every timed start finds the files
    // and Wine's own libraries in the cache.
    WritePreferenceFile(prefs);
    MeasureStartUp(bareWindow, 0, samples);
    samples = BenchSamples();
    for (int round = 0; round < runs; ++round) {
        WritePreferenceFile(prefs);
        MeasureStartUp(bareWindow, round, samples);
    }
    ReportFailures("start-up");
    MeasureStartUpProfile(startupHook, bareWindow, runs, samples);
    ReportFailures("start-up profile");

    for (int round = 0; round < runs; ++round) {
        Program program;
        if (!Launch(program, &prefs)) break;
        MeasurePainting(program, samples);
        MeasureLoss(program, samples);
        MeasureKeyToLetter(program, samples);
        CloseProgram(program);
        ReportFailures("playing");
    }
    for (int scale = 0; scale < 2; ++scale) {
        const PrefixDisplayScale display(kScaledDpi[scale]);
        for (int round = 0; round < runs && display.Applied; ++round) {
            Program program;
            if (!Launch(program, &prefs)) break;
            MeasureScaledRepaint(program, scale, samples);
            CloseProgram(program);
        }
        ReportFailures(scale == 0 ? "at 150 %" : "at 200 %");
    }
    for (int round = 0; round < runs; ++round) MeasureWorstListFiles(samples);
    ReportFailures("list files");

    bool measured = true;
    measured &= PrintRow("start-up to first paint (bare window)", samples.StartRatio, "ratio",
                         "<= 1.2", [](const Spread& s) { return s.Median <= 1.2; });
    PrintInfo("Wordloft start-up", samples.StartMs, "ms");
    PrintInfo("bare window start-up", samples.BareStartMs, "ms");
    // Where the time goes, from starts of their own with the start-up hook.
    const char* const phases[kStartPhases] = {"to the first window message", "on to the first paint",
                                              "the first paint", "on until it waits for input"};
    for (int phase = 0; phase < kStartPhases; ++phase) {
        PrintInfo(("Wordloft: " + std::string(phases[phase])).c_str(), samples.StartPhaseMs[phase], "ms");
        PrintInfo(("bare window: " + std::string(phases[phase])).c_str(), samples.BareStartPhaseMs[phase], "ms");
    }
    measured &= PrintRow("repaint, nothing changed (one 593 x 378 BitBlt)", samples.RepaintRatio, "ratio",
                         "<= 2", [](const Spread& s) { return s.Median <= 2; });
    PrintInfo("repaint", samples.RepaintUs, "us");
    PrintInfo("BitBlt", samples.BlitUs, "us");
    measured &= PrintRow("the repaint less one that draws nothing (one BitBlt)", samples.NetRepaintRatio,
                         "ratio", "<= 2", [](const Spread& s) { return s.Median <= 2; });
    PrintInfo("a repaint that draws nothing", samples.EmptyRepaintUs, "us");
    measured &= PrintRow("scene drawn in memory (one BitBlt)", samples.ComposeRatio, "ratio", "<= 5",
                         [](const Spread& s) { return s.Median <= 5; });
    PrintInfo("scene drawn in memory", samples.ComposeUs, "us");
    const char* const scaledNames[2][3] = {
        {"repaint at 150 % (one StretchBlt to 890 x 567)", "repaint at 150 %", "StretchBlt to 890 x 567"},
        {"repaint at 200 % (one StretchBlt to 1186 x 756)", "repaint at 200 %", "StretchBlt to 1186 x 756"}};
    for (int scale = 0; scale < 2; ++scale) {
        measured &= PrintRow(scaledNames[scale][0], samples.ScaledRepaintRatio[scale], "ratio", "<= 2",
                             [](const Spread& s) { return s.Median <= 2; });
        PrintInfo(scaledNames[scale][1], samples.ScaledRepaintUs[scale], "us");
        PrintInfo(scaledNames[scale][2], samples.StretchUs[scale], "us");
    }
    measured &= PrintRow("loss sequence CPU (wall time)", samples.LossCpuPercent, "%", "<= 3 %",
                         [](const Spread& s) { return s.Median <= 3; });
    PrintInfo("loss sequence wall time", samples.LossWallMs, "ms");
    measured &= PrintRow("pause length - nominal length", samples.PauseErrorMs, "ms", "+-15 ms",
                         [](const Spread& s) { return s.Min >= -15 && s.Max <= 15; });
    measured &= PrintRow("key press to letter shown", samples.KeyToLetterMs, "ms", "< 1 ms median",
                         [](const Spread& s) { return s.Median < 1; });
    measured &= PrintRow("worst 4 MiB list file read", samples.WorstListMs, "ms", "<= 1000 ms",
                         [](const Spread& s) { return s.Median <= 1000; });
    measured &= PrintRow("its memory peak above the program's own", samples.WorstListPeakMb, "MB", "<= 32 MB",
                         [](const Spread& s) { return s.Max <= 32; });
    PrintInfo("memory still in use after its report", samples.WorstListLeftMb, "MB");
    // Four languages' texts, pictures and words: at most 2,000,000 bytes.
    const std::vector<double> size = {strippedBytes / 1e6};
    measured &= PrintRow("stripped program", size, "million bytes", "<= 2", [](const Spread& s) { return s.Max <= 2; });
    return measured ? 0 : 1;
}
