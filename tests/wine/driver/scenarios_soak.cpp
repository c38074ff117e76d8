// The soak: the program is played by random input for a set time: typed
// keys, clicks on every region, menu commands and accelerators, and every
// dialog answered at random. It is closed and started again now and then,
// sometimes from a damaged preference file. The soak fails when the
// program crashes, when its window stops answering, or when the preference
// file it leaves is not a valid record.
//
// WORDLOFT_SOAK_MINUTES (default 1) sets the time and WORDLOFT_SOAK_SEED
// the random sequence (default: from the clock; printed for repeating).
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "check.h"
#include "dialogs.h"
#include "scenario_support.h"
#include "scenarios.h"

using namespace PrefOffset;

namespace {

// A small generator of its own, so that a seed repeats a soak exactly as
// far as the program's timing allows.
struct Random {
    uint64_t State;
    uint32_t Next() {
        State = State * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<uint32_t>(State >> 33);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }
};

// The last actions, named in a failure.
std::vector<std::string> Recent;

void Note(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Note(const char* format, ...) {
    char text[200];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    Recent.push_back(text);
    if (Recent.size() > 12) Recent.erase(Recent.begin());
}

std::string RecentActions() {
    std::string all;
    for (const std::string& action : Recent) all += (all.empty() ? "" : ", ") + action;
    return all;
}

struct SoakCounts {
    long Actions = 0;
    long Games = 0;
    long Dialogs = 0;
    long Skipped = 0;  // commands of greyed items, not chosen
    long Starts = 0;
    long Damaged = 0;
    long RecordsChecked = 0;
    std::map<std::string, int> Captions;  // dialogs seen, by caption
};

// Commands a player can choose; Help and the web page start other programs
// and Exit is the soak's own restart.
const int kCommands[] = {32771, 32772, 32773, 32774, 32791, 32792, 32793, 104, 32796, 32777, 32778,
                         32779, 32780, 33002, 32781, 32782, 32783, 32784, 32785, 32786, 32787, 32788,
                         32789, 32790};
const int kAccelerators[] = {VK_F2, VK_F3, VK_F4, VK_F6, VK_F8, VK_F10, VK_F12};
const RECT kRegions[] = {kStatisticsPanel, kSceneBox, kPhraseBand, kLetterPanel, kInformationLine,
                         kFaceBox, {563, 45, 593, 90}, kGuessMeter, kSceneRect};
const char* const kPhrases[] = {"PLANET EARTH", "Q", "A B C", " LEADING", "TWO  SPACES", "DIGITS 42",
                                "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "ABCDEFGHIJKLMNOPQRSTUVWXYZA", "",
                                "caf\xE9 au lait", "\xC9T\xC9"};

bool InWordsMenu(int command) { return command >= 32781 && command <= 32847; }
bool InMaxGuessesMenu(int command) { return command >= 32786 && command <= 32790; }

// A player cannot choose a greyed item or open a greyed popup.
bool Choosable(const Program& program, int command) {
    if (InWordsMenu(command) && !InMaxGuessesMenu(command) && IsPopupGreyed(program, kWordsMenu)) return false;
    if (InMaxGuessesMenu(command) && IsPopupGreyed(program, kMaxGuessesMenu)) return false;
    return !IsGreyed(program, command);
}

POINT PointIn(Random& random, const RECT& r) {
    return {r.left + random.Below(r.right - r.left), r.top + random.Below(r.bottom - r.top)};
}

std::string RandomText(Random& random, int maxLength) {
    std::string text;
    const int n = random.Below(maxLength + 1);
    for (int i = 0; i < n; ++i) text += static_cast<char>(random.Chance(80) ? 'A' + random.Below(26) : 32 + random.Below(224));
    return text;
}

void DoAction(const Program& program, Random& random, SoakCounts& counts) {
    const int kind = random.Below(100);
    if (kind < 45) {
        const char c = random.Chance(85) ? static_cast<char>((random.Chance(70) ? 'A' : 'a') + random.Below(26))
                                         : static_cast<char>(1 + random.Below(255));
        PostCharacter(program, c);
        Note("char %d", static_cast<unsigned char>(c));
    } else if (kind < 75) {
        const POINT down = PointIn(random, kRegions[random.Below(sizeof kRegions / sizeof kRegions[0])]);
        const POINT up = random.Chance(85) ? down : PointIn(random, kSceneRect);
        PostMessageA(program.Window, WM_MOUSEMOVE, 0, MAKELPARAM(down.x, down.y));
        PostMessageA(program.Window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
        PostMessageA(program.Window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(up.x, up.y));
        PostMessageA(program.Window, WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
        Note("click %ld,%ld-%ld,%ld", down.x, down.y, up.x, up.y);
    } else if (kind < 93) {
        const int command = random.Chance(25) ? 32797 + random.Below(51)
                                              : kCommands[random.Below(sizeof kCommands / sizeof kCommands[0])];
        if (!Choosable(program, command)) {
            ++counts.Skipped;
            return;
        }
        PostCommand(program, command);
        Note("command %d", command);
    } else {
        const int key = kAccelerators[random.Below(sizeof kAccelerators / sizeof kAccelerators[0])];
        PostKey(program, key);
        Note("key %d", key);
    }
    ++counts.Actions;
}

// Answers one dialog as a player might.
void AnswerDialog(HWND dialog, Random& random) {
    const std::string caption = WindowText(dialog);
    Note("dialog \"%s\"", caption.c_str());
    if (caption == kEnterWordCaption) {
        const std::string phrase = random.Chance(70) ? kPhrases[random.Below(sizeof kPhrases / sizeof kPhrases[0])]
                                                     : RandomText(random, 30);
        SetItemText(dialog, kPhraseField, phrase);
        SetItemText(dialog, kInformationField, RandomText(random, 120));
        PressButton(dialog, random.Chance(80) ? IDOK : IDCANCEL);
    } else if (caption == kStreakNameCaption) {
        SetItemText(dialog, kStreakNameField, random.Chance(85) ? RandomText(random, 20) : std::string("   "));
        PressButton(dialog, IDOK);
    } else if (caption == kScoreboardCaption) {
        PressButton(dialog, kFirstBoardButton + random.Below(5));
        PressButton(dialog, random.Chance(50) ? IDOK : IDCANCEL);
    } else if (!MessageBoxText(dialog).empty()) {
        const int answers[] = {IDYES, IDNO, IDCANCEL, IDOK};
        PressButton(dialog, answers[random.Below(4)]);
    } else {
        // Any other dialog (About, the word-list editors) is left by Cancel
        // or Escape.
        if (random.Chance(50)) {
            PressButton(dialog, IDCANCEL);
        } else {
            PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 1);
            PostMessageA(dialog, WM_KEYUP, VK_ESCAPE, 1 | (3u << 30));
        }
    }
}

// A checksum of the client area as the screen shows it.
uint64_t ScreenChecksum(const Program& program) {
    const RECT r = ClientOnScreen(program);
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return 0;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    uint64_t sum = 1469598103934665603ULL;
    if (bitmap != nullptr) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
        GdiFlush();
        const uint32_t* pixels = static_cast<const uint32_t*>(bits);
        for (int i = 0; i < width * height; ++i) sum = (sum ^ pixels[i]) * 1099511628211ULL;
        SelectObject(memory, previous);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return sum;
}

// True while the program answers. It makes long pauses by design (a lost
// game's dance, letter reveal and flash hold its messages for some ten
// seconds), but draws all the while: the window counts as stopped when it
// neither answers a message nor changes its picture for 5 s.
bool Answers(const Program& program) {
    DWORD lastChange = GetTickCount();
    uint64_t picture = 0;
    for (;;) {
        DWORD_PTR result = 0;
        if (SendMessageTimeoutA(program.Window, WM_NULL, 0, 0, SMTO_NORMAL, 500, &result)) return true;
        if (WaitForSingleObject(program.Process.hProcess, 0) == WAIT_OBJECT_0) return false;
        const uint64_t now = ScreenChecksum(program);
        if (now != picture) {
            picture = now;
            lastChange = GetTickCount();
        }
        if (GetTickCount() - lastChange >= 5000) return false;
    }
}

struct WindowListing {
    DWORD ProcessId;
    std::string Text;
};

// A named callback: a lambda would convert only to the default calling
// convention, which on 32-bit Windows is not the stdcall EnumWindows uses.
BOOL CALLBACK ListWindowOfProcess(HWND window, LPARAM data) {
    WindowListing* s = reinterpret_cast<WindowListing*>(data);
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    if (id != s->ProcessId) return TRUE;
    char className[64] = "", caption[128] = "";
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, caption, sizeof caption);
    s->Text += std::string(s->Text.empty() ? "" : "; ") + className + " \"" + caption + "\"" +
               (IsWindowVisible(window) ? " visible" : "") + (IsWindowEnabled(window) ? "" : " disabled");
    return TRUE;
}

// The program's top-level windows, for a failure message.
std::string DescribeWindows(DWORD processId) {
    WindowListing listing = {processId, ""};
    EnumWindows(ListWindowOfProcess, reinterpret_cast<LPARAM>(&listing));
    return listing.Text;
}

// Processor time the program used in the last second, in milliseconds: a
// window that does not answer while this is high is spinning.
long BusyMilliseconds(const Program& program) {
    auto used = [&] {
        FILETIME created, ended, kernel, user;
        if (!GetProcessTimes(program.Process.hProcess, &created, &ended, &kernel, &user)) return 0ULL;
        return ((static_cast<unsigned long long>(kernel.dwHighDateTime) << 32) | kernel.dwLowDateTime) +
               ((static_cast<unsigned long long>(user.dwHighDateTime) << 32) | user.dwLowDateTime);
    };
    const unsigned long long before = used();
    Sleep(1000);
    return static_cast<long>((used() - before) / 10000);
}

bool Ended(const Program& program, const char* when) {
    if (WaitForSingleObject(program.Process.hProcess, 0) != WAIT_OBJECT_0) return false;
    DWORD code = 0;
    GetExitCodeProcess(program.Process.hProcess, &code);
    Fail("the program ended by itself %s (exit code 0x%lX); last: %s", when, code, RecentActions().c_str());
    return true;
}

// Handles dialogs until none is open, always the one that has the input
// (a dialog under another is disabled); false when the program stopped.
bool AnswerDialogs(Program& program, Random& random, SoakCounts& counts, std::set<HWND>& seen) {
    std::string answered;
    for (int round = 0; round < 50; ++round) {
        if (!Answers(program)) return false;
        HWND dialog = FindInputDialog(program.Process.dwProcessId);
        if (dialog == nullptr) {
            if (FindAnyDialog(program.Process.dwProcessId) == nullptr) return true;
            Sleep(50);  // a dialog between being shown and taking input
            continue;
        }
        answered += (answered.empty() ? "\"" : ", \"") + WindowText(dialog) + "\"";
        DWORD_PTR result;
        SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result);
        if (seen.insert(dialog).second) {
            ++counts.Dialogs;
            ++counts.Captions[WindowText(dialog)];
        }
        AnswerDialog(dialog, random);
        WaitForDialogGone(dialog, 300);
    }
    Fail("dialogs kept opening: answered %s; open now: %s", answered.c_str(),
         DescribeWindows(program.Process.dwProcessId).c_str());
    return false;
}

// The fields the program reads are in their ranges.
void CheckRecord(const Bytes& b, SoakCounts& counts) {
    ++counts.RecordsChecked;
    if (!ExpectEqual(static_cast<long long>(b.size()), FileSize, "preference file size")) return;
    ExpectEqual(GetU16(b, Magic), 0x2F5A, "magic");
    const int maxGuesses = GetU16(b, MaxGuesses);
    Expect(maxGuesses >= 4 && maxGuesses <= 12 && maxGuesses % 2 == 0, "MaxGuesses %d", maxGuesses);
    const uint32_t source = GetU32(b, WordSource);
    Expect(source == 32781 || source == 32783 || source == 32785 || (source >= 32797 && source <= 32847),
           "WordSource %u", source);
    for (size_t offset : {SoundOn, UpperCaseLetters, ScoringOn})
        Expect(GetU16(b, offset) <= 1, "flag at %d holds %u", static_cast<int>(offset), GetU16(b, offset));
    ExpectEqual(GetU16(b, FlashCount), 5, "FlashCount");
    for (size_t offset = ProgramStarts; offset <= LifetimeLosses; offset += 4)
        Expect(GetI32(b, offset) >= 0, "counter at %d is %d", static_cast<int>(offset), GetI32(b, offset));
    const int words = GetI16(b, CustomWordCount);
    Expect(words >= 0 && words <= 200, "CustomWordCount %d", words);
    int selected = 0;
    for (int k = 0; k < 51; ++k) {
        const uint16_t flag = GetU16(b, CategorySelected + 2 * k);
        Expect(flag <= 1, "category flag %d holds %u", k, flag);
        selected += flag;
    }
    ExpectEqual(GetI16(b, SelectedCategoryCount), selected, "SelectedCategoryCount");
    for (int i = 0; i < 200; ++i) {
        Expect(GetText(b, CustomWords + 130 * i, 28).size() < 28, "custom phrase %d has no terminator", i);
        Expect(GetText(b, CustomWords + 130 * i + 28, 102).size() < 102, "custom information %d has no terminator",
               i);
    }
    for (int m = 0; m < 5; ++m) {
        for (int r = 0; r < 10; ++r) {
            const int16_t score = GetI16(b, ScoreOffset(m, r));
            Expect(score >= 0, "score %d/%d is %d", m, r, score);
            if (r > 0) Expect(score <= GetI16(b, ScoreOffset(m, r - 1)), "board %d out of order at %d", m, r);
            Expect(GetText(b, NameOffset(m, r), 16).size() < 16, "name %d/%d has no terminator", m, r);
            Expect(GetText(b, CategoryOffset(m, r), 32).size() < 32, "category %d/%d has no terminator", m, r);
        }
    }
}

// Overwrites a few fields with random values, the magic number kept.
void Damage(Bytes& b, Random& random) {
    const size_t fields[] = {SoundOn, MaxGuesses, WordSource, ProgramStarts, TotalGames, LifetimeGames,
                             CustomWordCount, SelectedCategoryCount, CategorySelected + 2 * 7, UpperCaseLetters,
                             ScoreboardScores + 2 * 13, ScoringOn, FlashCount};
    for (int i = 0, n = 1 + random.Below(4); i < n; ++i) {
        const size_t offset = fields[random.Below(sizeof fields / sizeof fields[0])];
        PutU32(b, offset, random.Next());
    }
    if (random.Chance(30)) std::memset(&b[CustomWords], 'Z', 130);  // an entry without terminators
    PutU16(b, Magic, 0x2F5A);
}

int EnvironmentNumber(const char* name, long fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::atoi(text) : static_cast<int>(fallback);
}

}  // namespace

