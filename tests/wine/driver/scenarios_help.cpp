// Help: F1 and the Enter Word dialog's Help button open the help viewer on
// their topics, the viewer's index and links work, Using Help reaches the
// viewer (with or without the game's help file), help needs room for its
// name in the path, and the viewer is told to quit when the game ends.
#include <string>

#include "check.h"
#include "dialogs.h"
#include "scenario_support.h"
#include "scenarios.h"

using namespace PrefOffset;

namespace {

constexpr int kCommandEnterWord = 32781;
constexpr int kCommandUsingHelp = 32795;
constexpr int kEnterWordHelpButton = 1017;
constexpr char kViewerClass[] = "MS_WINHELP";
constexpr char kViewerCaption[] = "Wordloft Help";
// The titles of the topics for context 100 and 104, as the help source has them.
constexpr char kContentsTitle[] = "Wordloft Help";
constexpr char kWordDialogsTitle[] = "Entering and Editing Words";
constexpr char kFirstLinkTitle[] = "How to Play";

BOOL CALLBACK MatchViewer(HWND window, LPARAM data) {
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, kViewerClass) != 0 || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(data) = window;
    return FALSE;
}

HWND FindViewer() {
    HWND found = nullptr;
    EnumWindows(MatchViewer, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND WaitForViewer(DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (HWND viewer = FindViewer()) return viewer;
        if (GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(50);
    }
}

BOOL CALLBACK CollectRichText(HWND window, LPARAM data) {
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    CharUpperA(className);
    if (std::string(className).find("RICHEDIT") == std::string::npos) return TRUE;
    // Sent as wide messages: across processes Wine hands the A message's
    // text back as UTF-16.
    wchar_t text[4096] = L"";
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text),
                             SMTO_NORMAL, 3000, &length) || length == 0)
        return TRUE;
    char ansi[8192] = "";
    WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), ansi, sizeof ansi - 1,
                        nullptr, nullptr);
    *reinterpret_cast<std::string*>(data) += ansi;
    return TRUE;
}

// The text the viewer shows, its leading blanks removed.
std::string ViewerText(HWND viewer) {
    std::string text;
    EnumChildWindows(viewer, CollectRichText, reinterpret_cast<LPARAM>(&text));
    size_t start = text.find_first_not_of(" \r\n\t");
    return start == std::string::npos ? "" : text.substr(start);
}

