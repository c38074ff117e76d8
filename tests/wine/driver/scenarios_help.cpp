// Help: where Windows has a help viewer (the prefix at Windows XP), F1 and
// the word dialogs' Help buttons open it on their topics, the viewer's
// index and links work, Using Help reaches the viewer (with or without the
// game's help file), help needs room for its name in the path, and the
// viewer is told to quit when the game ends. From Vista on (the prefix at
// Windows 7, its default, and at Windows 10), whose viewer is a stub, and
// wherever wlthelp.hlp is missing but wlthelp.htm is there, the same
// requests open the web page help through the .htm file association, at
// the same topics, and a missing or unopenable page is reported by name in
// the program's own words, with nothing from the shell besides.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "browser_stand_in.h"
#include "check.h"
#include "dialogs.h"
#include "scenario_support.h"
#include "scenarios.h"

using namespace PrefOffset;

namespace {

constexpr int kCommandEnterWord = 32781;
constexpr int kCommandHelpIndex = 32794;
constexpr int kCommandUsingHelp = 32795;
constexpr char kViewerClass[] = "MS_WINHELP";
constexpr char kViewerCaption[] = "Wordloft Help";
// The titles of the topics for context 100 and 104, as the help source has them.
constexpr char kContentsTitle[] = "Wordloft Help";
constexpr char kWordDialogsTitle[] = "Entering and Editing Words";
constexpr char kFirstLinkTitle[] = "How to Play";
// Where a browser showing the web help goes for contexts 100 (the top of
// the page, its contents) and 104.
constexpr char kContentsPlace[] = "wlthelp.htm";
constexpr char kWordDialogsPlace[] = "wlthelp.htm#worddialogs";

struct WordDialog {
    const char* Name;
    int Command;
    const char* Caption;
    int HelpButton;
};

const WordDialog kWordDialogs[] = {
    {"Enter Word", kCommandEnterWord, kEnterWordCaption, 1017},
    {"Custom Words", kCommandEditCustomWords, kCustomWordsCaption, 1011},
    {"Random Categories", kCommandEditRandomCategories, kRandomCategoriesCaption, 1012},
};

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

void ExpectTopic(HWND viewer, const char* title, const std::string& when) {
    if (!Expect(WaitForTopic(viewer, title, 5000), "%s: the viewer does not show \"%s\" but \"%s\"",
                when.c_str(), title, Printable(ViewerText(viewer).substr(0, 80)).c_str()))
        return;
    ExpectText(WindowText(viewer), kViewerCaption, "help viewer caption");
}

// A window (the viewer's, a message box) as it is on the screen, brought in
// front of the game for the moment.
void SaveWindowPicture(HWND window, const char* name) {
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, flags);
    RECT area;
    GetWindowRect(window, &area);
    Image image;
    Sleep(200);
    if (Expect(GrabScreenSettled(area, image), "cannot grab the picture %s", name))
        SaveScreenshot(image, name);
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
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
void ExpectFirstLinkLeadsTo(HWND viewer, const char* title, const std::string& when) {
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
        ExpectTopic(viewer, title, when + ": after clicking the first link of the contents");
    }
    SetWindowPos(viewer, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
}

// Opens a word dialog, presses its Help button, runs the check while the
// dialog is open, and cancels the dialog.
void PressDialogHelp(const Program& program, const WordDialog& word,
                     const std::function<void(const std::string& when)>& check) {
    PostCommand(program, word.Command);
    HWND dialog = ExpectDialog(program, word.Caption, 5000);
    if (dialog == nullptr) return;
    PressButton(dialog, word.HelpButton);
    check(std::string("after the ") + word.Name + " dialog's Help button");
    PressButton(dialog, IDCANCEL);
    Expect(WaitForDialogGone(dialog, 3000), "the %s dialog did not close", word.Name);
}

std::string Folder(const std::string& path) { return path.substr(0, path.rfind('\\')); }
std::string FileName(const std::string& path) { return path.substr(path.rfind('\\') + 1); }

// Where a browser given the page goes: the address its refresh sends it on
// to, or else the page itself (which opens at its top).
std::string PlaceShownFor(const std::string& page) {
    const std::string text = ReadText(page);
    const size_t refresh = text.find("http-equiv=\"refresh\"");
    const size_t url = text.find("url=", refresh);
    if (text.empty() || refresh == std::string::npos || url == std::string::npos)
        return text.empty() ? "(nothing)" : FileName(page);
    return text.substr(url + 4, text.find('"', url) - url - 4);
}

// The browser must be given the page, and showing it must end at the place.
void ExpectPageOpened(PageRecorder& recorder, const std::string& page, const char* place,
                      const std::string& when) {
    const std::string got = recorder.NextPage(10000);
    if (!Expect(!got.empty(), "%s: no page reached the browser", when.c_str())) return;
    Expect(lstrcmpiA(got.c_str(), page.c_str()) == 0,
           "%s: the browser was given \"%s\", not \"%s\"", when.c_str(), got.c_str(), page.c_str());
    ExpectText(PlaceShownFor(got), place, (when + ": where the page leads").c_str());
}

std::string ProgramFolder() { return Folder(Settings.ProgramPath); }

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

// Windows before 10: the viewer shows every topic the program asks for, and
// is told to quit when the program ends. Pictures are kept of one run.
void ViewerShowsTopics(const std::string& windows, bool pictures) {
    Expect(WaitForViewerGone(5000), "%s: a help viewer was open before the program started",
           windows.c_str());
    Program program;
    Bytes prefs = QuietPreferences();
    if (!Launch(program, &prefs)) return;

    PostKey(program, VK_F1);
    HWND viewer = WaitForViewer(15000);
    if (!Expect(viewer != nullptr, "%s: F1 opened no help viewer", windows.c_str())) {
        KillProgram(program);
        return;
    }
    ExpectTopic(viewer, kContentsTitle, windows + ": after F1");
    if (pictures) SaveWindowPicture(viewer, "help-contents");
    ExpectIndexListsKeywords(program, viewer);
    ExpectFirstLinkLeadsTo(viewer, kFirstLinkTitle, windows);

    for (const WordDialog& word : kWordDialogs) {
        if (&word != &kWordDialogs[0]) {
            PostKey(program, VK_F1);
            ExpectTopic(viewer, kContentsTitle, windows + ": after F1 again");
        }
        PressDialogHelp(program, word, [&](const std::string& when) {
            ExpectTopic(viewer, kWordDialogsTitle, windows + ": " + when);
        });
        if (pictures && &word == &kWordDialogs[0]) SaveWindowPicture(viewer, "help-word-dialogs");
    }

    PostCommand(program, kCommandUsingHelp);
    ExpectHelpOnHelp(program);

    CloseProgram(program);
    Expect(WaitForViewerGone(10000), "%s: the help viewer stayed open after the program ended",
           windows.c_str());
}

// From Vista on: no viewer; F1, Index and Using Help give the browser
// wlthelp.htm, the Help buttons the page that leads to the word dialogs'
// topic.
void BrowserShowsTopics(const std::string& windows) {
    PageRecorder browser;
    if (!browser.Registered) return;
    Program program;
    Bytes prefs = QuietPreferences();
    if (!Launch(program, &prefs)) return;
    const std::string contents = ProgramFolder() + "\\wlthelp.htm";
    const std::string wordDialogs = ProgramFolder() + "\\wlthelp-104.htm";

    PostKey(program, VK_F1);
    ExpectPageOpened(browser, contents, kContentsPlace, windows + ": F1");
    PostCommand(program, kCommandHelpIndex);
    ExpectPageOpened(browser, contents, kContentsPlace, windows + ": Help > Index");
    PostCommand(program, kCommandUsingHelp);
    ExpectPageOpened(browser, contents, kContentsPlace, windows + ": Help > Using Help");
    for (const WordDialog& word : kWordDialogs)
        PressDialogHelp(program, word, [&](const std::string& when) {
            ExpectPageOpened(browser, wordDialogs, kWordDialogsPlace, windows + ": " + when);
        });

    ExpectNoDialog(program, 0, (windows + ": after the help requests").c_str());
    CloseProgram(program);
    Expect(FindWindowA(kViewerClass, nullptr) == nullptr, "%s: a help viewer was started",
           windows.c_str());
    ExpectEqual(static_cast<long long>(browser.Pages().size()), 6,
                (windows + ": pages given to the browser").c_str());
}

}  // namespace

