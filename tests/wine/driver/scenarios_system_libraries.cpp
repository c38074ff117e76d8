// The system libraries that the program loads at their first call rather
// than at its start: it starts and plays without them, and the first call
// into one that cannot be loaded is reported by name before the program
// ends, instead of crashing. And every library it loads by name comes from
// the system folder: one planted beside the program or in the current
// folder is never loaded.
#include <memory>
#include <string>

#include "../probe/probe_protocol.h"
#include "check.h"
#include "dialogs.h"
#include "scenario_support.h"
#include "scenarios.h"

namespace {

// While one lives, Wine loads the given libraries into the program in the
// order given: "" switches them off, "native,builtin" prefers a library
// found along the search path to Wine's own, as Windows would load it. The
// per-program setting HKCU\Software\Wine\AppDefaults\PROGRAM.exe\DllOverrides,
// which a process reads when it starts.
struct LibraryLoadOrder {
    LibraryLoadOrder(const std::vector<const char*>& libraries, const char* order) {
        const std::string& path = Settings.ProgramPath;
        const std::string key =
            "Software\\Wine\\AppDefaults\\" + path.substr(path.find_last_of("\\/") + 1) + "\\DllOverrides";
        for (const char* library : libraries) {
            Overrides.push_back(std::make_unique<PrefixSetting>(key.c_str(), library, REG_SZ, order,
                                                                static_cast<DWORD>(lstrlenA(order) + 1)));
            Expect(Overrides.back()->Applied, "cannot set the load order of %s in HKCU\\%s", library, key.c_str());
        }
    }
    std::vector<std::unique_ptr<PrefixSetting>> Overrides;
};

constexpr char kPlantedFolder[] = "C:\\planted";
constexpr char kPlantedProgramFolder[] = "C:\\planted\\game";
constexpr char kPlantedListFolder[] = "C:\\planted\\list";
const char* const kPlantedLibraries[] = {"winmm.dll", "shcore.dll"};

// A copy of the program in a folder of its own, a word list in another,
// and both planted libraries in each.
bool PlantLibraries() {
    const std::string built = Settings.ProbePath.substr(0, Settings.ProbePath.rfind('\\'));
    bool ok = true;
    for (const char* folder : {kPlantedFolder, kPlantedProgramFolder, kPlantedListFolder})
        CreateDirectoryA(folder, nullptr);
    ok = Expect(CopyFileW(Widen(Settings.ProgramPath).c_str(), Widen(std::string(kPlantedProgramFolder) +
                                                                      "\\wordloft.exe").c_str(), FALSE) != 0,
                "cannot copy the program") && ok;
    for (const char* folder : {kPlantedProgramFolder, kPlantedListFolder}) {
        for (const char* library : kPlantedLibraries) {
            const std::string from = built + "\\planted\\" + library, to = std::string(folder) + "\\" + library;
            DeleteFileA((to + ".loaded").c_str());
            ok = Expect(CopyFileA(from.c_str(), to.c_str(), FALSE) != 0, "cannot plant %s", to.c_str()) && ok;
        }
    }
    const std::string list = "PLANTED LIBRARY\tNever loaded\r\n";
    return Expect(WriteFileBytes(std::string(kPlantedListFolder) + "\\planted.txt", Bytes(list.begin(), list.end())),
                  "cannot write the list") &&
           ok;
}

// Starts the copy with the list on its command line, in the list's folder
// (as Explorer starts it for a list opened there), and has it look for the
// monitor's scale without Windows 10's function and play a sound.
void PlayBesidePlantedLibraries(const char* windowsVersion) {
    const PrefixWindowsVersion version(windowsVersion);
    Bytes prefs = DefaultPreferences();
    PutU16(prefs, PrefOffset::SoundOn, 1);
    Program program;
    if (!Launch(program, &prefs, std::string("\"") + kPlantedListFolder + "\\planted.txt\"")) return;
    if (HWND report = FindAnyDialog(program.Process.dwProcessId)) DismissDialog(report);
    Expect(AskProbeData(program, kProbeHideWindowDpi, 0, nullptr) != nullptr,
           "the probe could not hide GetDpiForWindow");
    PostMessageA(program.Window, WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
    TypeLetters(program, "E");
    CloseProgram(program);
}

}  // namespace

void NoPlantedLibraryIsLoaded() {
    if (!PlantLibraries()) return;
    const std::string programPath = Settings.ProgramPath;
    Settings.ProgramPath = std::string(kPlantedProgramFolder) + "\\wordloft.exe";
    Settings.CurrentFolder = kPlantedListFolder;
    {
        const LibraryLoadOrder native({"winmm", "shcore"}, "native,builtin");
        for (const char* windowsVersion : {"winxp", "win7", "win10"}) PlayBesidePlantedLibraries(windowsVersion);
    }
    Settings.ProgramPath = programPath;
    Settings.CurrentFolder.clear();
    for (const char* folder : {kPlantedProgramFolder, kPlantedListFolder}) {
        for (const char* library : kPlantedLibraries) {
            const std::string marker = std::string(folder) + "\\" + library + ".loaded";
            Expect(GetFileAttributesA(marker.c_str()) == INVALID_FILE_ATTRIBUTES, "%s was loaded from %s",
                   library, folder);
        }
    }
}

void MissingSystemLibraryIsReported() {
    const LibraryLoadOrder off({"comdlg32", "shell32", "oleaut32", "oleacc", "winmm"}, "");
    const Bytes prefs = CustomWordPreferences({{"LIBRARY", "Loaded when first called"}}, 6, 0);
    Program program;
    if (!Launch(program, &prefs)) return;
    ExpectNoDialog(program, 300, "start-up without the libraries");
    TypeLetters(program, "LQ");
    Image scene;
    if (CaptureClient(program, scene))
        Expect(SlotShowsLetter(scene, 0) && !SlotShowsLetter(scene, 1),
               "the phrase band does not show the guessed L alone");

    // A screen reader asks for the window's accessible object.
    PostMessageA(program.Window, WM_GETOBJECT, 0, OBJID_CLIENT);
    HWND box = ExpectDialog(program, kProductTitle, 5000);
    if (box == nullptr) {
        KillProgram(program);
        return;
    }
    ExpectText(MessageBoxText(box),
               "Wordloft cannot go on: the system library oleacc.dll could not be loaded (error 126).",
               "the report of the missing library");
    PressButton(box, IDOK);
    DWORD exitCode = 0;
    if (Expect(WaitForSingleObject(program.Process.hProcess, 5000) == WAIT_OBJECT_0,
               "the program did not end after the report") &&
        GetExitCodeProcess(program.Process.hProcess, &exitCode)) {
        ExpectEqual(exitCode, 3, "exit code after the report");
    }
    WaitForExit(program, 5000);
}
