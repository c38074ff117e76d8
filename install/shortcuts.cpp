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
#include "game/text_format.h"
#include "platform/help.h"
#include "platform/program_texts.h"
#include "platform/wide_paths.h"
#include "resource.h"

int16_t ShortcutErrorCount = 0;

namespace {

constexpr int kTextSize = MAX_PATH + 1;
constexpr wchar_t kProductName[] = L"Wordloft";
constexpr wchar_t kProgramFileName[] = L"wordloft.exe";

// A text of the string table with the product's name in it, for the
// wide-character calls.
std::wstring NamingProduct(int16_t id) { return WideText(FormatProgramText(id, {"Wordloft"}).c_str()); }

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
    const std::wstring windowsHelp = folder + ProgramWideText(IDS_HELP_FILE);
    const std::wstring helpFile = ProgramWideText(HelpIsWebPage(windowsHelp.c_str(), folder) ? IDS_WEB_HELP_FILE
                                                                                             : IDS_HELP_FILE);
    return Format(t.ProgramTarget, L"%ls%ls", folder.c_str(), kProgramFileName) &&
           Format(t.Description, L"%ls", NamingProduct(IDS_SETUP_DESCRIPTION).c_str()) &&
           Format(t.HelpTarget, L"%ls%ls", folder.c_str(), helpFile.c_str());
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
           Format(t.DesktopShortcut, L"%ls\\%ls.lnk", t.DesktopFolder, NamingProduct(IDS_SETUP_DESKTOP_SHORTCUT).c_str()) &&
           Format(t.ProgramShortcut, L"%ls\\%ls.lnk", t.GroupFolder, kProductName) &&
           Format(t.HelpShortcut, L"%ls\\%ls.lnk", t.GroupFolder, NamingProduct(IDS_SETUP_HELP_SHORTCUT).c_str());
}

// Reports a failed method call and counts it.
void ReportShortcutError(int16_t message) {
    ShowInfoMessage(ProgramText(message).c_str());
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
        ReportShortcutError(IDS_SETUP_SET_PATH_FAILED);
    if (FAILED(link->SetDescription(description)))
        ReportShortcutError(IDS_SETUP_SET_DESCRIPTION_FAILED);
    if (workingDirectory[0] != L'\0' && FAILED(link->SetWorkingDirectory(workingDirectory)))
        ReportShortcutError(IDS_SETUP_SET_FOLDER_FAILED);
    result = file->Save(linkPath, TRUE);
    if (FAILED(result)) ReportShortcutError(IDS_SETUP_SAVE_FAILED);
    file->Release();
    link->Release();
    return result;
}

int16_t InstallShortcuts() {
    static ShortcutTexts t;
    if (!BuildProgramTexts(t)) {
        ShowInfoMessage(ProgramText(IDS_SETUP_PROGRAM_FOLDER_TOO_LONG).c_str());
        return 0;
    }
    if (!BuildShortcutTexts(t)) {
        ShowInfoMessage(ProgramText(IDS_SETUP_SHORTCUT_FOLDER_TOO_LONG).c_str());
        return 0;
    }
    const HRESULT ole = OleInitialize(nullptr);
    if (ole != S_OK && ole != S_FALSE) {
        ShowInfoMessage(ProgramText(IDS_SETUP_OLE_FAILED).c_str());
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
        ShowInfoMessage(ProgramText(IDS_SETUP_DONE).c_str());
    return 1;
}
