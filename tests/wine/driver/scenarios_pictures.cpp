// Pictures: what the program draws while a game goes on must be what
// drawing the same state afresh draws, and a few key states are kept as
// screenshots for a person to look at.
#include <algorithm>
#include <cstdlib>

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
    const RECT whole = {0, 0, drawn.Width, drawn.Height};
    long differing = CountDifferences(drawn, repainted, whole);
    if (!Expect(differing == 0, "%s: a repaint changes %ld pixels (first at %s)", state.c_str(),
                differing, DescribeFirstDifference(drawn, repainted, whole).c_str()))
        SaveMismatch(drawn, repainted, state);
    differing = CountDifferences(drawn, printed, whole);
    if (!Expect(differing == 0, "%s: the scene drawn afresh differs in %ld pixels (first at %s)",
                state.c_str(), differing, DescribeFirstDifference(drawn, printed, whole).c_str()))
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

int Scaled(int length, int dpi) { return (length * dpi + 48) / 96; }

// The overlap, in client pixels, of client pixel u with scene pixel x,
// which covers dpi / 96 client pixels.
double Overlap(int x, int u, int dpi) {
    const double from = x * dpi / 96.0, to = (x + 1) * dpi / 96.0;
    return std::max(0.0, std::min(to, u + 1.0) - std::max(from, static_cast<double>(u)));
}

// The picture of a window at the resolution taken back to the scene's
// size: each scene pixel the mean of the client pixels over it, each by
// the area it covers.
Image ReducedToScene(const Image& picture, int dpi) {
    Image scene;
    scene.Width = 593;
    scene.Height = 378;
    scene.Pixels.assign(593 * 378, 0);
    for (int y = 0; y < 378; ++y) {
        const int top = y * dpi / 96, bottom = std::min(((y + 1) * dpi + 95) / 96, picture.Height);
        for (int x = 0; x < 593; ++x) {
            const int left = x * dpi / 96, right = std::min(((x + 1) * dpi + 95) / 96, picture.Width);
            double sum[3] = {0, 0, 0}, area = 0;
            for (int v = top; v < bottom; ++v)
                for (int u = left; u < right; ++u) {
                    const double w = Overlap(x, u, dpi) * Overlap(y, v, dpi);
                    area += w;
                    for (int c = 0; c < 3; ++c) sum[c] += w * ((picture.At(u, v) >> (8 * c)) & 0xFF);
                }
            uint32_t pixel = 0;
            for (int c = 0; c < 3; ++c) pixel |= static_cast<uint32_t>(sum[c] / area + 0.5) << (8 * c);
            scene.Pixels[static_cast<size_t>(y) * 593 + x] = pixel;
        }
    }
    return scene;
}

// How far two scene pictures lie apart: the mean difference of a channel
// (0..255), and the share in per cent of pixels that differ in some
// channel by more than half the range.
struct PictureDistance {
    double MeanDifference = 0;
    double PercentFarApart = 0;
};

PictureDistance DistanceOf(const Image& a, const Image& b) {
    double total = 0;
    long distant = 0;
    for (int y = 0; y < 378; ++y)
        for (int x = 0; x < 593; ++x) {
            int largest = 0;
            for (int c = 0; c < 3; ++c) {
                const int d = std::abs(static_cast<int>((a.At(x, y) >> (8 * c)) & 0xFF) -
                                       static_cast<int>((b.At(x, y) >> (8 * c)) & 0xFF));
                total += d;
                largest = std::max(largest, d);
            }
            if (largest > 128) ++distant;
        }
    return {total / (3.0 * 593 * 378), 100.0 * distant / (593 * 378)};
}

// The menus and the scoreboard open at the scale: the File menu drops
// down below the menu bar, and the dialog sits in the middle of the screen.
void ExpectMenuAndDialog(const Program& program, const std::string& name, int dpi) {
    PostMessageA(program.Window, WM_SYSCOMMAND, SC_KEYMENU, 'f');
    HWND menu = nullptr;
    for (int waited = 0; waited < 3000 && !menu; waited += 50, Sleep(50)) {
        menu = FindWindowA("#32768", nullptr);
        if (menu && !IsWindowVisible(menu)) menu = nullptr;
    }
    RECT frame, popup;
    GetWindowRect(program.Window, &frame);
    if (Expect(menu != nullptr, "%s: the File menu did not open", name.c_str()) &&
        GetWindowRect(menu, &popup)) {
        Expect(popup.top >= frame.top && popup.top <= ClientOnScreen(program).top + 4,
               "%s: the File menu opens at %ld, the client area begins at %ld", name.c_str(),
               popup.top, ClientOnScreen(program).top);
        Image picture;
        RECT both = {frame.left, frame.top, std::max(frame.right, popup.right),
                     std::max(frame.bottom, popup.bottom)};
        if (GrabScreenSettled(both, picture)) SaveScreenshot(picture, name + "-menu");
        SendMessageA(program.Window, WM_CANCELMODE, 0, 0);
    }
    Settle(program);
    PostCommand(program, kCommandDisplayHighScores);
    HWND dialog = ExpectDialog(program, kScoreboardCaption, 5000);
    if (!dialog) return;
    RECT box;
    GetWindowRect(dialog, &box);
    const int middle = GetSystemMetrics(SM_CXSCREEN) / 2;
    Expect(std::abs((box.left + box.right) / 2 - middle) <= 8, "%s: the scoreboard's middle is at x %ld, "
           "the screen's at %d", name.c_str(), (box.left + box.right) / 2, middle);
    Image picture;
    if (CaptureWindowOf(program, dialog, picture)) SaveScreenshot(picture, name + "-scoreboard");
    // The board's rows follow the dialog's own scale (its raster font need
    // not grow as the monitor's scale does): the rank 10 stands in the
    // tenth row's band, and nothing is written below it.
    static int boardHeightAt100 = 0;
    Image board;
    if (CaptureWindowOf(program, GetDlgItem(dialog, kBoardArea), board)) {
        if (dpi == 96) boardHeightAt100 = board.Height;
        const int scale = boardHeightAt100 > 0 ? 96 * board.Height / boardHeightAt100 : dpi;
        const RECT tenth = {Scaled(4, scale), Scaled(175, scale), Scaled(28, scale), Scaled(189, scale)};
        const RECT below = {Scaled(4, scale), Scaled(193, scale), Scaled(28, scale), board.Height - 2};
        Expect(CountDarkPixels(board, tenth) > 0 && CountDarkPixels(board, below) == 0,
               "%s: the board's rank 10 is not in its row at the dialog's scale", name.c_str());
    }
    PressButton(dialog, IDOK);
    Expect(WaitForDialogGone(dialog, 3000), "%s: the scoreboard did not close", name.c_str());
}

