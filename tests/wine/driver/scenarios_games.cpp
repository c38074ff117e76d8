// Playing: won and lost games reach the counters in the file, the first
// guess greys the Words and MaxGuesses menus until the next game, keys
// pressed while a game ends never reach the next one, and a session that
// Windows ends with the game open keeps its games.
#include <cstdio>

#include "check.h"
#include "dialogs.h"
#include "real_input.h"
#include "scenario_support.h"
#include "scenarios.h"

using namespace PrefOffset;

namespace {

void ExpectGameMenus(const Program& program, bool greyed, const char* when) {
    Expect(IsPopupGreyed(program, kWordsMenu) == greyed, "%s: the Words menu is %s", when,
           greyed ? "enabled" : "greyed");
    Expect(IsPopupGreyed(program, kMaxGuessesMenu) == greyed, "%s: the MaxGuesses menu is %s",
           when, greyed ? "enabled" : "greyed");
}

// The centre of the letter cell of a capital letter.
POINT LetterCellCentre(char letter) {
    int i = letter - 'A';
    return {14 + 42 * (i % 13) + 16, (i < 13 ? 272 : 310) + 16};
}

// Ends the session as Windows does when the player signs out or the PC
// shuts down: wineboot sends WM_QUERYENDSESSION and WM_ENDSESSION to every
// window and then ends the processes. The program must end by then.
void EndSession(Program& program, const char* when) {
    char commandLine[] = "wineboot.exe --end-session";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION wineboot = {};
    if (!Expect(CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &wineboot) != 0,
                "%s: cannot start wineboot --end-session", when))
        return KillProgram(program);
    Expect(WaitForSingleObject(wineboot.hProcess, 30000) == WAIT_OBJECT_0,
           "%s: wineboot --end-session did not finish", when);
    CloseHandle(wineboot.hProcess);
    CloseHandle(wineboot.hThread);
    Expect(WaitForExit(program, 10000), "%s: the program outlived the session", when);
}

// The record the session's end left; false (recorded) without one.
bool ReadRecordAfter(const char* when, Bytes& file) {
    return Expect(ReadPreferenceFile(file) && file.size() == 34056,
                  "%s: no record of 34,056 bytes", when);
}

}  // namespace

void WonAndLostGamesAreCounted() {
    Bytes prefs = CustomWordPreferences({{"AB", "First two letters"}}, 4, 0);
    PutU32(prefs, ProgramStarts, 7);
    PutU32(prefs, TotalGames, 10);
    PutU32(prefs, TotalWins, 6);
    PutU32(prefs, TotalLosses, 4);
    PutU32(prefs, LifetimeStarts, 20);
    PutU32(prefs, LifetimeGames, 30);
    PutU32(prefs, LifetimeWins, 18);
    PutU32(prefs, LifetimeLosses, 12);
    Program program;
    if (!Launch(program, &prefs)) return;
    ExpectText(Caption(program), "Wordloft - Category: Custom Words", "caption");
    Expect(IsChecked(program, kCommandUseCustomWords), "Use Custom Words is not checked");
    Image start, won, lost;
    if (CaptureClient(program, start))
        ExpectText(UnderlinePattern(start), "__........................", "slots of \"AB\"");

    TypeLetters(program, "AB");  // won
    ExpectGameMenus(program, false, "after the won game");
    if (CaptureClient(program, won)) {
        Expect(!SlotShowsLetter(won, 0) && !SlotShowsLetter(won, 1),
               "the next game shows letters of the last one");
        Expect(CountDifferences(start, won, kInformationLine) > 0,
               "the information line did not change after the win");
    }
    TypeLetters(program, "CDEF");  // four misses of four: lost
    if (CaptureClient(program, lost) && !start.Empty() && !won.Empty()) {
        // Three different faces: neutral at the start, happy, sad.
        Expect(CountDifferences(start, won, kFaceBox) > 0, "the face did not change after a win");
        Expect(CountDifferences(won, lost, kFaceBox) > 0, "the face did not change after a loss");
        Expect(CountDifferences(start, lost, kFaceBox) > 0, "the face after a loss is the first one");
    }

    Bytes expected = prefs;
    PutU32(expected, ProgramStarts, 8);
    PutU32(expected, TotalGames, 12);
    PutU32(expected, TotalWins, 7);
    PutU32(expected, TotalLosses, 5);
    PutU32(expected, LifetimeStarts, 21);
    PutU32(expected, LifetimeGames, 32);
    PutU32(expected, LifetimeWins, 19);
    PutU32(expected, LifetimeLosses, 13);
    Bytes file;
    if (CloseAndRead(program, file)) ExpectSameBytes(file, expected, "file after a win and a loss");
}

