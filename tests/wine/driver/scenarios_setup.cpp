// SETUP: started with a command line ending in "SETUP", the program makes
// its three shortcuts in the user's Desktop and Start Menu Programs folders
// and ends; the shortcut files are read back in the Shell Link format
// (target, description and working directory). A second run replaces them;
// the help shortcut opens the web page help, and wlthelp.hlp with the
// prefix at Windows XP; started from another current directory the
// shortcuts still lead to the program's own folder; a program folder or a
// Desktop folder too long for the shortcut texts is refused; where the
// shell reports no such folders the shortcuts go into the Windows
// directory's; "SETUP2" plays the game.
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "check.h"
#include "dialogs.h"
#include "scenario_support.h"
#include "scenarios.h"

namespace {

constexpr char kGameFolder[] = "C:\\Games\\Wordloft";
constexpr char kTooLong[] =
    "The name of the Windows directory or of the program's folder is too long for the "
    "shortcuts. (Shortcuts not created.)";
constexpr char kThanks[] =
    "Thanks for installing Wordloft. Start Menu and Desktop Shortcuts are ready for use.";
constexpr char kFolderTooLong[] =
    "The name of the Desktop or Start Menu folder is too long for the shortcuts. (Shortcuts not "
    "created.)";
constexpr char kShellFoldersKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

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

std::string Environment(const char* name) {
    char value[MAX_PATH] = "";
    DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length < sizeof value ? std::string(value, length) : std::string();
}

// The Desktop and the Start Menu's Programs folder shortcuts go into.
struct ShortcutFolders {
    std::string Desktop;
    std::string Programs;
};

// The user's own, where Windows keeps them since Vista.
ShortcutFolders UserFolders() {
    return {Environment("USERPROFILE") + "\\Desktop",
            Environment("APPDATA") + "\\Microsoft\\Windows\\Start Menu\\Programs"};
}

// The Windows directory's, for a shell that reports none.
ShortcutFolders WindowsFolders() {
    const std::string windows = WindowsDirectory();
    return {windows + "\\DeskTop", windows + "\\Start Menu\\programs"};
}

struct ShortcutFile {
    std::string Path;
    std::string Target;
};

std::vector<ShortcutFile> ExpectedShortcuts(const ShortcutFolders& folders,
                                            const char* helpFile = "wlthelp.htm") {
    const std::string group = folders.Programs + "\\Wordloft";
    const std::string game = std::string(kGameFolder) + "\\wordloft.exe";
    return {{folders.Desktop + "\\shortcut to Wordloft.lnk", game},
            {group + "\\Wordloft.lnk", game},
            {group + "\\Wordloft Help.lnk", std::string(kGameFolder) + "\\" + helpFile}};
}

void ExpectShortcuts(const char* when, const ShortcutFolders& folders,
                     const char* helpFile = "wlthelp.htm") {
    for (const ShortcutFile& file : ExpectedShortcuts(folders, helpFile)) {
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

void DeleteShortcuts(const ShortcutFolders& folders) {
    for (const ShortcutFile& file : ExpectedShortcuts(folders)) DeleteFileA(file.Path.c_str());
}

void ExpectNoShortcuts(const char* when, const ShortcutFolders& folders) {
    for (const ShortcutFile& file : ExpectedShortcuts(folders))
        Expect(GetFileAttributesA(file.Path.c_str()) == INVALID_FILE_ATTRIBUTES, "%s: %s was made",
               when, file.Path.c_str());
}

// While one lives, the shell reports the user's Desktop and Programs
// folders as the given paths (kept in User Shell Folders); at its end they
// are what they were.
struct ShellFoldersAt {
    ShellFoldersAt(const std::string& desktop, const std::string& programs);
    ~ShellFoldersAt();
    ShellFoldersAt(const ShellFoldersAt&) = delete;
    ShellFoldersAt& operator=(const ShellFoldersAt&) = delete;
    struct Saved {
        const char* Name;
        DWORD Type;
        std::string Value;
        bool Present;
    };
    std::vector<Saved> Old;
};

ShellFoldersAt::ShellFoldersAt(const std::string& desktop, const std::string& programs) {
    HKEY key = nullptr;
    if (!Expect(RegOpenKeyExA(HKEY_CURRENT_USER, kShellFoldersKey, 0, KEY_READ | KEY_WRITE, &key) ==
                    ERROR_SUCCESS,
                "cannot open HKCU\\%s", kShellFoldersKey))
        return;
    for (const auto& [name, path] : {std::pair<const char*, std::string>("Desktop", desktop),
                                     std::pair<const char*, std::string>("Programs", programs)}) {
        char value[1024] = "";
        DWORD size = sizeof value - 1, type = REG_EXPAND_SZ;
        const bool present = RegQueryValueExA(key, name, nullptr, &type,
                                              reinterpret_cast<BYTE*>(value),
                                              &size) == ERROR_SUCCESS;
        Old.push_back({name, type, value, present});
        RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                       static_cast<DWORD>(path.size() + 1));
    }
    RegCloseKey(key);
}

ShellFoldersAt::~ShellFoldersAt() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kShellFoldersKey, 0, KEY_WRITE, &key) != ERROR_SUCCESS)
        return;
    for (const Saved& saved : Old) {
        if (saved.Present)
            RegSetValueExA(key, saved.Name, 0, saved.Type,
                           reinterpret_cast<const BYTE*>(saved.Value.c_str()),
                           static_cast<DWORD>(saved.Value.size() + 1));
        else
            RegDeleteValueA(key, saved.Name);
    }
    RegCloseKey(key);
}

