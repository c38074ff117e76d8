// Playing: won and lost games reach the counters in the file, the first
// guess greys the Words and MaxGuesses menus until the next game, and keys
// pressed while a game ends never reach the next one.
#include "check.h"
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

    // Abandoned games count nothing.
    Bytes file;
    if (CloseAndRead(program, file)) {
        ExpectEqual(GetI32(file, TotalGames), 0, "TotalGames");
        ExpectEqual(GetI32(file, ProgramStarts), 1, "ProgramStarts");
    }
}

void InputDuringGameEndIsDiscarded() {
    Bytes prefs = CustomWordPreferences({{"AB", ""}}, 6, 0);
    Program program;
    if (!Launch(program, &prefs)) return;
    Image fresh;
    if (!CaptureClient(program, fresh)) {
        KillProgram(program);
        return;
    }

    TypeCharacter(program, 'A');
    PostCharacter(program, 'B');  // wins; the end of the game takes seconds
    Sleep(400);
    for (char c : {'X', 'Y', 'Z'}) PostCharacter(program, c);
    POINT q = LetterCellCentre('Q');
    PostClick(program, q.x, q.y);
    PostKey(program, VK_F2);
    DWORD posted = GetTickCount();
    Settle(program);
    Expect(GetTickCount() - posted > 1000,
           "the game had ended before the keys were typed: nothing was tested");

    ExpectGameMenus(program, false, "after keys typed during the end of the game");
    Image scene;
    if (CaptureClient(program, scene)) {
        long changed = CountDifferences(fresh, scene, kLetterPanel);
        if (!Expect(changed == 0, "the letter panel of the next game differs from a fresh one "
                                  "in %ld pixels (%s)",
                    changed, DescribeFirstDifference(fresh, scene, kLetterPanel).c_str()))
            SaveMismatch(fresh, scene, "letter-panel");
    }
    Bytes file;
    if (CloseAndRead(program, file)) {
        ExpectEqual(GetI32(file, TotalWins), 1, "TotalWins");
        ExpectEqual(GetI32(file, TotalLosses), 0, "TotalLosses");
    }
}