void FirstGuessGreysWordsAndMaxGuesses() {
    Bytes prefs = CustomWordPreferences({{"AB", ""}}, 6, 0);
    Program program;
    if (!Launch(program, &prefs)) return;
    ExpectGameMenus(program, false, "fresh game");

    TypeCharacter(program, 'z');  // a miss, typed in lower case
    ExpectGameMenus(program, true, "after a miss");
    PostKey(program, VK_F2);
    Settle(program);
    ExpectGameMenus(program, false, "after F2");

    TypeCharacter(program, 'A');  // a hit
    ExpectGameMenus(program, true, "after a hit");
    PostCommand(program, kCommandNew);
    Settle(program);
    ExpectGameMenus(program, false, "after New");
    Image scene;
    if (CaptureClient(program, scene))
        Expect(!SlotShowsLetter(scene, 0), "the new game still shows the A of the abandoned one");

    TypeCharacter(program, '1');  // no letter: ignored
    ExpectGameMenus(program, false, "after typing a digit");

    // Two commands that each open a dialog, posted while a won game ends,
    // open one dialog at a time, in order.
    TypeCharacter(program, 'A');
    PostCharacter(program, 'B');
    PostCommand(program, kCommandEditRandomCategories);
    PostCommand(program, kCommandDisplayHighScores);
    if (HWND first = ExpectDialog(program, kRandomCategoriesCaption, 10000)) {
        Expect(WaitForDialog(program.Process.dwProcessId, kScoreboardCaption, 500) == nullptr,
               "the scoreboard opened inside the Random Categories dialog");
        PressButton(first, IDCANCEL);
        WaitForDialogGone(first, 3000);
        if (HWND second = ExpectDialog(program, kScoreboardCaption, 5000)) {
            PressButton(second, IDOK);
            WaitForDialogGone(second, 3000);
        }
    }
    ExpectNoDialog(program, 300, "after both dialogs");

    // Abandoned games count nothing: the won game alone is counted.
    Bytes file;
    if (CloseAndRead(program, file)) {
        ExpectEqual(GetI32(file, TotalGames), 1, "TotalGames");
        ExpectEqual(GetI32(file, ProgramStarts), 1, "ProgramStarts");
    }
}

