// Word-list file names come from the system's Open and Save As dialogs,
// filtered to "*.wlt", "*.txt" and "*.csv", through their wide-character forms: a folder named
// in any language reaches the file intact (the names are handed on as
// UTF-8). A failing dialog is reported by its error code; cancelling shows
// nothing.
#include "wordlists/word_list_file_dialogs.h"

#include <commdlg.h>

#include <cstring>
#include <cwchar>
#include <string>

#include "platform/program_handles.h"
#include "platform/program_texts.h"
#include "platform/utilities.h"
#include "platform/wide_paths.h"
#include "records/preferences.h"
#include "resource.h"
#include "wordlists/list_file.h"

namespace {

constexpr int kTitleSize = 100;
constexpr int kFilterSize = 257;

struct DialogError {
    DWORD Code;
    int16_t StringId;
};

constexpr DialogError kDialogErrors[] = {
    {0xFFFF, IDS_CDERR_DIALOGFAILURE},      {0x0001, IDS_CDERR_STRUCTSIZE},
    {0x0002, IDS_CDERR_INITIALIZATION},     {0x0003, IDS_CDERR_NOTEMPLATE},
    {0x0004, IDS_CDERR_NOHINSTANCE},        {0x0005, IDS_CDERR_LOADSTRFAILURE},
    {0x0006, IDS_CDERR_FINDRESFAILURE},     {0x0007, IDS_CDERR_LOADRESFAILURE},
    {0x0008, IDS_CDERR_LOCKRESFAILURE},     {0x0009, IDS_CDERR_MEMALLOCFAILURE},
    {0x000A, IDS_CDERR_MEMLOCKFAILURE},     {0x000B, IDS_CDERR_NOHOOK},
    {0x1001, IDS_CDERR_PD_SETUPFAILURE},    {0x1002, IDS_CDERR_PD_PARSEFAILURE},
    {0x1003, IDS_CDERR_PD_RETDEFFAILURE},   {0x1004, IDS_CDERR_PD_LOADDRVFAILURE},
    {0x1005, IDS_CDERR_PD_GETDEVMODEFAIL},  {0x1006, IDS_CDERR_PD_INITFAILURE},
    {0x1007, IDS_CDERR_PD_NODEVICES},       {0x1008, IDS_CDERR_PD_NODEFAULTPRN},
    {0x1009, IDS_CDERR_PD_DNDMMISMATCH},    {0x100A, IDS_CDERR_PD_CREATEICFAILURE},
    {0x100B, IDS_CDERR_PD_PRINTERNOTFOUND}, {0x2001, IDS_CDERR_CF_NOFONTS},
    {0x3001, IDS_CDERR_FN_SUBCLASSFAILURE}, {0x3002, IDS_CDERR_FN_INVALIDFILENAME},
    {0x3003, IDS_CDERR_FN_BUFFERTOOSMALL},
};
static_assert(sizeof kDialogErrors / sizeof kDialogErrors[0] == 27, "every common-dialog error code");

// What both dialogs share: the title, the filter split at its separator,
// the buffers and the default extension.
struct FileDialogSetup {
    OPENFILENAMEW Dialog;
    wchar_t Title[kTitleSize];
    wchar_t Filter[kFilterSize];
    wchar_t Path[kFileDialogPathSize];
    wchar_t FileTitle[kFileDialogTitleSize];
    std::wstring DefaultExtension;
};

// The filter string's last character separates its parts; each becomes a
// terminator, and the text's own terminator then ends the list. 0 after
// reporting a filter that cannot be loaded.
int16_t LoadFilter(int16_t filterId, int16_t errorId, wchar_t* filter) {
    std::memset(filter, 0, kFilterSize * sizeof filter[0]);
    const std::wstring text = ProgramWideText(filterId).substr(0, kFilterSize - 1);
    text.copy(filter, text.size());
    const int length = static_cast<int>(text.size());
    if (length <= 0) {
        char message[kTitleSize];
        LoadResourceString(errorId, message, sizeof message);
        ShowErrorMessage(message);
        return 0;
    }
    const wchar_t separator = filter[length - 1];
    for (int i = 0; i < length; ++i)
        if (filter[i] == separator) filter[i] = L'\0';
    return 1;
}

// An empty title (the open and append titles have no text) leaves the
// dialog its own title.
int16_t PrepareDialog(FileDialogSetup& setup, HWND owner, int16_t titleId, int16_t filterId, int16_t errorId,
                      const char* defaultExtension) {
    std::memset(&setup.Dialog, 0, sizeof setup.Dialog);
    std::memset(setup.Path, 0, sizeof setup.Path);
    std::memset(setup.FileTitle, 0, sizeof setup.FileTitle);
    setup.Title[0] = L'\0';
    char title[kTitleSize] = "";
    LoadResourceString(titleId, title, sizeof title);
    MultiByteToWideChar(CP_ACP, 0, title, -1, setup.Title, kTitleSize);
    if (!LoadFilter(filterId, errorId, setup.Filter)) return 0;
    setup.DefaultExtension = WideText(defaultExtension);
    OPENFILENAMEW& dialog = setup.Dialog;
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = setup.Filter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = setup.Path;
    dialog.nMaxFile = kFileDialogPathSize;
    dialog.lpstrFileTitle = setup.FileTitle;
    dialog.nMaxFileTitle = kFileDialogTitleSize;
    dialog.lpstrTitle = setup.Title[0] != L'\0' ? setup.Title : nullptr;
    dialog.lpstrDefExt = setup.DefaultExtension.c_str();
    return 1;
}

// Hands the chosen names to the caller as UTF-8, or reports why there are
// none.
int16_t FinishDialog(BOOL chosen, const FileDialogSetup& setup, char* fileTitle, char* path) {
    if (!chosen) {
        ReportFileDialogError(CommDlgExtendedError());
        return 0;
    }
    // Three bytes of UTF-8 hold any character the dialog's buffers hold in
    // one or two: the names always fit.
    static_assert(kFileDialogPathBytes >= 3 * kFileDialogPathSize, "room for any path");
    static_assert(kFileDialogTitleBytes >= 3 * kFileDialogTitleSize, "room for any file name");
    CopyUtf8Path(Utf8Path(setup.Path), path, kFileDialogPathBytes);
    CopyUtf8Path(Utf8Path(setup.FileTitle), fileTitle, kFileDialogTitleBytes);
    return 1;
}

}  // namespace

