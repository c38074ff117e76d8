// The player's own settings of Windows: a contrast theme switched on and
// off while the game runs, "Make text bigger" changed while it runs and set
// before it starts, and "Show animations in Windows" switched off.
#include <algorithm>
#include <cstdlib>
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

// Windows 11's contrast theme "Desert": window, text, grey text and
// highlight, under HKCU\Control Panel\Colors while it is played.
const char* const kDesertNames[] = {"Window", "WindowText", "GrayText", "Hilight", "HilightText"};
const char* const kDesertValues[] = {"255 250 239", "61 61 61", "103 103 103", "144 57 9", "255 245 227"};
constexpr uint32_t kWindow = 0xFFFAEF, kText = 0x3D3D3D, kGray = 0x676767, kHighlight = 0x903909;

struct PrefixTextScale : PrefixSetting {
    explicit PrefixTextScale(DWORD percent)
        : PrefixSetting("Software\\Microsoft\\Accessibility", "TextScaleFactor", REG_DWORD, &percent, sizeof percent) {}
};

// Animations off: bit 0x02 of byte 4 of Wine's preferences mask clear.
const BYTE kStillMask[8] = {0x30, 0x00, 0x02, 0x80, 0x10, 0x00, 0x00, 0x00};

// Windows announces a change of settings, and the colours a contrast
// theme brings, with these messages.
void Announce(const Program& program, WPARAM setting, bool colours) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(program.Window, WM_SETTINGCHANGE, setting, 0, SMTO_NORMAL, 10000, &result);
    if (colours) SendMessageTimeoutA(program.Window, WM_SYSCOLORCHANGE, 0, 0, SMTO_NORMAL, 10000, &result);
}

void SwitchContrastTheme(const Program& program, bool on) {
    Expect(AskProbeData(program, kProbeAnswerHighContrast, on ? 1 : 0, nullptr) != nullptr,
           "the probe could not report the contrast theme");
    Announce(program, SPI_SETHIGHCONTRAST, true);
}

void ExpectClientSize(const Program& program, int width, int height, const char* when) {
    RECT client;
    GetClientRect(program.Window, &client);
    Expect(client.right == width && client.bottom == height, "the client area %s is %ld x %ld, not %d x %d", when,
           client.right, client.bottom, width, height);
}

// Whether a pixel is the window colour, the foreground or a blend of the
// two (the edge of a smoothed letter): every channel the same share of the
// way from one to the other.
bool OnBlend(uint32_t pixel, uint32_t foreground) {
    double low = 1, high = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int span = static_cast<int>((foreground >> shift) & 0xFF) - static_cast<int>((kWindow >> shift) & 0xFF);
        const int off = static_cast<int>((pixel >> shift) & 0xFF) - static_cast<int>((kWindow >> shift) & 0xFF);
        if (span == 0 && std::abs(off) > 2) return false;
        if (span == 0) continue;
        low = std::min(low, static_cast<double>(off) / span);
        high = std::max(high, static_cast<double>(off) / span);
    }
    return low >= -0.03 && high <= 1.03 && high - low <= 0.12;
}

// A region of the contrast look holds only the window colour, the
// foregrounds given and their blends with it, so no picture lies behind
// its text; each foreground is drawn, with the contrast a text needs.
void ExpectThemeRegion(const Image& picture, const RECT& r, const std::vector<uint32_t>& foregrounds,
                       const char* what) {
    long stray = 0;
    std::vector<long> found(foregrounds.size(), 0);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            bool fits = false;
            for (size_t i = 0; i < foregrounds.size(); ++i) {
                found[i] += picture.At(x, y) == foregrounds[i];
                fits = fits || OnBlend(picture.At(x, y), foregrounds[i]);
            }
            if (!fits && stray++ == 0) Fail("%s: 0x%06X at %d,%d is no colour of the theme", what, picture.At(x, y), x, y);
        }
    for (size_t i = 0; i < foregrounds.size(); ++i)
        Expect(found[i] > 0 && ContrastRatio(foregrounds[i], kWindow) >= 4.5, "%s: 0x%06X on %ld pixels, %.2f:1", what,
               foregrounds[i], found[i], ContrastRatio(foregrounds[i], kWindow));
}

DWORD TimeLetter(const Program& program, char letter) {
    const DWORD start = GetTickCount();
    TypeCharacter(program, letter);
    return GetTickCount() - start;
}

void GrabAt(const Program& program, DWORD start, DWORD ms, Image& picture, const char* name = nullptr) {
    const DWORD passed = GetTickCount() - start;
    if (passed < ms) Sleep(ms - passed);
    if (GrabScreenSettled(ClientOnScreen(program), picture) && name) SaveScreenshot(picture, name);
}

