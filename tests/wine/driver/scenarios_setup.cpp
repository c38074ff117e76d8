// SETUP: started with a command line ending in "SETUP", the program makes
// its three shortcuts inside the Windows directory and ends; the shortcut
// files are read back in the Shell Link format (target, description and
// working directory). A second run replaces them; "SETUP2" plays the game.
#include <cstdio>
#include <string>

#include "check.h"
#include "dialogs.h"
#include "scenario_support.h"
#include "scenarios.h"

namespace {

constexpr char kGameFolder[] = "C:\\Games\\Wordloft";
constexpr char kTooLong[] =
    "The name of the Windows directory or of the current directory is too long for the "
    "shortcuts. (Shortcuts not created.)";
constexpr char kThanks[] =
    "Thanks for installing Wordloft. Start Menu and Desktop Shortcuts are ready for use.";

struct ShellLink {
    bool Read = false;
    std::string Target;
    std::string Description;
    std::string WorkingDirectory;
};

uint32_t U32(const Bytes& b, size_t at) { return at + 4 <= b.size() ? GetU32(b, at) : 0; }
uint16_t U16(const Bytes& b, size_t at) { return at + 2 <= b.size() ? GetU16(b, at) : 0; }

std::string AnsiAt(const Bytes& b, size_t at) {
    std::string text;
    while (at < b.size() && b[at] != 0) text += static_cast<char>(b[at++]);
    return text;
}

// One counted string of the StringData section; moves past it.
std::string CountedString(const Bytes& b, size_t& at, bool unicode) {
    size_t count = U16(b, at);
    at += 2;
    std::string text;
    if (!unicode) {
        for (size_t i = 0; i < count && at < b.size(); ++i) text += static_cast<char>(b[at++]);
        return text;
    }
    std::wstring wide;
    for (size_t i = 0; i < count && at + 2 <= b.size(); ++i, at += 2)
        wide += static_cast<wchar_t>(U16(b, at));
    char ansi[1024] = "";
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), ansi,
                        sizeof ansi - 1, nullptr, nullptr);
    return ansi;
}

// Reads a .lnk file: the header, the target ID list (skipped), the link
// information with the local path of the target, and the strings.
ShellLink ReadShellLink(const std::string& path) {
    ShellLink link;
    Bytes b;
    FILE* in = std::fopen(path.c_str(), "rb");
    if (in == nullptr) return link;
    unsigned char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, in)) > 0) b.insert(b.end(), chunk, chunk + got);
    std::fclose(in);
    if (U32(b, 0) != 0x4C || U32(b, 4) != 0x00021401) return link;
    const uint32_t flags = U32(b, 20);
    size_t at = 0x4C;
    if (flags & 0x01) at += 2 + U16(b, at);                     // HasLinkTargetIDList
    if (flags & 0x02) {                                          // HasLinkInfo
        const size_t info = at;
        if (U32(b, info + 8) & 0x01)                             // VolumeIDAndLocalBasePath
            link.Target = AnsiAt(b, info + U32(b, info + 16)) + AnsiAt(b, info + U32(b, info + 24));
        at += U32(b, info);
    }
    const bool unicode = (flags & 0x80) != 0;
    if (flags & 0x04) link.Description = CountedString(b, at, unicode);
    if (flags & 0x08) CountedString(b, at, unicode);             // relative path
    if (flags & 0x10) link.WorkingDirectory = CountedString(b, at, unicode);
    link.Read = at <= b.size();
    return link;
}

std::string WindowsDirectory() {
    char directory[MAX_PATH] = "";
    UINT length = GetWindowsDirectoryA(directory, sizeof directory);
    return std::string(directory, length);
}

struct ShortcutFile {
    std::string Path;
    std::string Target;
};

std::vector<ShortcutFile> ExpectedShortcuts() {
    const std::string windows = WindowsDirectory();
    const std::string group = windows + "\\Start Menu\\programs\\Wordloft";
    const std::string game = std::string(kGameFolder) + "\\wordloft.exe";
    return {{windows + "\\DeskTop\\shortcut to Wordloft.lnk", game},
            {group + "\\Wordloft.lnk", game},
            {group + "\\Wordloft Help.lnk", std::string(kGameFolder) + "\\wlthelp.hlp"}};
}

void ExpectShortcuts(const char* when) {
    for (const ShortcutFile& file : ExpectedShortcuts()) {
        ShellLink link = ReadShellLink(file.Path);
        if (!Expect(link.Read, "%s: %s is missing or no shell link", when, file.Path.c_str()))
            continue;
        Expect(lstrcmpiA(link.Target.c_str(), file.Target.c_str()) == 0,
               "%s: %s points at \"%s\", expected \"%s\"", when, file.Path.c_str(),
               link.Target.c_str(), file.Target.c_str());
        ExpectText(link.Description, "Shortcut to Wordloft", "shortcut description");
        Expect(lstrcmpiA(link.WorkingDirectory.c_str(), kGameFolder) == 0,
               "%s: %s works in \"%s\"", when, file.Path.c_str(), link.WorkingDirectory.c_str());
    }
}

