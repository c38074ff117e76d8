// Program entry: the window class, the start-up sequence (preferences,
// main window, menu marks, the first game) and the message loop. The
// program ends only through the main window's destruction.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/list_from_outside.h"
#include "app/main_window.h"
#include "app/menu_state.h"
#include "game/categories.h"
#include "game/engine.h"
#include "game/first_game.h"
#include "game/game_state.h"
#include "game/phrase.h"
#include "game/requests.h"
#include "game/statistics.h"
#include "game/text_format.h"
#include "install/shortcuts.h"
#include "platform/help.h"
#include "platform/program_handles.h"
#include "platform/program_texts.h"
#include "platform/system_library.h"
#include "records/preferences.h"
#include "records/word_language_file.h"
#include "render/phrase_display.h"
#include "render/scene_layout.h"
#include "resource.h"

namespace {

char WindowClassName[100];

constexpr DWORD kMainWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// Files dropped on the window arrive as WM_DROPFILES, without a call into
// the shell at start-up.
constexpr DWORD kMainWindowExtendedStyle = WS_EX_ACCEPTFILES;
constexpr char kSetupCommand[] = "SETUP";
constexpr size_t kSetupCommandLength = sizeof kSetupCommand - 1;

// An icon at the size the system shows it (32 and 16 pixels at 100 %,
// larger at higher scales), from the image of the icon that suits it best.
HICON LoadIconAtSize(HINSTANCE instance, int id, int widthMetric, int heightMetric) {
    return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric),
                                         LR_DEFAULTCOLOR));
}

bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = 0;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconAtSize(instance, IDI_WORDLOFT, SM_CXICON, SM_CYICON);
    windowClass.hIconSm = LoadIconAtSize(instance, IDI_WORDLOFT_SMALL, SM_CXSMICON, SM_CYSMICON);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszMenuName = nullptr;  // the menu bar is the program language's (CreateMainWindow)
    windowClass.lpszClassName = WindowClassName;
    return RegisterClassExA(&windowClass) != 0;
}

// Start-up cannot go on without the window: say so rather than end
// without a trace.
void ReportStartFailure(int16_t what) {
    const unsigned long error = GetLastError();
    const std::string text =
        FormatProgramText(IDS_START_FAILED, {ProductTitle, ProgramText(what), std::to_string(error)});
    MessageBoxA(nullptr, text.c_str(), ProductTitle, MB_OK | MB_ICONSTOP);
}

// True when the command line, upper-cased, ends in "SETUP".
bool IsSetupCommandLine(const char* commandLine) {
    std::string copy = commandLine != nullptr ? commandLine : "";
    UpperCasePhrase(&copy[0]);
    return copy.size() >= kSetupCommandLength &&
           copy.compare(copy.size() - kSetupCommandLength, kSetupCommandLength, kSetupCommand) == 0;
}

int16_t InitInstance(HINSTANCE instance, int showCommand) {
    ProgramInstance = instance;
    LayoutScene(0, 0);
    if (!LoadPreferences() && !SavePreferences()) {
        BeepIfSoundOn();
        return 0;
    }
    GameState.FaceMood = kFaceNeutral;
    LoadResourceString(IDS_THANKS_FOR_PLAYING, InformationLineText, sizeof InformationLineText);
    HWND window = CreateWindowExA(kMainWindowExtendedStyle, WindowClassName, ProductTitle, kMainWindowStyle,
                                  CW_USEDEFAULT, 0, CW_USEDEFAULT, 0, nullptr, LoadProgramMenu(IDR_MAINMENU), instance,
                                  nullptr);
    if (window == nullptr) {
        ReportStartFailure(IDS_START_NO_WINDOW);
        return 0;
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    FetchMainMenus(window);
    ChangeWordLanguage(LoadWordLanguage(TextLanguage));
    UpdateWordLanguageCheck();
    ShowCategoryNames();
    UpdateSoundCheck();
    UpdateScoringCheck();
    SetMaxGuesses(Preferences.MaxGuesses);
    BuildHelpFilePath(HelpFilePath);
    CountProgramStart();
    StartFirstGame();
    return 1;
}

int RunMessageLoop() {
    HACCEL accelerators = LoadAcceleratorsA(ProgramInstance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!TranslateAcceleratorA(message.hwnd, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        LetWaitingListIn();
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    KeepCurrentFolderOutOfLibrarySearch();
    ProgramInstance = instance;
    ChooseProgramLanguage();
    LoadResourceString(IDS_PRODUCT_TITLE, ProductTitle, sizeof ProductTitle);
    LoadResourceString(IDS_WINDOW_CLASS, WindowClassName, sizeof WindowClassName);
    const bool registered = RegisterMainWindowClass(instance);
    // A "SETUP" start creates the shortcuts and ends, without a window.
    if (IsSetupCommandLine(commandLine)) {
        InstallShortcuts();
        return 0;
    }
    // A list file for a copy that is already running goes to that copy.
    if (HandListToRunningCopy()) return 0;
    if (!registered) {
        ReportStartFailure(IDS_START_NO_CLASS);
        return 0;
    }
    if (!InitInstance(instance, showCommand)) return 0;
    OpenListNamedAtStart();
    return RunMessageLoop();
}