// Waits until the viewer shows a topic that starts with the title.
bool WaitForTopic(HWND viewer, const std::string& title, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (ViewerText(viewer).compare(0, title.size(), title) != 0) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

void ExpectTopic(HWND viewer, const char* title, const char* when) {
    if (!Expect(WaitForTopic(viewer, title, 5000), "%s: the viewer does not show \"%s\" but \"%s\"",
                when, title, Printable(ViewerText(viewer).substr(0, 80)).c_str()))
        return;
    ExpectText(WindowText(viewer), kViewerCaption, "help viewer caption");
}

// The viewer's window as it is on the screen, brought in front of the game
// for the moment.
void SaveViewerPicture(HWND viewer, const char* name) {
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(viewer, HWND_TOPMOST, 0, 0, 0, 0, flags);
    RECT area;
    GetWindowRect(viewer, &area);
    Image image;
    Sleep(200);
    if (Expect(GrabScreenSettled(area, image), "cannot grab the help viewer's picture"))
        SaveScreenshot(image, name);
    SetWindowPos(viewer, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
}

// True once no help viewer window is left.
bool WaitForViewerGone(DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (FindWindowA(kViewerClass, nullptr) != nullptr) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

struct ForeignSearch {
    DWORD GameProcess;
    HWND Found;
};

BOOL CALLBACK MatchForeignDialog(HWND window, LPARAM data) {
    ForeignSearch* search = reinterpret_cast<ForeignSearch*>(data);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (processId == search->GameProcess || processId == GetCurrentProcessId() ||
        lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(window))
        return TRUE;
    search->Found = window;
    return FALSE;
}

// A message box or dialog of another program (the help viewer's).
HWND WaitForForeignDialog(const Program& program, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        ForeignSearch search = {program.Process.dwProcessId, nullptr};
        EnumWindows(MatchForeignDialog, reinterpret_cast<LPARAM>(&search));
        if (search.Found != nullptr) return search.Found;
        if (GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(50);
    }
}

// Help on help is the viewer's own help file, never the game's. Wine's
// viewer has no such file and asks where it is: that question shows that
// the request arrived. It is answered No.
void ExpectHelpOnHelp(const Program& program) {
    HWND box = WaitForForeignDialog(program, 15000);
    if (!Expect(box != nullptr, "Using Help did not reach the help viewer")) return;
    std::string text = MessageBoxText(box);
    Expect(text.find(".hlp") != std::string::npos && text.find("wlthelp") == std::string::npos,
           "Using Help: the viewer says %s", DescribeDialog(box).c_str());
    PressButton(box, IDNO);
    Expect(WaitForDialogGone(box, 5000), "the viewer's question did not close");
}

BOOL CALLBACK MatchIndexButton(HWND window, LPARAM data) {
    if (WindowText(window) != "&Index") return TRUE;
    *reinterpret_cast<HWND*>(data) = window;
    return FALSE;
}

BOOL CALLBACK CountListItems(HWND window, LPARAM data) {
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    DWORD_PTR count = 0;
    if (lstrcmpiA(className, "ListBox") == 0 &&
        SendMessageTimeoutA(window, LB_GETCOUNT, 0, 0, SMTO_NORMAL, 3000, &count))
        *reinterpret_cast<long*>(data) += static_cast<long>(count);
    return TRUE;
}

// The viewer's Index button lists the help file's keywords.
void ExpectIndexListsKeywords(const Program& program, HWND viewer) {
    HWND button = nullptr;
    EnumChildWindows(viewer, MatchIndexButton, reinterpret_cast<LPARAM>(&button));
    if (!Expect(button != nullptr, "the help viewer has no Index button")) return;
    PostMessageA(button, BM_CLICK, 0, 0);
    HWND index = WaitForForeignDialog(program, 5000);
    if (!Expect(index != nullptr, "the viewer's Index button opened nothing")) return;
    long keywords = 0;
    EnumChildWindows(index, CountListItems, reinterpret_cast<LPARAM>(&keywords));
    Expect(keywords > 30, "the viewer's index lists %ld keywords", keywords);
    PressButton(index, IDCANCEL);
    Expect(WaitForDialogGone(index, 3000), "the viewer's index did not close");
}

// Clicks the first link the viewer shows (links are green) with the real
// mouse and expects the topic it leads to.
void ExpectFirstLinkLeadsTo(HWND viewer, const char* title) {
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(viewer, HWND_TOPMOST, 0, 0, 0, 0, flags);
    RECT area;
    GetWindowRect(viewer, &area);
    Image image;
    Sleep(200);
    POINT link = {-1, -1};
    if (GrabScreenSettled(area, image)) {
        for (int y = 0; y < image.Height && link.x < 0; ++y)
            for (int x = 0; x < image.Width && link.x < 0; ++x) {
                uint32_t c = image.At(x, y);
                if (((c >> 8) & 0xFF) > 90 && (c >> 16) < 60 && (c & 0xFF) < 60)
                    link = {area.left + x + 2, area.top + y + 2};
            }
    }
    if (Expect(link.x >= 0, "the viewer shows no link")) {
        SetCursorPos(link.x, link.y);
        INPUT clicks[2] = {};
        clicks[0].type = clicks[1].type = INPUT_MOUSE;
        clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, clicks, sizeof(INPUT));
        ExpectTopic(viewer, title, "after clicking the first link of the contents");
    }
    SetWindowPos(viewer, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
}

Bytes QuietPreferences() {
    Bytes prefs = DefaultPreferences();
    PutU16(prefs, SoundOn, 0);
    return prefs;
}

// Starts a copy of the program in the folder (made when missing), with or
// without the help file beside it.
bool LaunchCopy(Program& program, const std::string& folder, bool withHelp) {
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string source = Settings.ProgramPath.substr(0, Settings.ProgramPath.rfind('\\'));
    const std::string help = folder + "\\wlthelp.hlp";
    if (withHelp) CopyFileA((source + "\\wlthelp.hlp").c_str(), help.c_str(), FALSE);
    else DeleteFileA(help.c_str());
    const std::string copy = folder + "\\wordloft.exe";
    if (!Expect(CopyFileA(Settings.ProgramPath.c_str(), copy.c_str(), FALSE) != 0,
                "cannot copy the program to %s", copy.c_str()))
        return false;
    Expect(WaitForViewerGone(5000), "a help viewer was open before the program started");
    const std::string programPath = Settings.ProgramPath;
    Settings.ProgramPath = copy;
    Bytes prefs = QuietPreferences();
    bool started = Launch(program, &prefs);
    Settings.ProgramPath = programPath;
    return started;
}

// Once the key is handled, neither the viewer nor a question of its own
// appears within a second.
void ExpectNoViewer(const Program& program, const char* when) {
    Settle(program);
    Sleep(1000);
    Expect(FindViewer() == nullptr && WaitForForeignDialog(program, 0) == nullptr,
           "%s opened the help viewer", when);
}

}  // namespace

void HelpOpensOnItsTopics() {
    Expect(WaitForViewerGone(5000), "a help viewer was open before the program started");
    Program program;
    Bytes prefs = QuietPreferences();
    if (!Launch(program, &prefs)) return;

    PostKey(program, VK_F1);
    HWND viewer = WaitForViewer(15000);
    if (!Expect(viewer != nullptr, "F1 opened no help viewer")) {
        KillProgram(program);
        return;
    }
    ExpectTopic(viewer, kContentsTitle, "after F1");
    SaveViewerPicture(viewer, "help-contents");
    ExpectIndexListsKeywords(program, viewer);
    ExpectFirstLinkLeadsTo(viewer, kFirstLinkTitle);

    PostCommand(program, kCommandEnterWord);
    HWND dialog = ExpectDialog(program, kEnterWordCaption, 5000);
    if (dialog != nullptr) {
        PressButton(dialog, kEnterWordHelpButton);
        ExpectTopic(viewer, kWordDialogsTitle, "after the Enter Word dialog's Help button");
        PressButton(dialog, IDCANCEL);
        Expect(WaitForDialogGone(dialog, 3000), "the Enter Word dialog did not close");
        SaveViewerPicture(viewer, "help-word-dialogs");
    }

    PostCommand(program, kCommandUsingHelp);
    ExpectHelpOnHelp(program);

    CloseProgram(program);
    Expect(WaitForViewerGone(10000), "the help viewer stayed open after the program ended");
}

void UsingHelpNeedsNoHelpFile() {
    Program program;
    if (!LaunchCopy(program, "C:\\nohelp", false)) return;
    PostKey(program, VK_F1);
    ExpectNoViewer(program, "F1 without the help file");

    PostCommand(program, kCommandUsingHelp);
    ExpectHelpOnHelp(program);
    CloseProgram(program);
    Expect(WaitForViewerGone(10000), "the help viewer stayed open after the program ended");
}

void HelpFileNeedsRoomInItsPath() {
    // A directory of 115 characters with its final backslash leaves room
    // for the help file's name in the 128-byte path.
    Program program;
    const std::string fits = "C:\\" + std::string(111, 'a') + "\\";
    if (LaunchCopy(program, fits.substr(0, fits.size() - 1), true)) {
        PostKey(program, VK_F1);
        HWND viewer = WaitForViewer(15000);
        if (Expect(viewer != nullptr, "F1 opened no help in a directory of 115 characters"))
            ExpectTopic(viewer, kContentsTitle, "F1 in a directory of 115 characters");
        CloseProgram(program);
        Expect(WaitForViewerGone(10000), "the help viewer stayed open after the program ended");
    }
    // One more and the name no longer fits: help stays silent.
    const std::string tooLong = "C:\\" + std::string(112, 'b');
    if (LaunchCopy(program, tooLong, true)) {
        PostKey(program, VK_F1);
        ExpectNoViewer(program, "F1 in a directory of 116 characters");
        CloseProgram(program);
    }
    // A directory longer than the buffer is not taken for its parent folder,
    // even when that folder holds a help file.
    const std::string parent = "C:\\helpdeep";
    CreateDirectoryA(parent.c_str(), nullptr);
    const std::string source = Settings.ProgramPath.substr(0, Settings.ProgramPath.rfind('\\'));
    CopyFileA((source + "\\wlthelp.hlp").c_str(), (parent + "\\wlthelp.hlp").c_str(), FALSE);
    if (LaunchCopy(program, parent + "\\" + std::string(130, 'c'), false)) {
        PostKey(program, VK_F1);
        ExpectNoViewer(program, "F1 in a directory of 143 characters");
        CloseProgram(program);
    }
}