// With animations off at 150 % text the window is 1.5 times the scene; the
// last-but-one miss does not climb the sun, the last one shows the figure's
// last pose at once, the flash changes nothing on the screen, and the loss
// lasts as long as its reveal and its clicks. At Windows XP, which has no
// such setting, the sun still climbs.
void PlayStillLoss(bool xp) {
    // The prefix plays Windows 7 unless told otherwise.
    const std::unique_ptr<PrefixWindowsVersion> version(xp ? new PrefixWindowsVersion("winxp") : nullptr);
    const PrefixSetting still("Control Panel\\Desktop", "UserPreferencesMask", REG_BINARY, kStillMask, 8);
    const PrefixTextScale text(150);
    const Bytes prefs = CustomWordPreferences({{"QUIZ", "A short test"}}, 4, 0);
    Program program;
    if ((version && !version->Applied) || !Expect(still.Applied && text.Applied, "cannot set the prefix") || !Launch(program, &prefs))
        return;
    TypeLetters(program, "QAB");  // a hit, then two misses
    const DWORD climb = TimeLetter(program, 'C');
    Expect(xp ? climb >= 850 : climb < 450, "at Windows %s the miss that climbs the sun took %lu ms", xp ? "XP" : "7", climb);
    if (xp) {
        CloseProgram(program);
        return;
    }
    ExpectClientSize(program, 890, 567, "at 150 % text");
    // The last miss: U, I and Z revealed 250 ms apart, then ten clicks of
    // the flash 250 ms apart.
    const DWORD start = GetTickCount();
    PostCharacter(program, 'D');
    Image first, picture, flash[7];
    GrabAt(program, start, 100, first, "still-loss-1-last-miss");
    GrabAt(program, start, 350, picture, "still-loss-2-reveal");
    for (int i = 0; i < 7; ++i) GrabAt(program, start, 1300 + 250 * i, flash[i], i ? nullptr : "still-loss-3-flash");
    Settle(program);
    const DWORD took = GetTickCount() - start;
    Expect(took >= 3250 - 30 && took < 3250 + 900, "the loss took %lu ms, its reveal and clicks 3250 ms", took);
    const RECT box = {2, 64, 842, 344}, all = {0, 0, first.Width, first.Height};
    Expect(CountDifferences(first, flash[0], box) == 0, "the scene box moved after the last miss");
    for (int i = 1; i < 7; ++i)
        Expect(CountDifferences(flash[0], flash[i], all) == 0, "the window changed %d ms into the flash (%s)",
               250 * i, DescribeFirstDifference(flash[0], flash[i], all).c_str());
    if (CaptureClient(program, picture)) SaveScreenshot(picture, "still-loss-4-next-game");
    CloseProgram(program);
}

}  // namespace

void PlayerSettingsAreFollowed() {
    std::vector<std::unique_ptr<PrefixSetting>> desert;
    for (int i = 0; i < 5; ++i)
        desert.push_back(std::make_unique<PrefixSetting>("Control Panel\\Colors", kDesertNames[i], REG_SZ,
                                                         kDesertValues[i], static_cast<DWORD>(std::strlen(kDesertValues[i]) + 1)));
    const Bytes prefs = CustomWordPreferences({{"DESERT WAGON", "A wagon crossing the desert"}}, 6, 0);
    Program program;
    if (!Launch(program, &prefs)) return;
    TypeLetters(program, "EB");  // a hit and a miss
    Image normal, contrast, board;
    CaptureClient(program, normal);
    SwitchContrastTheme(program, true);
    if (CaptureClient(program, contrast)) {
        // The regions inside their frames; the pictures framed in the text colour.
        ExpectThemeRegion(contrast, {2, 2, 561, 39}, {kText}, "statistics panel");
        ExpectThemeRegion(contrast, {2, 233, 561, 262}, {kText}, "phrase band");
        ExpectThemeRegion(contrast, {2, 266, 561, 346}, {kText, kGray}, "letter panel");
        ExpectThemeRegion(contrast, {2, 350, 561, 376}, {kText}, "information line");
        ExpectThemeRegion(contrast, {565, 47, 591, 88}, {kText}, "case toggle");
        ExpectThemeRegion(contrast, {565, 92, 591, 376}, {kText, kHighlight}, "guess meter");
        for (POINT frame : {POINT{1, 100}, POINT{300, 42}, POINT{564, 20}, POINT{567, 12}})
            ExpectEqual(contrast.At(frame.x, frame.y), kText, "a picture's frame");
        SaveScreenshot(contrast, "contrast-theme-game");
    }
    PostCommand(program, kCommandDisplayHighScores);
    if (HWND dialog = ExpectDialog(program, kScoreboardCaption, 5000)) {
        if (CaptureWindowOf(program, GetDlgItem(dialog, kBoardArea), board)) {
            ExpectThemeRegion(board, {2, 2, board.Width - 2, board.Height - 2}, {kText}, "scoreboard");
            SaveScreenshot(board, "contrast-theme-scoreboard");
        }
        PressButton(dialog, IDOK);
        WaitForDialogGone(dialog, 3000);
    }
    SwitchContrastTheme(program, false);
    if (CaptureClient(program, contrast) && !normal.Empty())
        ExpectEqual(CountDifferences(normal, contrast, kSceneRect), 0, "pixels changed by a contrast theme on and off");
    PrefixTextScale bigger(150);
    Announce(program, SPI_SETNONCLIENTMETRICS, false);
    ExpectClientSize(program, 890, 567, "at 150 % text");
    if (CaptureClient(program, contrast)) SaveScreenshot(contrast, "text-150-game");
    bigger.Restore();
    Announce(program, SPI_SETNONCLIENTMETRICS, false);
    ExpectClientSize(program, 593, 378, "at normal text");
    CloseProgram(program);
    PlayStillLoss(false);
    PlayStillLoss(true);
}