namespace {

struct GameEnd {
    QueueWaits Waits;
    DWORD Ms = 0;
    ProcessorReading Before, After;
    bool ReadProcessor = false;
};

// A point of the client area on the screen.
POINT OnScreen(const Program& program, POINT client) {
    const RECT r = ClientOnScreen(program);
    return POINT{r.left + client.x, r.top + client.y};
}

// The places of the frame the player uses while a loss ends.
struct FramePlaces {
    POINT Close, Caption, Menu;
};

bool FindFramePlaces(const Program& program, FramePlaces& places) {
    return Expect(FramePoint(program, HTCLOSE, places.Close) && FramePoint(program, HTCAPTION, places.Caption) &&
                      FramePoint(program, HTMENU, places.Menu),
                  "the close box, the caption or the menu bar was not found on the frame");
}

// While a loss ends the player presses the close box and slides off it
// before letting go, moves the pointer over the caption for a second or
// two, and clicks the menu bar; meanwhile another program posts a command
// (Scoring On/Off), which must survive the pointer's moves.
void UseFrameWhileGameEnds(const Program& program, const FramePlaces& places) {
    MovePointer(places.Close);
    Sleep(50);
    PressPrimaryButton(true);
    Sleep(50);
    MovePointer(places.Caption);
    Sleep(50);
    PressPrimaryButton(false);
    for (int i = 0; i < 800; ++i) {
        MovePointer(POINT{places.Caption.x + 20 + i % 150, places.Caption.y});
        if (i % 4 == 0) Sleep(1);
    }
    PostCommand(program, kCommandScoringOnOff);
    Sleep(200);
    ClickAt(places.Menu);
}

BOOL CALLBACK FindOpenMenu(HWND window, LPARAM data) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (process != *reinterpret_cast<DWORD*>(data) || lstrcmpA(name, "#32768") != 0 || !IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<DWORD*>(data) = 0;
    return FALSE;
}

bool MenuOpens(const Program& program, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        DWORD process = program.Process.dwProcessId;
        EnumWindows(FindOpenMenu, reinterpret_cast<LPARAM>(&process));
        if (process == 0) return true;
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return false;
}

// After the loss: the menu bar's click opened its menu, the posted command
// ran, and the close box, let go off the box, closed nothing.
void ExpectFrameClicksReplayed(const Program& program) {
    Expect(MenuOpens(program, 3000), "the menu bar clicked during the loss opened no menu afterwards");
    Expect(IsChecked(program, kCommandScoringOnOff),
           "the command posted after the pointer's moves over the caption did not run");
    PostKey(program, VK_ESCAPE);
    PostKey(program, VK_ESCAPE);
    Settle(program);
    Expect(WaitForSingleObject(program.Process.hProcess, 300) != WAIT_OBJECT_0 && IsWindow(program.Window),
           "a press on the close box let go off the box closed the game");
}

// Ends the game with the keyboard and, while its end runs, presses a key,
// turns the wheel, clicks a letter and presses F2, all as real input (and
// on a loss uses the frame as UseFrameWhileGameEnds does); returns once the
// next game is ready (the end's sounds and pauses over) with how long
// messages waited meanwhile.
GameEnd EndGameWhileTyping(const Program& program, char last, const FramePlaces* frame) {
    GameEnd end;
    SetForegroundWindow(program.Window);
    ClickAt(OnScreen(program, POINT{280, 247}));  // the phrase band, which a click leaves alone
    Settle(program);
    StartTimingQueueWaits();
    const DWORD start = GetTickCount();
    PressKey(static_cast<WORD>(last));
    Sleep(400);
    end.ReadProcessor = ReadProcessor(program, end.Before);
    PressKey('X');
    TurnWheel(-1);
    Sleep(300);
    ClickAt(OnScreen(program, LetterCellCentre('Q')));
    PressKey(VK_F2);
    if (frame) UseFrameWhileGameEnds(program, *frame);
    const DWORD posted = GetTickCount();
    Settle(program);
    end.Ms = GetTickCount() - start;
    end.Waits = StopTimingQueueWaits();
    end.ReadProcessor = end.ReadProcessor && ReadProcessor(program, end.After);
    Expect(GetTickCount() - posted > 1000, "the game had ended before the keys were typed: nothing was tested");
    return end;
}

// Windows calls a window hung when a message waits 5 s; the program takes
// every message within 100 ms however long the game's end runs.
void ExpectQueueServed(const GameEnd& end, const char* what) {
    std::fprintf(stderr, "%s: %d messages, the longest wait %d ms (message 0x%04X); the end took %lu ms\n", what,
                 end.Waits.Messages, end.Waits.LongestMs, end.Waits.LongestMessage, end.Ms);
    Expect(end.Waits.Messages > 0, "%s: no message was timed", what);
    Expect(end.Waits.LongestMs <= 100, "%s: message 0x%04X waited %d ms on the queue (at most 100)", what,
           end.Waits.LongestMessage, end.Waits.LongestMs);
}

// The next game is a fresh one: nothing typed or clicked during the end of
// the last one reached it.
void ExpectFreshGame(const Program& program, const Image& fresh, const char* what) {
    ExpectGameMenus(program, false, what);
    Image scene;
    if (!CaptureClient(program, scene)) return;
    long changed = CountDifferences(fresh, scene, kLetterPanel);
    if (!Expect(changed == 0, "%s: the letter panel of the next game differs from a fresh one in %ld pixels (%s)",
                what, changed, DescribeFirstDifference(fresh, scene, kLetterPanel).c_str()))
        SaveMismatch(fresh, scene, "letter-panel");
}

// A won and a lost game, each ended while the player types and clicks;
// what the next game shows and the record holds afterwards.
void PlayGameEnds(const Bytes& prefs, GameEnd& won, GameEnd& lost, const char* sound) {
    Program program;
    if (!Launch(program, &prefs)) return;
    Image fresh;
    if (!CaptureClient(program, fresh)) {
        KillProgram(program);
        return;
    }
    const std::string winning = std::string("a won game, sound ") + sound;
    const std::string losing = std::string("a lost game, sound ") + sound;
    FramePlaces frame;
    if (!FindFramePlaces(program, frame)) {
        KillProgram(program);
        return;
    }
    TypeCharacter(program, 'A');
    won = EndGameWhileTyping(program, 'B', nullptr);
    ExpectQueueServed(won, winning.c_str());
    ExpectFreshGame(program, fresh, ("after " + winning).c_str());
    for (char c : {'C', 'D', 'E', 'F', 'G'}) TypeCharacter(program, c);
    lost = EndGameWhileTyping(program, 'H', &frame);
    ExpectQueueServed(lost, losing.c_str());
    ExpectFrameClicksReplayed(program);
    ExpectFreshGame(program, fresh, ("after " + losing).c_str());
    Bytes file;
    if (CloseAndRead(program, file)) {
        ExpectEqual(GetI32(file, TotalWins), 1, "TotalWins");
        ExpectEqual(GetI32(file, TotalLosses), 1, "TotalLosses");
    }
}

}  // namespace

