// A folder named outside the ANSI code page (Wine's is 1252 here, as on a
// Western-locale PC): the game unpacked into "C:\Игры Дмитрия" opens its web
// help page from there, saves a word list into that folder and opens it
// again, and SETUP makes shortcuts that lead into it.
#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "browser_stand_in.h"
#include "check.h"
#include "dialogs.h"
#include "scenario_support.h"
#include "scenarios.h"

using namespace PrefOffset;

namespace {

// "C:\Игры Дмитрия" and "список" (a list), as UTF-8.
const std::string kFolder =
    "C:\\\xD0\x98\xD0\xB3\xD1\x80\xD1\x8B \xD0\x94\xD0\xBC\xD0\xB8\xD1\x82\xD1\x80\xD0\xB8\xD1\x8F";
const std::string kListName = "\xD1\x81\xD0\xBF\xD0\xB8\xD1\x81\xD0\xBE\xD0\xBA";
constexpr char kThanks[] =
    "Thanks for installing Wordloft. Start Menu and Desktop Shortcuts are ready for use.";

bool SameName(const std::string& a, const std::string& b) {
    return lstrcmpiW(Widen(a).c_str(), Widen(b).c_str()) == 0;
}

// The game's files, copied into the folder as a player unpacks them.
bool UnpackInto(const std::string& folder) {
    CreateDirectoryW(Widen(folder).c_str(), nullptr);
    const std::string source = Settings.ProgramPath.substr(0, Settings.ProgramPath.rfind('\\'));
    bool ok = true;
    for (const char* name : {"wordloft.exe", "wlthelp.hlp", "wlthelp.htm", "wlthelp-104.htm"}) {
        const std::wstring from = Widen(source + "\\" + name), to = Widen(folder + "\\" + name);
        ok = Expect(CopyFileW(from.c_str(), to.c_str(), FALSE) != 0, "cannot copy %s into the folder",
                    name) && ok;
    }
    return ok;
}

long long FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string Utf8(const wchar_t* wide) {
    char text[4 * MAX_PATH] = "";
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

// The target (by its item list: the path text a link keeps beside it is
// written in the ANSI code page) and the working directory a shortcut file
// holds, read through the shell's link object; empty when it cannot be
// read.
struct LinkTexts {
    std::string Target;
    std::string WorkingDirectory;
};

LinkTexts ReadLink(const std::wstring& path) {
    LinkTexts texts;
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return texts;
    IPersistFile* file = nullptr;
    wchar_t text[MAX_PATH] = L"";
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        if (SUCCEEDED(file->Load(path.c_str(), STGM_READ))) {
            PIDLIST_ABSOLUTE items = nullptr;
            if (SUCCEEDED(link->GetIDList(&items)) && items != nullptr) {
                if (SHGetPathFromIDListW(items, text)) texts.Target = Utf8(text);
                CoTaskMemFree(items);
            }
            text[0] = L'\0';
            if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH))) texts.WorkingDirectory = Utf8(text);
        }
        file->Release();
    }
    link->Release();
    return texts;
}

std::wstring ShellFolder(int folder) {
    wchar_t path[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

void ExpectHelpPage(const Program& program) {
    PageRecorder browser;
    if (!browser.Registered) return;
    PostKey(program, VK_F1);
    const std::string page = browser.NextPage(10000);
    Expect(SameName(page, kFolder + "\\wlthelp.htm"), "F1 gave the browser \"%s\"",
           Printable(page).c_str());
    ExpectNoDialog(program, 500, "after F1 in the folder named in Cyrillic");
}

// Saved into the folder, emptied, and opened again from the file.
void ExpectWordListRoundTrip(const Program& program) {
    PostCommand(program, kCommandEditCustomWords);
    HWND dialog = ExpectDialog(program, kCustomWordsCaption, 5000);
    if (dialog == nullptr) return;
    PressButton(dialog, 1007);  // Save list...
    ChooseFile(program, "Save Wordloft Word List as...", kFolder + "\\" + kListName);
    const std::string list = kFolder + "\\" + kListName + ".WLT";
    ExpectEqual(FileSize(list), 26004, "size of the list saved into the folder");
    PressButton(dialog, 1004);  // Delete all words...
    AnswerBox(program, kProductTitle, "Delete all words?", IDYES);
    ExpectText(ItemText(dialog, 1016), "0", "words after deleting all");
    PressButton(dialog, 1005);  // Open list...
    ChooseFile(program, "Open", list);
    ExpectText(ItemText(dialog, 1016), "1", "words after opening the list from the folder");
    PressButton(dialog, 1013);  // Done
    Expect(WaitForDialogGone(dialog, 3000), "Done did not close the Custom Words dialog");
}

void ExpectSetupLinks() {
    const std::wstring program = Widen(kFolder + "\\wordloft.exe");
    std::wstring commandLine = L"\"" + program + L"\" SETUP";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!Expect(CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                               Widen(kFolder).c_str(), &startup, &process) != 0,
                "cannot start SETUP from the folder"))
        return;
    if (HWND box = WaitForDialog(process.dwProcessId, nullptr, 15000)) {
        ExpectText(MessageBoxText(box), kThanks, "SETUP's message from the folder");
        PressButton(box, IDOK);
    } else {
        Fail("SETUP from the folder showed no message");
    }
    if (!Expect(WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0, "SETUP did not end"))
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);

    const std::wstring group = ShellFolder(CSIDL_PROGRAMS) + L"\\Wordloft\\";
    const struct {
        std::wstring Link;
        const char* Target;
    } links[] = {{ShellFolder(CSIDL_DESKTOPDIRECTORY) + L"\\shortcut to Wordloft.lnk", "wordloft.exe"},
                 {group + L"Wordloft.lnk", "wordloft.exe"},
                 {group + L"Wordloft Help.lnk", "wlthelp.htm"}};
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    for (const auto& link : links) {
        const LinkTexts texts = ReadLink(link.Link);
        Expect(SameName(texts.Target, kFolder + "\\" + link.Target), "%s leads to \"%s\"",
               Utf8(link.Link.c_str()).c_str(), Printable(texts.Target).c_str());
        Expect(SameName(texts.WorkingDirectory, kFolder), "%s works in \"%s\"",
               Utf8(link.Link.c_str()).c_str(), Printable(texts.WorkingDirectory).c_str());
    }
    CoUninitialize();
}

}  // namespace

void FolderNamedInCyrillicWorks() {
    if (!UnpackInto(kFolder)) return;
    PrefixWindowsVersion windows10("win10");
    if (!windows10.Applied) return;
    const std::string programPath = Settings.ProgramPath;
    Settings.ProgramPath = kFolder + "\\wordloft.exe";
    Bytes prefs = CustomWordPreferences({{"ANSWER", "Found"}}, 6, 0);
    Program program;
    const bool started = Launch(program, &prefs);
    Settings.ProgramPath = programPath;
    if (!started) return;
    ExpectHelpPage(program);
    ExpectWordListRoundTrip(program);
    Bytes file;
    if (CloseAndRead(program, file))
        ExpectEqual(GetI16(file, CustomWordCount), 1, "CustomWordCount after the list came back");
    ExpectSetupLinks();
}
