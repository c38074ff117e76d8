// Pictures: what the program draws while a game goes on must be what
// drawing the same state afresh draws, and a few key states are kept as
// screenshots for a person to look at.
#include "check.h"
#include "dialogs.h"
#include "scenario_support.h"
#include "scenarios.h"

using namespace PrefOffset;

namespace {

// Captures the window as it stands, has it repaint itself whole and draw
// the scene afresh from the game's state (WM_PRINTCLIENT), and records any
// difference between the three pictures.
void ExpectRepaintMatches(const Program& program, const std::string& state) {
    Image drawn, repainted, printed;
    if (!CaptureClient(program, drawn) || !RepaintNow(program) ||
        !CaptureClient(program, repainted) || !CapturePrinted(program, printed))
        return;
    long differing = CountDifferences(drawn, repainted, kSceneRect);
    if (!Expect(differing == 0, "%s: a repaint changes %ld pixels (first at %s)", state.c_str(),
                differing, DescribeFirstDifference(drawn, repainted, kSceneRect).c_str()))
        SaveMismatch(drawn, repainted, state);
    differing = CountDifferences(drawn, printed, kSceneRect);
    if (!Expect(differing == 0, "%s: the scene drawn afresh differs in %ld pixels (first at %s)",
                state.c_str(), differing, DescribeFirstDifference(drawn, printed, kSceneRect).c_str()))
        SaveMismatch(drawn, printed, state + "-printed");
}

// Grabs the window from the screen while the program is busy with the end
// of a game, once the picture has held still for a moment.
void GrabDuringGameEnd(const Program& program, DWORD afterMs, const std::string& name) {
    Sleep(afterMs);
    Image picture;
    if (Expect(GrabScreenSettled(ClientOnScreen(program), picture),
               "cannot grab the screen for %s", name.c_str()))
        SaveScreenshot(picture, name);
}

constexpr char kReviewPhrase[] = "DESERT WAGON";

}  // namespace

void RepaintMatchesAnimatedDrawing() {
    Bytes prefs = CustomWordPreferences({{"QUIZ", "A short test"}}, 6, 0);
    Program program;
    if (!Launch(program, &prefs)) return;
    ExpectRepaintMatches(program, "fresh-game");
    const char misses[] = "ABCDE";  // five of six: every stage up to the last
    for (int i = 0; i < 5; ++i) {
        TypeCharacter(program, misses[i]);
        ExpectRepaintMatches(program, "miss-" + std::to_string(i + 1));
    }
    TypeCharacter(program, 'Q');
    ExpectRepaintMatches(program, "hit-with-one-guess-left");

    PostClick(program, 100, 20);  // the statistics panel: cumulative figures
    Settle(program);
    ExpectRepaintMatches(program, "cumulative-panel");
    Image capitals, small, back;
    CaptureClient(program, capitals);
    PostClick(program, 577, 67);  // the case toggle: small letters
    Settle(program);
    ExpectRepaintMatches(program, "small-letters");
    // The letters change case and come back exactly as they were.
    if (CaptureClient(program, small) && !capitals.Empty())
        Expect(CountDifferences(capitals, small, kLetterPanel) > 0, "the letters kept their case");
    PostClick(program, 577, 67);
    Settle(program);
    if (CaptureClient(program, back) && !capitals.Empty())
        ExpectEqual(CountDifferences(capitals, back, kLetterPanel), 0,
                    "letter panel pixels changed by two case toggles");
    PostClick(program, 577, 67);  // small letters again for the rest
    Settle(program);
    TypeLetters(program, "UIZ");  // the win, then the next game
    ExpectRepaintMatches(program, "after-a-win");
    CloseProgram(program);
}

void ScreenshotsForReview() {
    Bytes prefs = CustomWordPreferences({{kReviewPhrase, "A wagon crossing the desert"}}, 4, 0);
    Program program;
    if (!Launch(program, &prefs)) return;
    Image picture;
    // A game in progress at each MaxGuesses: two misses and two hits.
    for (int n = 4; n <= 12; n += 2) {
        PostCommand(program, MaxGuessesCommand(n));
        Settle(program);
        ExpectEqual(CheckedMaxGuesses(program), n, "checked MaxGuesses");
        TypeLetters(program, "BCAE");
        if (CaptureClient(program, picture))
            SaveScreenshot(picture, "game-" + std::to_string(n) + "-guesses");
        PostKey(program, VK_F2);
        Settle(program);
    }
    // The last miss of a 4-guess game, while the loss is shown.
    PostCommand(program, MaxGuessesCommand(4));
    Settle(program);
    TypeLetters(program, "AEBCF");
    PostCharacter(program, 'H');
    GrabDuringGameEnd(program, 1200, "last-miss");
    Settle(program);
    // A won game, while its end is shown.
    TypeLetters(program, "DESRTWAG");
    PostCharacter(program, 'O');
    PostCharacter(program, 'N');
    GrabDuringGameEnd(program, 600, "won-game");
    Settle(program);
    // The cumulative figures.
    PostClick(program, 100, 20);
    Settle(program);
    if (CaptureClient(program, picture)) SaveScreenshot(picture, "cumulative-panel");
    Bytes file;
    CloseAndRead(program, file);
}
