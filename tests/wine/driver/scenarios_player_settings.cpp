// The player's own settings of Windows: a contrast theme switched on and
// off while the game runs, "Make text bigger" changed while it runs and set
// before it starts, and "Show animations in Windows" switched off, each
// announced as Windows announces it.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "../probe/probe_protocol.h"
#include "check.h"
#include "dialogs.h"
#include "render/contrast_pairs.h"
#include "scenario_support.h"
#include "scenarios.h"

namespace {

// Windows 11's contrast theme "Desert", the prefix's system colours while
// it is played: colours no normal-looking scene uses.
struct ThemeColour {
    const char* Name;  // under HKCU\Control Panel\Colors
    const char* Value;
    uint32_t Rgb;
};
const ThemeColour kDesert[] = {{"Window", "255 250 239", 0xFFFAEF},
                               {"WindowText", "61 61 61", 0x3D3D3D},
                               {"GrayText", "103 103 103", 0x676767},
                               {"Hilight", "144 57 9", 0x903909},
                               {"HilightText", "255 245 227", 0xFFF5E3}};
constexpr uint32_t kWindow = 0xFFFAEF, kText = 0x3D3D3D, kGray = 0x676767, kHighlight = 0x903909;

struct PrefixColours {
    PrefixColours() {
        for (const ThemeColour& c : kDesert)
            Settings.push_back(std::make_unique<PrefixSetting>("Control Panel\\Colors", c.Name, REG_SZ, c.Value,
                                                               static_cast<DWORD>(std::strlen(c.Value) + 1)));
    }
    bool Applied() const {
        for (const auto& s : Settings)
            if (!s->Applied) return false;
        return true;
    }
    std::vector<std::unique_ptr<PrefixSetting>> Settings;
};

// "Make text bigger": Windows keeps the factor here.
struct PrefixTextScale : PrefixSetting {
    explicit PrefixTextScale(DWORD percent)
        : PrefixSetting("Software\\Microsoft\\Accessibility", "TextScaleFactor", REG_DWORD, &percent, sizeof percent) {}
};

// "Show animations in Windows" switched off: byte 4, bit 0x02 of the
// user preferences mask clear (Wine's default mask, otherwise).
struct PrefixAnimationsOff : PrefixSetting {
    static constexpr BYTE kMask[8] = {0x30, 0x00, 0x02, 0x80, 0x10, 0x00, 0x00, 0x00};
    PrefixAnimationsOff() : PrefixSetting("Control Panel\\Desktop", "UserPreferencesMask", REG_BINARY, kMask, sizeof kMask) {}
};

// Windows tells every window of a change of settings, and of the colours a
// contrast theme brings, with these messages.
void AnnounceSettingChange(const Program& program, WPARAM setting, bool colours) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(program.Window, WM_SETTINGCHANGE, setting, 0, SMTO_NORMAL, 10000, &result);
    if (colours) SendMessageTimeoutA(program.Window, WM_SYSCOLORCHANGE, 0, 0, SMTO_NORMAL, 10000, &result);
}

void SwitchContrastTheme(const Program& program, bool on) {
    Expect(AskProbeData(program, kProbeAnswerHighContrast, on ? 1 : 0, nullptr) != nullptr,
           "the probe could not report the contrast theme");
    AnnounceSettingChange(program, SPI_SETHIGHCONTRAST, true);
}

void ExpectClientSize(const Program& program, int width, int height, const std::string& when) {
    RECT client;
    GetClientRect(program.Window, &client);
    ExpectEqual(client.right, width, ("client width " + when).c_str());
    ExpectEqual(client.bottom, height, ("client height " + when).c_str());
}

uint8_t Channel(uint32_t rgb, int c) { return static_cast<uint8_t>(rgb >> (8 * c)); }

// Whether a pixel is the background, the foreground or a blend of the two
// (the edge of a smoothed letter): every channel the same share of the way.
bool OnBlend(uint32_t pixel, uint32_t background, uint32_t foreground) {
    double low = 1, high = 0;
    for (int c = 0; c < 3; ++c) {
        const int span = Channel(foreground, c) - Channel(background, c);
        const int off = Channel(pixel, c) - Channel(background, c);
        if (span == 0) {
            if (off < -2 || off > 2) return false;
            continue;
        }
        const double share = static_cast<double>(off) / span;
        low = std::min(low, share);
        high = std::max(high, share);
    }
    return low >= -0.03 && high <= 1.03 && high - low <= 0.12;
}

