// Start-up: the first start without a preference file, a start from a
// maximized shortcut and a change of the frame metrics, and word sources
// that have nothing to offer falling back to Entered Word.
#include "check.h"
#include "dialogs.h"
#include "scenario_support.h"
#include "scenarios.h"

using namespace PrefOffset;

namespace {

void ExpectWindowCentred(const Program& program) {
    RECT window, client, desktop;
    GetWindowRect(program.Window, &window);
    GetClientRect(program.Window, &client);
    GetWindowRect(GetDesktopWindow(), &desktop);
    int width = window.right - window.left;
    int height = window.bottom - window.top;
    int expectedHeight =
        378 + GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU) + 6;
    ExpectEqual(width, 599, "window width");
    ExpectEqual(height, expectedHeight, "window height");
    ExpectEqual(client.right, 593, "client width");
    ExpectEqual(client.bottom, 378, "client height");
    ExpectEqual(window.left, (desktop.right - width) / 2, "window left");
    ExpectEqual(window.top, (desktop.bottom - height) / 2, "window top");
    LONG style = GetWindowLongA(program.Window, GWL_STYLE);
    Expect((style & WS_THICKFRAME) == 0 && (style & WS_MAXIMIZEBOX) == 0,
           "the window can be resized or maximised (style 0x%08lX)", style);
}

void ExpectClientIsScene(const Program& program, const char* when) {
    RECT client;
    GetClientRect(program.Window, &client);
    Expect(client.right == 593 && client.bottom == 378, "%s: the client area is %ld x %ld, not 593 x 378", when,
           client.right, client.bottom);
}