void HelpOpensOnItsTopics() {
    {
        PrefixWindowsVersion windowsXp("winxp");
        if (windowsXp.Applied) ViewerShowsTopics("Windows XP", true);
    }
    BrowserShowsTopics("Windows 7");
    PrefixWindowsVersion windows10("win10");
    if (windows10.Applied) BrowserShowsTopics("Windows 10");
}

void UsingHelpNeedsNoHelpFile() {
    Program program;
    const std::string page = "C:\\nohelp\\wlthelp.htm";
    {
        PrefixWindowsVersion windowsXp("winxp");
        if (windowsXp.Applied && LaunchCopy(program, "C:\\nohelp", false)) {
            PostKey(program, VK_F1);
            ExpectNoViewer(program, "F1 without the help file");
            PostCommand(program, kCommandUsingHelp);
            ExpectHelpOnHelp(program);
            // Without wlthelp.hlp but with the web page, even a system with
            // a viewer shows the page.
            PageRecorder browser;
            CopyFileA((ProgramFolder() + "\\wlthelp.htm").c_str(), page.c_str(), FALSE);
            PostKey(program, VK_F1);
            ExpectPageOpened(browser, page, kContentsPlace, "Windows XP without wlthelp.hlp: F1");
            CloseProgram(program);
            Expect(WaitForViewerGone(10000), "the help viewer stayed open after the program ended");
            DeleteFileA(page.c_str());
        }
    }

    // From Vista on there is no viewer to ask: every request needs the web
    // pages, and says which one is missing, or that no program opens it
    // (here no program is associated with .htm pages at all).
    PageRecorder noBrowser(true);
    if (!noBrowser.Registered || !LaunchCopy(program, "C:\\nohelp", false)) return;
    const char* missing =
        "The help file C:\\nohelp\\wlthelp.htm is missing. Keep it in the same folder as the game.";
    PostKey(program, VK_F1);
    if (HWND box = ExpectDialog(program, kErrorCaption, 5000))
        SaveWindowPicture(box, "help-page-missing");
    AnswerBox(program, kErrorCaption, missing, IDOK);
    PostCommand(program, kCommandUsingHelp);
    AnswerBox(program, kErrorCaption, missing, IDOK);
    PressDialogHelp(program, kWordDialogs[0], [&](const std::string&) {
        AnswerBox(program, kErrorCaption, missing, IDOK);
    });
    CopyFileA((ProgramFolder() + "\\wlthelp.htm").c_str(), page.c_str(), FALSE);
    PressDialogHelp(program, kWordDialogs[0], [&](const std::string&) {
        AnswerBox(program, kErrorCaption,
                  "The help file C:\\nohelp\\wlthelp-104.htm is missing. Keep it in the same "
                  "folder as the game.",
                  IDOK);
    });
    PostKey(program, VK_F1);
    AnswerBox(program, kErrorCaption,
              "The help file C:\\nohelp\\wlthelp.htm could not be opened in a web browser.", IDOK);
    ExpectNoDialog(program, 1000, "after the message that no program opens the page");
    ExpectNoViewer(program, "help without its web pages");
    CloseProgram(program);
    DeleteFileA(page.c_str());
}

void HelpFileNeedsRoomInItsPath() {
    // Only the help viewer needs the help file's path; the prefix has one
    // at Windows XP.
    PrefixWindowsVersion windowsXp("winxp");
    if (!windowsXp.Applied) return;
    // A directory of 115 characters with its final backslash leaves room
    // for the help file's name in the 128-character path.
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