// A region drawn in the contrast look: every pixel is the theme's window
// colour, one of the foregrounds given, or a blend of the window colour and
// one of them, so nothing else (no picture) lies behind the text; each
// foreground is there, and has the contrast a text needs.
void ExpectThemeRegion(const Image& picture, const RECT& r, const std::vector<uint32_t>& foregrounds,
                       const char* what) {
    long stray = 0;
    POINT first = {0, 0};
    std::vector<long> found(foregrounds.size(), 0);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const uint32_t p = picture.At(x, y);
            bool fits = false;
            for (size_t i = 0; i < foregrounds.size(); ++i) {
                if (p == foregrounds[i]) ++found[i];
                fits = fits || OnBlend(p, kWindow, foregrounds[i]);
            }
            if (!fits && stray++ == 0) first = {x, y};
        }
    Expect(stray == 0, "%s: %ld pixels are not in the theme's colours (the first at %ld,%ld: 0x%06X)", what, stray,
           first.x, first.y, stray ? picture.At(first.x, first.y) : 0u);
    for (size_t i = 0; i < foregrounds.size(); ++i) {
        const double ratio = ContrastRatio(foregrounds[i], kWindow);
        Expect(found[i] > 0 && ratio >= 4.5, "%s: 0x%06X drawn on %ld pixels, with a contrast of %.2f:1", what,
               foregrounds[i], found[i], ratio);
    }
}

// The regions inside their frames, each in its pair of the theme.
void ExpectContrastScene(const Image& scene) {
    ExpectThemeRegion(scene, {2, 2, 561, 39}, {kText}, "statistics panel");
    ExpectThemeRegion(scene, {2, 233, 561, 262}, {kText}, "phrase band");
    ExpectThemeRegion(scene, {2, 266, 561, 346}, {kText, kGray}, "letter panel");
    ExpectThemeRegion(scene, {2, 350, 561, 376}, {kText}, "information line");
    ExpectThemeRegion(scene, {565, 47, 591, 88}, {kText}, "case toggle");
    ExpectThemeRegion(scene, {565, 92, 591, 376}, {kText, kHighlight}, "guess meter");
    // The pictures stay, framed in the theme's text colour.
    for (POINT frame : {POINT{0, 100}, POINT{1, 100}, POINT{300, 41}, POINT{564, 20}, POINT{567, 12}})
        ExpectEqual(scene.At(frame.x, frame.y), kText, "a frame's colour");
}

// How long a letter takes, its whole sequence included.
DWORD TimeLetter(const Program& program, char letter) {
    const DWORD start = GetTickCount();
    TypeCharacter(program, letter);
    return GetTickCount() - start;
}

void GrabAt(const Program& program, DWORD start, DWORD ms, Image& picture) {
    const DWORD passed = GetTickCount() - start;
    if (passed < ms) Sleep(ms - passed);
    GrabScreenSettled(ClientOnScreen(program), picture);
}