void SoakWithRandomInput() {
    const int minutes = EnvironmentNumber("WORDLOFT_SOAK_MINUTES", 1);
    const unsigned seed = static_cast<unsigned>(EnvironmentNumber("WORDLOFT_SOAK_SEED", GetTickCount() % 1000000));
    Random random = {seed * 2654435761ULL + 1};
    SoakCounts counts;
    std::set<HWND> seen;

    Bytes prefs = CustomWordPreferences({{"PLANET EARTH", "third rock"}, {"RED GIANT", ""}, {"MOON", "ours"}}, 6, 1);
    Bytes file = prefs;
    const DWORD end = GetTickCount() + static_cast<DWORD>(minutes) * 60000;
    bool stopped = false;
    while (!stopped && GetTickCount() < end) {
        if (counts.Starts > 0 && random.Chance(25)) {
            Damage(file, random);
            ++counts.Damaged;
        }
        const int32_t gamesBefore = GetI32(file, LifetimeGames) < 0 ? 0 : GetI32(file, LifetimeGames);
        Program program;
        if (!Launch(program, &file)) break;
        ++counts.Starts;
        const long actions = 50 + random.Below(400);
        for (long i = 0; i < actions && GetTickCount() < end; ++i) {
            DoAction(program, random, counts);
            if (!AnswerDialogs(program, random, counts, seen)) {
                if (!Ended(program, "during the soak"))
                    Fail("the window stopped answering for 5 s after %ld actions (%ld ms of processor time in "
                         "the next second); last: %s; windows: %s",
                         counts.Actions, BusyMilliseconds(program), RecentActions().c_str(),
                         DescribeWindows(program.Process.dwProcessId).c_str());
                stopped = true;
                break;
            }
        }
        if (stopped) {
            KillProgram(program);
            break;
        }
        // A player closes the window only when no dialog is open: the input
        // posted so far is handled first. Closing may offer a streak to the
        // scoreboard, answered like any other dialog.
        for (int i = 0; i < 5 && !stopped; ++i) {
            Settle(program, 20000);
            stopped = !AnswerDialogs(program, random, counts, seen);
        }
        if (stopped) {
            Fail("the window stopped answering before closing; last: %s", RecentActions().c_str());
            KillProgram(program);
            break;
        }
        Note("close");
        PostMessageA(program.Window, WM_CLOSE, 0, 0);
        const DWORD closing = GetTickCount();
        while (WaitForSingleObject(program.Process.hProcess, 100) != WAIT_OBJECT_0) {
            if (HWND dialog = FindAnyDialog(program.Process.dwProcessId)) {
                if (seen.insert(dialog).second) {
                    ++counts.Dialogs;
                    ++counts.Captions[WindowText(dialog)];
                }
                AnswerDialog(dialog, random);
            }
            if (GetTickCount() - closing > 30000) {
                Fail("the program did not end within 30 s of WM_CLOSE; last: %s; windows: %s",
                     RecentActions().c_str(), DescribeWindows(program.Process.dwProcessId).c_str());
                stopped = true;
                break;
            }
        }
        KillProgram(program);
        if (stopped) break;
        if (!ReadPreferenceFile(file)) {
            Fail("no preference file after the program ended");
            break;
        }
        CheckRecord(file, counts);
        if (file.size() == FileSize) counts.Games += GetI32(file, LifetimeGames) - gamesBefore;
    }
    std::printf("soak: seed %u, %d min, %ld actions, %ld games, %ld dialogs, %ld starts (%ld from a damaged "
                "file), %ld greyed commands not chosen, %ld preference files checked\n",
                seed, minutes, counts.Actions, counts.Games, counts.Dialogs, counts.Starts, counts.Damaged,
                counts.Skipped, counts.RecordsChecked);
    for (const auto& caption : counts.Captions)
        std::printf("soak: dialog \"%s\" %d times\n", caption.first.c_str(), caption.second);
    Expect(counts.Games > 0, "no game was finished in the soak");
}
