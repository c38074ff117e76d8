// The bench's measurements. Each runs one round and adds its samples; a
// round that could not be measured records a failure through check.h.
#ifndef WORDLOFT_TESTS_BENCH_MEASURES_H
#define WORDLOFT_TESTS_BENCH_MEASURES_H

#include <string>
#include <vector>

#include "program.h"

constexpr int kStartPhases = 4;

struct BenchSamples {
    std::vector<double> StartRatio;      // Wordloft's start-up / the bare window's
    std::vector<double> StartMs;         // Wordloft's start-up
    std::vector<double> BareStartMs;     // the bare window's start-up
    // The phases of a start, for Wordloft and the bare window: until the
    // first window message, from there until the first paint, the paint,
    // and from the paint until the program waits for input.
    std::vector<double> StartPhaseMs[kStartPhases];
    std::vector<double> BareStartPhaseMs[kStartPhases];
    std::vector<double> RepaintRatio;    // a repaint with nothing changed / one BitBlt of the client area
    std::vector<double> RepaintUs;       // that repaint
    std::vector<double> EmptyRepaintUs;  // a repaint of a window that draws nothing
    std::vector<double> NetRepaintRatio; // the repaint less that one / one BitBlt
    std::vector<double> ComposeRatio;    // the whole scene drawn in memory / one BitBlt
    std::vector<double> ComposeUs;       // that drawing
    std::vector<double> BlitUs;          // one BitBlt of the client area
    // At 150 % and 200 %: the same repaint / one StretchBlt of the scene
    // onto the client area, the repaint and the StretchBlt.
    std::vector<double> ScaledRepaintRatio[2];
    std::vector<double> ScaledRepaintUs[2];
    std::vector<double> StretchUs[2];
    std::vector<double> LossCpuPercent;  // processor time / wall time of a loss
    std::vector<double> LossWallMs;      // wall time of a loss
    std::vector<double> PauseErrorMs;    // a pause's length - its nominal length
    std::vector<double> KeyToLetterMs;   // key press to the letter drawn
    // The worst 4 MiB list files (worst_lists.cpp): the slowest read, the
    // largest peak of memory above the program's own, and the most memory
    // still in use after the report.
    std::vector<double> WorstListMs;
    std::vector<double> WorstListPeakMb;
    std::vector<double> WorstListLeftMb;
};

// Starts the bare window and Wordloft once each (in turn first or second)
// and records how long each took to be up, painted and idle.
void MeasureStartUp(const std::string& bareWindowPath, int round, BenchSamples& samples);

// Starts Wordloft and the bare window in turn (each first in every other
// round), rounds times each, with the start-up hook (a DLL built beside
// the bench) on their main thread, and records the phases of each start.
// The hook's own loading falls into the second phase; these starts are
// not the timed ones.
void MeasureStartUpProfile(const std::string& hookPath, const std::string& bareWindowPath, int rounds,
                           BenchSamples& samples);

// In a running Wordloft playing the bench's word: its repaint and the
// scene drawn in memory against a BitBlt, a full loss, and key presses to
// the letters drawn.
void MeasurePainting(const Program& program, BenchSamples& samples);
// In a Wordloft started at 150 % (scale 0) or 200 % (scale 1): its repaint
// against a StretchBlt of the scene to the client area's size.
void MeasureScaledRepaint(const Program& program, int scale, BenchSamples& samples);
void MeasureLoss(const Program& program, BenchSamples& samples);
void MeasureKeyToLetter(const Program& program, BenchSamples& samples);

// Starts Wordloft once for each of the worst 4 MiB list files, hands it
// over as a second copy would, and records the round's slowest read and
// largest memory peak.
void MeasureWorstListFiles(BenchSamples& samples);

// The preference file the bench plays from: sound off, scoring off,
// MaxGuesses 6, one custom word.
std::vector<unsigned char> BenchPreferences();

#endif