// The folder with the program and its help file, as a player unpacks it.
bool PrepareGameFolder() {
    const std::string source = Settings.ProgramPath.substr(0, Settings.ProgramPath.rfind('\\'));
    CreateDirectoryA("C:\\Games", nullptr);
    CreateDirectoryA(kGameFolder, nullptr);
    bool ok = true;
    for (const char* name : {"wordloft.exe", "wlthelp.hlp"}) {
        std::string from = source + "\\" + name, to = std::string(kGameFolder) + "\\" + name;
        ok = Expect(CopyFileA(from.c_str(), to.c_str(), FALSE) != 0, "cannot copy %s to %s",
                    from.c_str(), to.c_str()) && ok;
    }
    return ok;
}

bool StartInGameFolder(const char* arguments, PROCESS_INFORMATION& process,
                       const char* currentDirectory = kGameFolder) {
    std::string commandLine = std::string("\"") + kGameFolder + "\\wordloft.exe\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    process = {};
    return Expect(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                 currentDirectory, &startup, &process) != 0,
                  "cannot start %s", commandLine.c_str());
}

void EndProcess(PROCESS_INFORMATION& process, DWORD timeoutMs, const char* what) {
    if (!Expect(WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0,
                "%s did not end", what))
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}

// Runs the program with a SETUP command line; it must show the message and
// end without opening its window or touching the preference file.
void RunSetup(const char* arguments, const char* message = kThanks,
              const char* currentDirectory = kGameFolder) {
    RemovePreferenceFile();
    PROCESS_INFORMATION process;
    if (!StartInGameFolder(arguments, process, currentDirectory)) return;
    HWND box = WaitForDialog(process.dwProcessId, nullptr, 15000);
    if (Expect(box != nullptr, "\"wordloft %s\" showed no message", arguments)) {
        ExpectText(WindowText(box), kProductTitle, "SETUP message caption");
        ExpectText(MessageBoxText(box), message, "SETUP message");
        Expect(FindWindowA("WLT", nullptr) == nullptr, "SETUP opened the game window");
        PressButton(box, IDOK);
    }
    EndProcess(process, 10000, "the SETUP run");
    Bytes prefs;
    Expect(!ReadPreferenceFile(prefs), "SETUP wrote a preference file");
}

}  // namespace

void SetupCreatesShortcuts() {
    if (!PrepareGameFolder()) return;
    for (const ShortcutFile& file : ExpectedShortcuts()) DeleteFileA(file.Path.c_str());
    RunSetup("SETUP");
    ExpectShortcuts("after SETUP");

    // A second run replaces whatever the files hold.
    for (const ShortcutFile& file : ExpectedShortcuts()) {
        FILE* out = std::fopen(file.Path.c_str(), "wb");
        if (out != nullptr) {
            std::fputs("not a shortcut", out);
            std::fclose(out);
        }
    }
    RunSetup("setup");
    ExpectShortcuts("after the second run (setup)");
    RunSetup("/setup");
    ExpectShortcuts("after /setup");

    // A current directory whose shortcut texts would not fit is refused,
    // and no shortcut is made with a cut path.
    const std::string longFolder = "C:\\Games\\" + std::string(240, 'L');
    CreateDirectoryA(longFolder.c_str(), nullptr);
    for (const ShortcutFile& file : ExpectedShortcuts()) DeleteFileA(file.Path.c_str());
    RunSetup("SETUP", kTooLong, longFolder.c_str());
    for (const ShortcutFile& file : ExpectedShortcuts())
        Expect(GetFileAttributesA(file.Path.c_str()) == INVALID_FILE_ATTRIBUTES,
               "%s was made from a directory too long for it", file.Path.c_str());

    // SETUP2 does not end in SETUP: the game starts.
    PROCESS_INFORMATION process;
    if (!StartInGameFolder("SETUP2", process)) return;
    WaitForInputIdle(process.hProcess, 10000);
    HWND window = nullptr;
    for (DWORD start = GetTickCount(); window == nullptr && GetTickCount() - start < 15000;
         Sleep(50))
        window = FindWindowA("WLT", nullptr);
    if (Expect(window != nullptr, "SETUP2 did not open the game window"))
        PostMessageA(window, WM_CLOSE, 0, 0);
    EndProcess(process, 15000, "the game started with SETUP2");
}