int16_t AskOpenFileName(HWND owner, int16_t titleId, int16_t filterId, int16_t errorId,
                        const char* defaultExtension, const char* initialDirectory, char* fileTitle,
                        char* path) {
    static FileDialogSetup setup;
    if (!PrepareDialog(setup, owner, titleId, filterId, errorId, defaultExtension)) return 0;
    const bool hasDirectory = initialDirectory != nullptr && initialDirectory[0] != '\0';
    const std::wstring directory = hasDirectory ? WidePath(initialDirectory) : std::wstring();
    setup.Dialog.lpstrInitialDir = hasDirectory ? directory.c_str() : nullptr;
    setup.Dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_SHOWHELP | OFN_HIDEREADONLY;
    return FinishDialog(GetOpenFileNameW(&setup.Dialog), setup, fileTitle, path);
}

int16_t AskSaveFileName(HWND owner, int16_t titleId, int16_t filterId, int16_t errorId,
                        const char* defaultExtension, const char* initialFileName, char* fileTitle,
                        char* path, int* filterIndex) {
    static FileDialogSetup setup;
    if (!PrepareDialog(setup, owner, titleId, filterId, errorId, defaultExtension)) return 0;
    const std::wstring initial = WidePath(initialFileName);
    if (initial.size() < kFileDialogPathSize) std::wmemcpy(setup.Path, initial.c_str(), initial.size() + 1);
    setup.Dialog.Flags = OFN_PATHMUSTEXIST | OFN_SHOWHELP | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
    const int16_t chosen = FinishDialog(GetSaveFileNameW(&setup.Dialog), setup, fileTitle, path);
    if (filterIndex != nullptr) *filterIndex = static_cast<int>(setup.Dialog.nFilterIndex);
    return chosen;
}

void ReportFileDialogError(DWORD code) {
    for (const DialogError& error : kDialogErrors) {
        if (error.Code != code) continue;
        char message[kTitleSize];
        LoadResourceString(error.StringId, message, sizeof message);
        ShowErrorMessage(message);
        return;
    }
}

int16_t SaveWordListFile(const char* initialFileName, const char* defaultExtension) {
    if (Preferences.CustomWordCount < 1 || Preferences.CustomWordCount > kCustomWordMax) {
        BeepIfSoundOn();
        return 0;
    }
    static char path[kFileDialogPathBytes];
    static char fileTitle[kFileDialogTitleBytes];
    int filterIndex = 1;
    if (!AskSaveFileName(GetActiveWindow(), IDS_SAVE_LIST_TITLE, IDS_LIST_FILE_FILTERS, IDS_FILTER_ERROR,
                         defaultExtension, initialFileName, fileTitle, path, &filterIndex))
        return 0;
    return WriteListFile(path, SaveFormatOf(path, filterIndex));
}