// Clicks the middle of a letter's cell, at the window's scale.
void ClickLetter(const Program& program, char letter, int dpi) {
    const int i = letter - 'A';
    const int x = 14 + 42 * (i % 13) + 16, y = (i < 13 ? 272 : 310) + 16;
    PostClick(program, Scaled(x, dpi), Scaled(y, dpi));
    Settle(program);
}

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

    // A loss that ends the winning streak: while the name dialog asks for
    // the streak, the main window is painted, and drawn afresh it shows
    // the figure where the dance left it, at once, without dancing again.
    // (The letter panel keeps the guesses of the lost game, not the
    // letters the loss revealed, which a print shows used.)
    PostCommand(program, kCommandScoringOnOff);
    Settle(program);
    TypeLetters(program, "ABCDE");
    PostCharacter(program, 'F');
    if (HWND dialog = ExpectDialog(program, kStreakNameCaption, 20000)) {
        const DWORD start = GetTickCount();
        Image drawn, repainted, printed;
        if (CaptureClient(program, drawn) && RepaintNow(program) && CaptureClient(program, repainted) &&
            CapturePrinted(program, printed)) {
            const DWORD took = GetTickCount() - start;
            Expect(took < 2000, "a repaint and a print after the last miss took %lu ms: the scene danced", took);
            ExpectEqual(CountDifferences(drawn, repainted, kSceneRect), 0, "pixels a repaint after the loss changes");
            for (const RECT& part : {RECT{0, 0, 593, 264}, RECT{0, 348, 593, 378}, RECT{563, 0, 593, 378}})
                ExpectEqual(CountDifferences(drawn, printed, part), 0,
                            "pixels the scene drawn afresh after the loss changes outside the letters");
            SaveScreenshot(drawn, "lost-game-during-the-offer");
        }
        SetItemText(dialog, kStreakNameField, "Ann");
        PressButton(dialog, IDOK);
        if (HWND board = ExpectDialog(program, kScoreboardCaption, 10000)) PressButton(board, IDOK);
        Settle(program);
    }
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

// The same game at 100, 125, 150 and 200 %: the client area is the scene
// at the scale, clicks at the scaled letters guess them, the picture
// taken back to the scene's size is the 100 % picture but for the mixed
// pixels at the edges of the art (at 125 % a scene pixel is only 1.25
// client pixels wide, so its neighbours' share shows most there), and the
// menus and a dialog open.
void DisplayScalesKeepTheSceneWhole() {
    const Bytes prefs = CustomWordPreferences({{"QUIZ", "A short test"}}, 6, 0);
    Image reference;
    for (int dpi : {96, 120, 144, 192}) {
        PrefixDisplayScale scale(static_cast<DWORD>(dpi));
        const std::string name = "scale-" + std::to_string(dpi * 100 / 96);
        Program program;
        if (!Expect(scale.Applied, "%s: cannot set the display scale", name.c_str()) ||
            !Launch(program, &prefs))
            continue;
        RECT client;
        GetClientRect(program.Window, &client);
        ExpectEqual(client.right, Scaled(593, dpi), (name + ": client width").c_str());
        ExpectEqual(client.bottom, Scaled(378, dpi), (name + ": client height").c_str());
        ClickLetter(program, 'Q', dpi);  // a hit
        ClickLetter(program, 'B', dpi);  // a miss
        ExpectRepaintMatches(program, name);
        Image picture;
        if (CaptureClient(program, picture)) {
            SaveScreenshot(picture, name + "-game");
            const Image scene = dpi == 96 ? picture : ReducedToScene(picture, dpi);
            // The phrase QUIZ shows its Q, and nothing in the next slot.
            const RECT q = {9, 233, 28, 255}, u = {30, 233, 49, 255};
            Expect(CountDarkPixels(scene, q) > 10 && CountDarkPixels(scene, u) == 0,
                   "%s: the click on Q did not show it in the phrase alone", name.c_str());
            if (dpi == 96) {
                reference = scene;
            } else if (!reference.Empty() && dpi % 96 == 0) {
                ExpectEqual(CountDifferences(scene, reference, kSceneRect), 0L,
                            (name + ": pixels unlike the 100 % picture").c_str());
            } else if (!reference.Empty()) {
                const PictureDistance d = DistanceOf(scene, reference);
                Expect(d.MeanDifference < 16 && d.PercentFarApart < 1,
                       "%s: taken back to 593 x 378 the picture lies %.2f apart from the 100 %% "
                       "picture on average, %.2f %% of it far apart", name.c_str(), d.MeanDifference,
                       d.PercentFarApart);
            }
        }
        ExpectMenuAndDialog(program, name, dpi);
        CloseProgram(program);
    }
}