void InputDuringGameEndIsDiscarded() {
    Bytes prefs = CustomWordPreferences({{"AB", ""}}, 6, 0);
    GameEnd won, lost;
    PlayGameEnds(prefs, won, lost, "off");
    // The pauses sleep while the player types and clicks.
    if (Expect(won.ReadProcessor, "the probe read no processor time"))
        Expect(won.After.CpuMs - won.Before.CpuMs < 0.25 * (won.After.ClockMs - won.Before.ClockMs),
               "the end of the game took %.0f ms of processor time in %.0f ms with input arriving",
               won.After.CpuMs - won.Before.CpuMs, won.After.ClockMs - won.Before.ClockMs);

    // With a sound device each cue plays to its end before the next step,
    // and the queue is served all the same.
    PrefixSoundDevice device;
    if (!device.Applied) return;
    PutU16(prefs, SoundOn, 1);
    GameEnd wonAloud, lostAloud;
    PlayGameEnds(prefs, wonAloud, lostAloud, "on");
    Expect(wonAloud.Ms >= won.Ms + 1500, "a won game took %lu ms with sound and %lu ms without: its sounds "
           "(about 1.9 s) were not waited for", wonAloud.Ms, won.Ms);
    Expect(lostAloud.Ms >= lost.Ms + 2500, "a lost game took %lu ms with sound and %lu ms without: its sounds "
           "(about 3.5 s) were not waited for", lostAloud.Ms, lost.Ms);
}

