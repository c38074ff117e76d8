// The worst list files a player can hand the game: 4 MiB (the largest
// list file it reads) of one good line and a couple of million bad ones,
// or of nothing but line ends. Each goes to a freshly started program as
// a second copy hands a list over; the time runs until the program has
// read it and shows its question or report, plus, after the question, until
// the report of the list taken. The memory is the program's working set:
// its peak (which Wine reads from the system's high-water mark) above what
// it used before the file came, and what it still uses once the report is
// closed.
#include "measures.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

#include "check.h"
#include "dialogs.h"
#include "scenario_support.h"

namespace {

constexpr size_t kWorstSize = 4 * 1024 * 1024;
constexpr char kListFolder[] = "C:\\benchlists";
constexpr char kQuestionCaption[] = "Wordloft Word List";
constexpr int kReplaceList = 1021;
// WM_COPYDATA's dwData for a list's path, as a second copy sends it.
constexpr ULONG_PTR kListPathData = 0x574C5354;

struct WorstFile {
    const char* Name;
    const char* First;   // the file's first line
    const char* Filler;  // repeated to 4 MiB
};

const WorstFile kWorstFiles[] = {
    {"bad-lines.txt", "GOOD WORD\r\n", "-\n"},
    {"line-ends.txt", "", "\n"},
    {"bad-lines.csv", "GOOD WORD,a good line\r\n", "\"-\"\n"},
};

std::string PathOf(const WorstFile& file) { return std::string(kListFolder) + "\\" + file.Name; }

bool WriteWorstFiles() {
    CreateDirectoryA(kListFolder, nullptr);
    for (const WorstFile& file : kWorstFiles) {
        std::string text = file.First;
        const std::string filler = file.Filler;
        while (text.size() + filler.size() <= kWorstSize) text += filler;
        text.resize(kWorstSize, '\n');
        if (!Expect(WriteFileBytes(PathOf(file), Bytes(text.begin(), text.end())), "cannot write %s",
                    file.Name))
            return false;
    }
    return true;
}

double Megabytes(SIZE_T bytes) { return static_cast<double>(bytes) / 1e6; }

bool ReadMemory(const Program& program, PROCESS_MEMORY_COUNTERS& counters) {
    counters = {};
    counters.cb = sizeof counters;
    return Expect(GetProcessMemoryInfo(program.Process.hProcess, &counters, sizeof counters) != FALSE,
                  "cannot read the program's memory (error %lu)", GetLastError());
}

double SecondsSince(LARGE_INTEGER start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// A dialog of the program other than the one given, within timeoutMs.
HWND NextDialog(const Program& program, HWND other, DWORD timeoutMs) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(2)) {
        HWND dialog = FindAnyDialog(program.Process.dwProcessId);
        if (dialog != nullptr && dialog != other) return dialog;
    }
    return nullptr;
}

// Hands the file to the program and measures its reading; false when it
// could not be measured.
bool ReadWorstFile(const Program& program, const WorstFile& file, double& ms, double& peakMb, double& leftMb) {
    PROCESS_MEMORY_COUNTERS before, after;
    if (!ReadMemory(program, before)) return false;
    const std::wstring path = Widen(PathOf(file));
    COPYDATASTRUCT data = {kListPathData, static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)),
                           const_cast<wchar_t*>(path.c_str())};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    DWORD_PTR taken = FALSE;
    SendMessageTimeoutW(program.Window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, 5000, &taken);
    if (!Expect(taken == TRUE, "%s was not taken", file.Name)) return false;
    HWND box = NextDialog(program, nullptr, 60000);
    if (!Expect(box != nullptr, "%s: no question or report within 60 s", file.Name)) return false;
    double seconds = SecondsSince(start);
    if (WindowText(box) == kQuestionCaption) {
        QueryPerformanceCounter(&start);
        PressButton(box, kReplaceList);
        HWND report = NextDialog(program, box, 60000);
        if (!Expect(report != nullptr, "%s: no report within 60 s of the answer", file.Name)) return false;
        seconds += SecondsSince(start);
        box = report;
    }
    PressButton(box, IDOK);
    WaitForDialogGone(box, 5000);
    Settle(program);
    if (!ReadMemory(program, after)) return false;
    ms = 1000.0 * seconds;
    peakMb = Megabytes(after.PeakWorkingSetSize) - Megabytes(before.WorkingSetSize);
    leftMb = Megabytes(after.WorkingSetSize) - Megabytes(before.WorkingSetSize);
    std::fprintf(stderr, "%s: %.0f ms, peak %.1f MB above the %.1f MB before, %.1f MB left after\n", file.Name, ms,
                 peakMb, Megabytes(before.WorkingSetSize), leftMb);
    return true;
}

}  // namespace

void MeasureWorstListFiles(BenchSamples& samples) {
    static const bool written = WriteWorstFiles();
    if (!written) return;
    double slowest = 0, largest = 0, left = 0;
    for (const WorstFile& file : kWorstFiles) {
        const Bytes prefs = BenchPreferences();
        Program program;
        if (!Launch(program, &prefs)) return;
        double ms = 0, peakMb = 0, leftMb = 0;
        const bool measured = ReadWorstFile(program, file, ms, peakMb, leftMb);
        CloseProgram(program);
        if (!measured) return;
        if (ms > slowest) slowest = ms;
        if (peakMb > largest) largest = peakMb;
        if (leftMb > left) left = leftMb;
    }
    samples.WorstListMs.push_back(slowest);
    samples.WorstListPeakMb.push_back(largest);
    samples.WorstListLeftMb.push_back(left);
}