// Text made bigger in the system's settings makes the menu bar taller and
// the client area shorter, and the system tells every window that the
// frame metrics changed; a new screen resolution is told the same way.
// Wine keeps a running program's metrics as they were when it started,
// so the window is made shorter here, as a taller menu bar would make
// it, and moved half off the screen, before each notice is sent.
void ChangeFrameMetricsAndResolution(const Program& program) {
    RECT frame;
    GetWindowRect(program.Window, &frame);
    SetWindowPos(program.Window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top - 20,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(program.Window, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS,
                        reinterpret_cast<LPARAM>("WindowMetrics"), SMTO_ABORTIFHUNG, 5000, &result);
    ExpectClientIsScene(program, "after the frame metrics changed");
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    SetWindowPos(program.Window, nullptr, screenWidth - 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageTimeoutA(program.Window, WM_DISPLAYCHANGE, 24, MAKELPARAM(screenWidth, GetSystemMetrics(SM_CYSCREEN)),
                        SMTO_ABORTIFHUNG, 5000, &result);
    ExpectClientIsScene(program, "after the resolution changed");
    GetWindowRect(program.Window, &frame);
    Expect(frame.left >= 0 && frame.right <= screenWidth, "the window lies off the screen after the resolution "
           "changed (%ld to %ld)", frame.left, frame.right);

    // The same changes while the window is minimized: it stays where it
    // is, and is fitted as it is restored.
    SetWindowPos(program.Window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top - 20,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(program.Window, SW_MINIMIZE);
    GetWindowRect(program.Window, &frame);
    SendMessageTimeoutA(program.Window, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS,
                        reinterpret_cast<LPARAM>("WindowMetrics"), SMTO_ABORTIFHUNG, 5000, &result);
    SendMessageTimeoutA(program.Window, WM_DISPLAYCHANGE, 24, MAKELPARAM(screenWidth, GetSystemMetrics(SM_CYSCREEN)),
                        SMTO_ABORTIFHUNG, 5000, &result);
    RECT minimized;
    GetWindowRect(program.Window, &minimized);
    Expect(IsIconic(program.Window) && EqualRect(&frame, &minimized),
           "the minimized window was moved or restored by the changes");
    ShowWindow(program.Window, SW_RESTORE);
    Settle(program);
    ExpectClientIsScene(program, "restored after changes while minimized");
}

// Exactly the given Words item carries the check mark.
void ExpectWordSourceMark(const Program& program, int command) {
    std::vector<int> items = {32781, 32783, 32785};
    for (int id = 32797; id <= 32847; ++id) items.push_back(id);
    for (int id : items) {
        bool checked = IsChecked(program, id);
        Expect(checked == (id == command), "Words item %d %s", id,
               checked ? "is checked" : "is not checked");
    }
}

}  // namespace

void FirstStartWritesDefaults() {
    Program program;
    if (!Launch(program, nullptr)) return;
    ExpectNoDialog(program, 300, "first start");

    Bytes file;
    if (Expect(ReadPreferenceFile(file), "no preference file was written at start-up"))
        ExpectSameBytes(file, DefaultPreferences(), "file written at start-up");

    ExpectWindowCentred(program);
    ExpectText(Caption(program), "Wordloft - Category: Authors", "caption");
    ExpectWordSourceMark(program, kCommandAuthors);
    ExpectEqual(CheckedMaxGuesses(program), 6, "checked MaxGuesses");
    Expect(IsChecked(program, kCommandSoundOnOff), "Sound On/Off is not checked");
    Expect(!IsChecked(program, kCommandScoringOnOff), "Scoring On/Off is checked");
    Expect(IsGreyed(program, kCommandUseCustomWords), "Use Custom Words is not greyed");
    Expect(!IsGreyed(program, kCommandUseRandomWords), "Use Random Words is greyed");
    Expect(!IsPopupGreyed(program, kWordsMenu), "the Words menu is greyed");
    Expect(!IsPopupGreyed(program, kMaxGuessesMenu), "the MaxGuesses menu is greyed");

    Image scene;
    if (CaptureClient(program, scene)) {
        SaveScreenshot(scene, "opening");
        Expect(UnderlinePattern(scene).find('_') != std::string::npos,
               "the phrase band shows no slots for the first phrase");
    }

    Bytes expected = DefaultPreferences();
    PutU32(expected, ProgramStarts, 1);
    PutU32(expected, LifetimeStarts, 1);
    if (CloseAndRead(program, file)) ExpectSameBytes(file, expected, "file after the first exit");

    // From a shortcut set to "Run: Maximized" the window keeps the scene's
    // size and place, and is not left maximized.
    if (!Launch(program, &file, "", SW_SHOWMAXIMIZED)) return;
    ExpectWindowCentred(program);
    Expect(!IsZoomed(program.Window), "the window is left maximized");
    ChangeFrameMetricsAndResolution(program);
    CloseProgram(program);
}

void EmptyCustomListFallsBackToEnteredWord() {
    // Custom Words stored while the list is empty.
    Bytes prefs = DefaultPreferences();
    PutU16(prefs, SoundOn, 0);
    PutU32(prefs, WordSource, kCommandCustomWords);
    Program program;
    if (!Launch(program, &prefs)) return;
    ExpectNoDialog(program, 400, "start-up with an empty custom list");
    ExpectText(Caption(program), "Wordloft - Category: Entered Word", "caption");
    ExpectWordSourceMark(program, kCommandEnteredWord);
    Expect(IsGreyed(program, kCommandUseCustomWords), "Use Custom Words is not greyed");
    Bytes file;
    if (Expect(ReadPreferenceFile(file), "no preference file"))
        ExpectEqual(GetU32(file, WordSource), kCommandEnteredWord, "WordSource saved at start-up");

    // The next game asks for a word; cancelling plays "WORD LOFT SQUARED".
    PostKey(program, VK_F2);
    if (HWND dialog = ExpectDialog(program, kEnterWordCaption, 5000)) {
        PressButton(dialog, IDCANCEL);
        Expect(WaitForDialogGone(dialog, 3000), "Cancel did not close the Enter Word dialog");
        Settle(program);
        Image scene;
        if (CaptureClient(program, scene))
            ExpectText(UnderlinePattern(scene), "____.____._______.........",
                       "slots of the default phrase");
    }
    if (CloseAndRead(program, file))
        ExpectEqual(GetU32(file, WordSource), kCommandEnteredWord, "WordSource after exit");

    // Random Words stored while no category is selected.
    prefs = DefaultPreferences();
    PutU16(prefs, SoundOn, 0);
    PutU32(prefs, WordSource, kCommandRandomWords);
    PutU16(prefs, SelectedCategoryCount, 0);
    for (int i = 0; i < 51; ++i) PutU16(prefs, CategorySelected + 2 * i, 0);
    if (!Launch(program, &prefs)) return;
    ExpectNoDialog(program, 400, "start-up with no random category");
    ExpectText(Caption(program), "Wordloft - Category: Entered Word", "caption (random)");
    Expect(IsChecked(program, kCommandEnteredWord), "Enter Word is not checked (random)");
    Expect(IsGreyed(program, kCommandUseRandomWords), "Use Random Words is not greyed");
    Expect(IsGreyed(program, kCommandUseCustomWords),
           "Use Custom Words is enabled with an empty list (random)");
    if (CloseAndRead(program, file))
        ExpectEqual(GetU32(file, WordSource), kCommandEnteredWord, "WordSource (random)");
}
