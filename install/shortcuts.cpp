// Shortcut installation through the shell's link object (IShellLinkA,
// saved through IPersistFile). The shortcuts go into the current user's
// Desktop and Start Menu Programs folders as the shell reports them; only
// a system that reports none gets them in the Windows directory's DeskTop
// and Start Menu\programs folders instead, where Windows before 2000 kept
// them. Every text is built in a buffer of MAX_PATH + 1 bytes; names that
// would not fit are refused with a message instead of being cut, so no
// shortcut ever points at a shortened path.
#include "install/shortcuts.h"

#include <objbase.h>
#include <ole2.h>
#include <shlobj.h>

#include <cstdarg>
#include <cstdio>

#include "game/requests.h"
#include "platform/windows_version.h"

int16_t ShortcutErrorCount = 0;

namespace {

constexpr int kTextSize = MAX_PATH + 1;
constexpr char kProductName[] = "Wordloft";
constexpr char kProgramFileName[] = "wordloft.exe";
constexpr char kHelpFileName[] = "wlthelp.hlp";
constexpr char kWebHelpFileName[] = "wlthelp.htm";

struct ShortcutTexts {
    char CurrentDirectory[kTextSize];
    char WindowsDirectory[kTextSize];
    char DesktopFolder[kTextSize];
    char StartMenuFolder[kTextSize];    // empty when the shell reports the Programs folder
    char ProgramsFolder[kTextSize];
    char ProgramTarget[kTextSize];
    char GroupFolder[kTextSize];
    char Description[kTextSize];
    char DesktopShortcut[kTextSize];
    char ProgramShortcut[kTextSize];
    char HelpShortcut[kTextSize];
    char HelpTarget[kTextSize];
};

// Formats into a kTextSize buffer; false when the text would not fit.
bool Format(char* buffer, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(buffer, kTextSize, format, arguments);
    va_end(arguments);
    return length >= 0 && length < kTextSize;
}

// A directory read into a kTextSize buffer; false when it does not fit
// (the calls then return the size they would need) or cannot be read.
bool ReadDirectories(ShortcutTexts& t) {
    const DWORD current = GetCurrentDirectoryA(kTextSize - 1, t.CurrentDirectory);
    const UINT windows = GetWindowsDirectoryA(t.WindowsDirectory, kTextSize - 1);
    return current != 0 && current < kTextSize - 1 && windows != 0 && windows < kTextSize - 1;
}

// The texts that name the program's own files.
bool BuildProgramTexts(ShortcutTexts& t) {
    // The help shortcut opens the help this system can show.
    const char* helpFile = SystemShowsWinHelp() ? kHelpFileName : kWebHelpFileName;
    return ReadDirectories(t) &&
           Format(t.ProgramTarget, "%s\\%s", t.CurrentDirectory, kProgramFileName) &&
           Format(t.Description, "Shortcut to %s", kProductName) &&
           Format(t.HelpTarget, "%s\\%s", t.CurrentDirectory, helpFile);
}

// One of the current user's folders as the shell reports it, created when
// missing; false when the shell reports none.
bool ReadShellFolder(int folder, char* path) {
    static_assert(kTextSize >= MAX_PATH, "SHGetFolderPathA writes up to MAX_PATH characters");
    return SHGetFolderPathA(nullptr, folder | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT,
                            path) == S_OK &&
           path[0] != '\0';
}

// The folders and the shortcut files in them.
bool BuildShortcutTexts(ShortcutTexts& t) {
    t.StartMenuFolder[0] = '\0';
    const bool desktop = ReadShellFolder(CSIDL_DESKTOPDIRECTORY, t.DesktopFolder) ||
                         Format(t.DesktopFolder, "%s\\DeskTop", t.WindowsDirectory);
    const bool programs =
        ReadShellFolder(CSIDL_PROGRAMS, t.ProgramsFolder) ||
        (Format(t.StartMenuFolder, "%s\\Start Menu", t.WindowsDirectory) &&
         Format(t.ProgramsFolder, "%s\\Start Menu\\programs", t.WindowsDirectory));
    return desktop && programs &&
           Format(t.GroupFolder, "%s\\%s", t.ProgramsFolder, kProductName) &&
           Format(t.DesktopShortcut, "%s\\shortcut to %s.lnk", t.DesktopFolder, kProductName) &&
           Format(t.ProgramShortcut, "%s\\%s.lnk", t.GroupFolder, kProductName) &&
           Format(t.HelpShortcut, "%s\\%s Help.lnk", t.GroupFolder, kProductName);
}

// Reports a failed method call and counts it.
void ReportShortcutError(const char* message) {
    ShowInfoMessage(message);
    ++ShortcutErrorCount;
}

}  // namespace

HRESULT CreateShortcut(const char* target, const char* linkPath, const char* description,
                       const char* workingDirectory) {
    IShellLinkA* link = nullptr;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IShellLinkA, reinterpret_cast<void**>(&link));
    if (FAILED(result)) {
        ++ShortcutErrorCount;
        return result;
    }
    IPersistFile* file = nullptr;
    result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (FAILED(result)) {
        ++ShortcutErrorCount;
        link->Release();
        return result;
    }
    if (FAILED(link->SetPath(target)))
        ReportShortcutError("Create Shortcut Error - (SetPath failed)");
    if (FAILED(link->SetDescription(description)))
        ReportShortcutError("Create Shortcut Error - (SetDescription failed)");
    if (workingDirectory[0] != '\0' && FAILED(link->SetWorkingDirectory(workingDirectory)))
        ReportShortcutError("Create Shortcut Error - (SetWorkingDirectory failed)");
    WCHAR widePath[kTextSize] = {};
    MultiByteToWideChar(CP_ACP, 0, linkPath, -1, widePath, kTextSize);
    result = file->Save(widePath, TRUE);
    if (FAILED(result)) ReportShortcutError("Create Shortcut Error - (Save shortcut failed)");
    file->Release();
    link->Release();
    return result;
}

int16_t InstallShortcuts() {
    static ShortcutTexts t;
    if (!BuildProgramTexts(t)) {
        ShowInfoMessage(
            "The name of the Windows directory or of the current directory is too long "
            "for the shortcuts. (Shortcuts not created.)");
        return 0;
    }
    if (!BuildShortcutTexts(t)) {
        ShowInfoMessage(
            "The name of the Desktop or Start Menu folder is too long for the shortcuts. "
            "(Shortcuts not created.)");
        return 0;
    }
    const HRESULT ole = OleInitialize(nullptr);
    if (ole != S_OK && ole != S_FALSE) {
        ShowInfoMessage("Error initializing OLE (Shortcuts not created.)");
        return 0;
    }
    // A new Windows directory may lack its folders; the link object cannot
    // save into a folder that does not exist. Existing ones are fine.
    CreateDirectoryA(t.DesktopFolder, nullptr);
    CreateShortcut(t.ProgramTarget, t.DesktopShortcut, t.Description, t.CurrentDirectory);
    if (t.StartMenuFolder[0] != '\0') CreateDirectoryA(t.StartMenuFolder, nullptr);
    CreateDirectoryA(t.ProgramsFolder, nullptr);
    CreateDirectoryA(t.GroupFolder, nullptr);
    CreateShortcut(t.ProgramTarget, t.ProgramShortcut, t.Description, t.CurrentDirectory);
    CreateShortcut(t.HelpTarget, t.HelpShortcut, t.Description, t.CurrentDirectory);
    OleUninitialize();
    if (ShortcutErrorCount == 0)
        ShowInfoMessage(
            "Thanks for installing Wordloft. Start Menu and Desktop Shortcuts are ready for use.");
    return 1;
}