// The folder with the program and its help files, as a player unpacks it.
bool PrepareGameFolder() {
    const std::string source = Settings.ProgramPath.substr(0, Settings.ProgramPath.rfind('\\'));
    CreateDirectoryA("C:\\Games", nullptr);
    CreateDirectoryA(kGameFolder, nullptr);
    bool ok = true;
    for (const char* name : {"wordloft.exe", "wlthelp.hlp", "wlthelp.htm"}) {
        std::string from = source + "\\" + name, to = std::string(kGameFolder) + "\\" + name;
        ok = Expect(CopyFileA(from.c_str(), to.c_str(), FALSE) != 0, "cannot copy %s to %s",
                    from.c_str(), to.c_str()) && ok;
    }
    return ok;
}

bool StartInGameFolder(const char* arguments, PROCESS_INFORMATION& process,
                       const char* currentDirectory = kGameFolder,
                       const char* programFolder = kGameFolder,
                       const char* programName = "wordloft.exe") {
    std::string commandLine =
        std::string("\"") + programFolder + "\\" + programName + "\" " + arguments;
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
              const char* currentDirectory = kGameFolder, const char* programFolder = kGameFolder,
              const char* programName = "wordloft.exe") {
    RemovePreferenceFile();
    PROCESS_INFORMATION process;
    if (!StartInGameFolder(arguments, process, currentDirectory, programFolder, programName)) return;
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
    const ShortcutFolders user = UserFolders();
    const ShortcutFolders windows = WindowsFolders();
    DeleteShortcuts(user);
    DeleteShortcuts(windows);
    RunSetup("SETUP");
    ExpectShortcuts("after SETUP", user);
    ExpectNoShortcuts("after SETUP, in the Windows directory", windows);

    // A second run replaces whatever the files hold.
    for (const ShortcutFile& file : ExpectedShortcuts(user)) {
        FILE* out = std::fopen(file.Path.c_str(), "wb");
        if (out != nullptr) {
            std::fputs("not a shortcut", out);
            std::fclose(out);
        }
    }
    RunSetup("setup");
    ExpectShortcuts("after the second run (setup)", user);
    RunSetup("/setup");
    ExpectShortcuts("after /setup", user);

    // Windows XP has a help viewer: the help shortcut opens wlthelp.hlp.
    {
        PrefixWindowsVersion windowsXp("winxp");
        if (windowsXp.Applied) {
            RunSetup("SETUP");
            ExpectShortcuts("Windows XP", user, "wlthelp.hlp");
        }
    }

    // Started from the Run box, the current directory is the profile
    // folder: the shortcuts still lead to the program's own folder.
    DeleteShortcuts(user);
    RunSetup("SETUP", kThanks, Environment("USERPROFILE").c_str());
    ExpectShortcuts("started in the profile folder", user);

    // A program whose folder is too long for the shortcut texts is
    // refused, and no shortcut is made with a cut path. (A program of its
    // own longer than MAX_PATH cannot be started: here it is renamed w.exe,
    // so that it starts while its folder and "wordloft.exe" do not fit.)
    const std::string longFolder = "C:\\Games\\" + std::string(241, 'L');
    CreateDirectoryA(longFolder.c_str(), nullptr);
    const std::string longProgram = longFolder + "\\w.exe";
    if (Expect(CopyFileA((std::string(kGameFolder) + "\\wordloft.exe").c_str(), longProgram.c_str(),
                         FALSE) != 0,
               "cannot copy the program to %s", longProgram.c_str())) {
        DeleteShortcuts(user);
        RunSetup("SETUP", kTooLong, kGameFolder, longFolder.c_str(), "w.exe");
        ExpectNoShortcuts("from a folder too long for them", user);
    }

    // So is a Desktop folder too long for the shortcut's name.
    const std::string longDesktop = "C:\\" + std::string(235, 'D');
    {
        ShellFoldersAt deep(longDesktop, user.Programs);
        RunSetup("SETUP", kFolderTooLong);
    }
    ExpectNoShortcuts("with a Desktop folder too long for them", {longDesktop, user.Programs});

    // A shell that cannot report the folders (here: they would lie inside a
    // file) leaves the Windows directory's.
    {
        const std::string inFile = std::string(kGameFolder) + "\\wordloft.exe";
        ShellFoldersAt none(inFile + "\\Desktop", inFile + "\\Programs");
        RunSetup("SETUP");
    }
    ExpectShortcuts("where the shell reports no folders", windows);
    ExpectNoShortcuts("where the shell reports no folders, in the user's folders", user);

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
