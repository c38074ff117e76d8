// The stand-in browser's registration and its record of pages.
#include "browser_stand_in.h"

#include <cstdio>

#include "check.h"

namespace {

constexpr char kPageClass[] = "Wordloft.TestPage";
constexpr char kPageRecord[] = "C:\\help-pages.txt";

}  // namespace

std::string ReadText(const std::string& path) {
    std::string text;
    FILE* in = std::fopen(path.c_str(), "rb");
    if (in == nullptr) return text;
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, in)) > 0) text.append(chunk, got);
    std::fclose(in);
    return text;
}

PageRecorder::PageRecorder(bool none) {
    DeleteFileA(kPageRecord);
    char old[128] = "";
    LONG size = sizeof old;
    HadClass = RegQueryValueA(HKEY_CLASSES_ROOT, ".htm", old, &size) == ERROR_SUCCESS;
    OldClass = old;
    if (none) {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, ".htm");
        HKEY key = nullptr;
        Registered = Expect(RegOpenKeyA(HKEY_CLASSES_ROOT, ".htm", &key) != ERROR_SUCCESS,
                            "cannot remove the .htm association");
        return;
    }
    char driver[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, driver, sizeof driver);
    const std::string driverPath = driver;
    const std::string recorder =
        driverPath.substr(0, driverPath.rfind('\\')) + "\\wordloft_page_recorder.exe";
    if (!Expect(GetFileAttributesA(recorder.c_str()) != INVALID_FILE_ATTRIBUTES,
                "%s is missing (built with the driver)", recorder.c_str()))
        return;
    const std::string command = "\"" + recorder + "\" \"" + kPageRecord + "\" \"%1\"";
    const std::string commandKey = std::string(kPageClass) + "\\shell\\open\\command";
    Registered = Expect(
        RegSetValueA(HKEY_CLASSES_ROOT, ".htm", REG_SZ, kPageClass, 0) == ERROR_SUCCESS &&
            RegSetValueA(HKEY_CLASSES_ROOT, commandKey.c_str(), REG_SZ, command.c_str(), 0) ==
                ERROR_SUCCESS,
        "cannot register the stand-in browser for .htm pages");
}

PageRecorder::~PageRecorder() {
    if (HadClass) RegSetValueA(HKEY_CLASSES_ROOT, ".htm", REG_SZ, OldClass.c_str(), 0);
    else RegDeleteKeyA(HKEY_CLASSES_ROOT, ".htm");
    RegDeleteTreeA(HKEY_CLASSES_ROOT, kPageClass);
}

std::vector<std::string> PageRecorder::Pages() const {
    std::vector<std::string> pages;
    const std::string text = ReadText(kPageRecord);
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        pages.push_back(text.substr(start, end - start));
    return pages;
}

std::string PageRecorder::NextPage(DWORD timeoutMs) {
    std::vector<std::string> pages;
    for (DWORD start = GetTickCount(); (pages = Pages()).size() <= Seen; Sleep(50))
        if (GetTickCount() - start >= timeoutMs) return "";
    return pages[Seen++];
}