// A loss with animations switched off, at 150 % text: the last-but-one
// miss does not climb the sun, the last one shows the figure's last pose at
// once and never dances, the phrase's flash changes nothing on the screen,
// and the loss lasts as long as its reveal and its flash's clicks.
void PlayStillLoss() {
    const PrefixAnimationsOff still;
    const PrefixTextScale text(150);
    const Bytes prefs = CustomWordPreferences({{"QUIZ", "A short test"}}, 4, 0);
    Program program;
    if (!Expect(still.Applied && text.Applied, "cannot set animations off and 150 %% text") ||
        !Launch(program, &prefs))
        return;
    ExpectClientSize(program, 890, 567, "at 150 % text from the start");
    Image picture;
    if (CaptureClient(program, picture)) SaveScreenshot(picture, "still-loss-0-text-150");
    TypeLetters(program, "QAB");  // a hit, then two misses
    const DWORD climb = TimeLetter(program, 'C');
    Expect(climb < 450, "the miss that climbs the sun took %lu ms", climb);
    // The last miss: three letters revealed 250 ms apart, then ten clicks
    // of the flash 250 ms apart.
    const DWORD expected = (3 + 10) * 250;
    const DWORD start = GetTickCount();
    PostCharacter(program, 'D');
    Image first, flash[7];
    GrabAt(program, start, 100, first);
    SaveScreenshot(first, "still-loss-1-last-miss");
    GrabAt(program, start, 350, picture);
    SaveScreenshot(picture, "still-loss-2-reveal");
    for (int i = 0; i < 7; ++i) GrabAt(program, start, 1300 + 250 * i, flash[i]);
    SaveScreenshot(flash[0], "still-loss-3-information-and-flash");
    Settle(program);
    const DWORD took = GetTickCount() - start;
    Expect(took >= expected - 30 && took < expected + 900, "the loss took %lu ms, its reveal and clicks %lu ms",
           took, expected);
    const RECT box = {2, 64, 842, 344};  // inside the scene box at 150 %
    Expect(!first.Empty() && !flash[0].Empty() && CountDifferences(first, flash[0], box) == 0,
           "the scene box moved after the last miss");
    for (int i = 1; i < 7; ++i) {
        const RECT all = {0, 0, flash[0].Width, flash[0].Height};
        Expect(CountDifferences(flash[0], flash[i], all) == 0, "the window changed %d ms into the flash (%s)",
               250 * i, DescribeFirstDifference(flash[0], flash[i], all).c_str());
    }
    if (CaptureClient(program, picture)) SaveScreenshot(picture, "still-loss-4-next-game");
    CloseProgram(program);
}

// Where Windows has no animation setting (XP) the sun climbs whatever the
// preferences mask holds.
void ExpectAnimationsOnXp() {
    const PrefixWindowsVersion xp("winxp");
    const PrefixAnimationsOff still;
    const Bytes prefs = CustomWordPreferences({{"QUIZ", "A short test"}}, 4, 0);
    Program program;
    if (!xp.Applied || !Launch(program, &prefs)) return;
    TypeLetters(program, "AB");
    const DWORD climb = TimeLetter(program, 'C');
    Expect(climb >= 850, "on Windows XP the miss that climbs the sun took only %lu ms", climb);
    CloseProgram(program);
}

}  // namespace

void PlayerSettingsAreFollowed() {
    const PrefixColours colours;
    if (!Expect(colours.Applied(), "cannot set the theme's colours")) return;
    const Bytes prefs = CustomWordPreferences({{"DESERT WAGON", "A wagon crossing the desert"}}, 6, 0);
    Program program;
    if (!Launch(program, &prefs)) return;
    TypeLetters(program, "EB");  // a hit and a miss
    Image normal, contrast, again;
    CaptureClient(program, normal);
    SwitchContrastTheme(program, true);
    if (CaptureClient(program, contrast)) {
        ExpectContrastScene(contrast);
        SaveScreenshot(contrast, "contrast-theme-game");
    }
    PostCommand(program, kCommandDisplayHighScores);
    if (HWND dialog = ExpectDialog(program, kScoreboardCaption, 5000)) {
        Image board;
        if (CaptureWindowOf(program, GetDlgItem(dialog, kBoardArea), board)) {
            ExpectThemeRegion(board, {2, 2, board.Width - 2, board.Height - 2}, {kText}, "scoreboard");
            SaveScreenshot(board, "contrast-theme-scoreboard");
        }
        PressButton(dialog, IDOK);
        WaitForDialogGone(dialog, 3000);
        Settle(program);
    }
    // Switched off, the scene is what it was, pixel for pixel.
    SwitchContrastTheme(program, false);
    if (CaptureClient(program, again) && !normal.Empty())
        ExpectEqual(CountDifferences(normal, again, kSceneRect), 0, "pixels changed by a contrast theme on and off");
    // Text made bigger while the game runs, and back.
    PrefixTextScale bigger(150);
    AnnounceSettingChange(program, SPI_SETNONCLIENTMETRICS, false);
    ExpectClientSize(program, 890, 567, "at 150 % text");
    if (CaptureClient(program, again)) SaveScreenshot(again, "text-150-game");
    bigger.Restore();
    AnnounceSettingChange(program, SPI_SETNONCLIENTMETRICS, false);
    ExpectClientSize(program, 593, 378, "at normal text");
    CloseProgram(program);
    PlayStillLoss();
    ExpectAnimationsOnXp();
}
