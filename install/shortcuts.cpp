// Shortcut installation through the shell's link object (IShellLinkW,
// saved through IPersistFile). The shortcuts go into the current user's
// Desktop and Start Menu Programs folders as the shell reports them; only
// a system that reports none gets them in the Windows directory's DeskTop
// and Start Menu\programs folders instead, where Windows before 2000 kept
// them. They lead to the program that runs, in its own folder (which is
// the current directory when SETUP is started from there, as a player
// does), whatever the current directory is. Every name goes through the
// wide-character calls, so a folder named in any language is kept as it
// is. Every text is built in a buffer of MAX_PATH + 1 characters; names
// that would not fit are refused with a message instead of being cut, so
// no shortcut ever points at a shortened path.
#include "install/shortcuts.h"

#include <objbase.h>
#include <ole2.h>
#include <shlobj.h>

#include <cstdarg>
#include <cwchar>
#include <string>

#include "game/requests.h"
#include "platform/help.h"
#include "platform/wide_paths.h"

int16_t ShortcutErrorCount = 0;

namespace {

constexpr int kTextSize = MAX_PATH + 1;
constexpr wchar_t kProductName[] = L"Wordloft";
constexpr wchar_t kProgramFileName[] = L"wordloft.exe";
constexpr wchar_t kHelpFileName[] = L"wlthelp.hlp";
constexpr wchar_t kWebHelpFileName[] = L"wlthelp.htm";

struct ShortcutTexts {
    wchar_t ProgramFolder[kTextSize];   // the links' working directory
    wchar_t WindowsDirectory[kTextSize];
    wchar_t DesktopFolder[kTextSize];
    wchar_t StartMenuFolder[kTextSize];    // empty when the shell reports the Programs folder
    wchar_t ProgramsFolder[kTextSize];
    wchar_t ProgramTarget[kTextSize];
    wchar_t GroupFolder[kTextSize];
    wchar_t Description[kTextSize];
    wchar_t DesktopShortcut[kTextSize];
    wchar_t ProgramShortcut[kTextSize];
    wchar_t HelpShortcut[kTextSize];
    wchar_t HelpTarget[kTextSize];
};

// Formats into a kTextSize buffer; false when the text would not fit.
bool Format(wchar_t* buffer, const wchar_t* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vswprintf(buffer, kTextSize, format, arguments);
    va_end(arguments);
    return length >= 0 && length < kTextSize;
}

// The program's folder and the Windows directory; false when either cannot
// be read whole. The folder keeps its final "\" only where it is a drive's
// root ("D:\"), so that the file names join it with exactly one.
bool ReadDirectories(ShortcutTexts& t, std::wstring& folder) {
    if (!ReadProgramFolder(folder) || folder.empty()) return false;
    const std::wstring workingDirectory =
        folder.size() > 3 ? folder.substr(0, folder.size() - 1) : folder;
    const UINT windows = GetWindowsDirectoryW(t.WindowsDirectory, kTextSize - 1);
    return Format(t.ProgramFolder, L"%ls", workingDirectory.c_str()) && windows != 0 &&
           windows < kTextSize - 1;
}

// The texts that name the program's own files.
bool BuildProgramTexts(ShortcutTexts& t) {
    std::wstring folder;
    if (!ReadDirectories(t, folder)) return false;
    // The help shortcut opens the help this system can show.
    const std::wstring windowsHelp = folder + kHelpFileName;
    const wchar_t* helpFile = HelpIsWebPage(windowsHelp.c_str(), folder) ? kWebHelpFileName : kHelpFileName;
    return Format(t.ProgramTarget, L"%ls%ls", folder.c_str(), kProgramFileName) &&
           Format(t.Description, L"Shortcut to %ls", kProductName) &&
           Format(t.HelpTarget, L"%ls%ls", folder.c_str(), helpFile);
}

// One of the current user's folders as the shell reports it, created when
// missing; false when the shell reports none.
bool ReadShellFolder(int folder, wchar_t* path) {
    static_assert(kTextSize >= MAX_PATH, "SHGetFolderPathW writes up to MAX_PATH characters");
    return SHGetFolderPathW(nullptr, folder | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT,
                            path) == S_OK &&
           path[0] != L'\0';
}

// The folders and the shortcut files in them.
bool BuildShortcutTexts(ShortcutTexts& t) {
    t.StartMenuFolder[0] = L'\0';
    const bool desktop = ReadShellFolder(CSIDL_DESKTOPDIRECTORY, t.DesktopFolder) ||
                         Format(t.DesktopFolder, L"%ls\\DeskTop", t.WindowsDirectory);
    const bool programs =
        ReadShellFolder(CSIDL_PROGRAMS, t.ProgramsFolder) ||
        (Format(t.StartMenuFolder, L"%ls\\Start Menu", t.WindowsDirectory) &&
         Format(t.ProgramsFolder, L"%ls\\Start Menu\\programs", t.WindowsDirectory));
    return desktop && programs &&
           Format(t.GroupFolder, L"%ls\\%ls", t.ProgramsFolder, kProductName) &&
           Format(t.DesktopShortcut, L"%ls\\shortcut to %ls.lnk", t.DesktopFolder, kProductName) &&
           Format(t.ProgramShortcut, L"%ls\\%ls.lnk", t.GroupFolder, kProductName) &&
           Format(t.HelpShortcut, L"%ls\\%ls Help.lnk", t.GroupFolder, kProductName);
}

// Reports a failed method call and counts it.
void ReportShortcutError(const char* message) {
    ShowInfoMessage(message);
    ++ShortcutErrorCount;
}

}  // namespace

HRESULT CreateShortcut(const wchar_t* target, const wchar_t* linkPath, const wchar_t* description,
                       const wchar_t* workingDirectory) {
    IShellLinkW* link = nullptr;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IShellLinkW, reinterpret_cast<void**>(&link));
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
    if (workingDirectory[0] != L'\0' && FAILED(link->SetWorkingDirectory(workingDirectory)))
        ReportShortcutError("Create Shortcut Error - (SetWorkingDirectory failed)");
    result = file->Save(linkPath, TRUE);
    if (FAILED(result)) ReportShortcutError("Create Shortcut Error - (Save shortcut failed)");
    file->Release();
    link->Release();
    return result;
}

int16_t InstallShortcuts() {
    static ShortcutTexts t;
    if (!BuildProgramTexts(t)) {
        ShowInfoMessage(
            "The name of the Windows directory or of the program's folder is too long "
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
    CreateDirectoryW(t.DesktopFolder, nullptr);
    CreateShortcut(t.ProgramTarget, t.DesktopShortcut, t.Description, t.ProgramFolder);
    if (t.StartMenuFolder[0] != L'\0') CreateDirectoryW(t.StartMenuFolder, nullptr);
    CreateDirectoryW(t.ProgramsFolder, nullptr);
    CreateDirectoryW(t.GroupFolder, nullptr);
    CreateShortcut(t.ProgramTarget, t.ProgramShortcut, t.Description, t.ProgramFolder);
    CreateShortcut(t.HelpTarget, t.HelpShortcut, t.Description, t.ProgramFolder);
    OleUninitialize();
    if (ShortcutErrorCount == 0)
        ShowInfoMessage(
            "Thanks for installing Wordloft. Start Menu and Desktop Shortcuts are ready for use.");
    return 1;
}