void SessionEndKeepsTheRecord() {
    Bytes prefs = CustomWordPreferences({{"AB", ""}}, 6, 1);
    PutU32(prefs, ProgramStarts, 4);
    Program program;
    if (!Launch(program, &prefs)) return;
    // A won game, its winning streak of one not yet offered to the board:
    // nobody can be asked for a name now, so it is filed without one.
    TypeLetters(program, "AB");
    EndSession(program, "after a won game");
    Bytes file;
    if (!ReadRecordAfter("after a won game", file)) return;
    ExpectEqual(GetI32(file, ProgramStarts), 5, "ProgramStarts after the session's end");
    ExpectEqual(GetI32(file, TotalGames), 1, "TotalGames after the session's end");
    ExpectEqual(GetI32(file, TotalWins), 1, "TotalWins after the session's end");
    ExpectEqual(GetI16(file, ScoreOffset(1, 0)), 1, "the streak filed at the session's end");
    ExpectText(GetText(file, NameOffset(1, 0), 16), "(no name)", "its name");
    ExpectText(GetText(file, CategoryOffset(1, 0), 32), "Custom Words", "its word source");

    // The session ends while the end of a won game is still running.
    if (!Launch(program, &file)) return;
    TypeCharacter(program, 'A');
    PostCharacter(program, 'B');
    Sleep(400);
    EndSession(program, "during the end of a game");
    if (!ReadRecordAfter("during the end of a game", file)) return;
    ExpectEqual(GetI32(file, ProgramStarts), 6, "ProgramStarts after the second session");
    ExpectEqual(GetI32(file, TotalWins), 2, "TotalWins after the session ended during a game's end");

    // With the Custom Words dialog open: the program still ends and saves,
    // without the word that was added but never confirmed with Done.
    if (!Launch(program, &file)) return;
    PostCommand(program, kCommandEditCustomWords);
    if (HWND dialog = ExpectDialog(program, kCustomWordsCaption, 5000)) {
        SetItemText(dialog, 1009, "UNCONFIRMED");
        PressButton(dialog, IDOK);
        Settle(program);
        ExpectText(ItemText(dialog, 1016), "2", "words in the dialog before the session ends");
    }
    EndSession(program, "with the Custom Words dialog open");
    if (!ReadRecordAfter("with the Custom Words dialog open", file)) return;
    ExpectEqual(GetI32(file, ProgramStarts), 7, "ProgramStarts after the third session");
    ExpectEqual(GetI16(file, CustomWordCount), 1, "CustomWordCount: the unconfirmed word is left out");

    // Ended from outside (Task Manager, a crash) right after a won game:
    // the game was saved as it ended. (Scoring off: closing offers no
    // streak.)
    PutU16(file, ScoringOn, 0);
    if (!Launch(program, &file)) return;
    TypeLetters(program, "AB");
    KillProgram(program);
    if (!ReadRecordAfter("killed after a won game", file)) return;
    ExpectEqual(GetI32(file, TotalWins), 3, "TotalWins after the program was killed");

    // A scanner holds the record for 1.5 s while the player closes the
    // game: the save waits for it and no error is shown.
    PutU16(file, ScoringOn, 0);
    if (!Launch(program, &file)) return;
    TypeLetters(program, "AB");
    HANDLE held = CreateFileW(Widen(PreferenceFilePath()).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    Expect(held != INVALID_HANDLE_VALUE, "cannot hold the record open");
    PostMessageA(program.Window, WM_CLOSE, 0, 0);
    Sleep(1500);
    const bool ended = WaitForSingleObject(program.Process.hProcess, 0) == WAIT_OBJECT_0;
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    Expect(!ended, "the program ended while its record was held: nothing was tested");
    if (!Expect(WaitForExit(program, 5000), "the program did not end once the record was free")) return;
    if (!ReadRecordAfter("closed while the record was held", file)) return;
    ExpectEqual(GetI32(file, TotalWins), 4, "TotalWins after closing with the record held");
}
