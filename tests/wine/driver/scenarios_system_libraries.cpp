// The system libraries that the program loads at their first call rather
// than at its start: it starts and plays without them, and the first call
// into one that cannot be loaded is reported by name before the program
// ends, instead of crashing.
#include <memory>

#include "check.h"
#include "dialogs.h"
#include "scenario_support.h"
#include "scenarios.h"

namespace {

// While one lives, Wine loads none of the given libraries into the program:
// an empty value for each in its per-program setting, the key
// HKCU\Software\Wine\AppDefaults\PROGRAM.exe\DllOverrides, which a
// process reads when it starts.
struct LibrariesSwitchedOff {
    explicit LibrariesSwitchedOff(const std::vector<const char*>& libraries) {
        const std::string& path = Settings.ProgramPath;
        const std::string key =
            "Software\\Wine\\AppDefaults\\" + path.substr(path.find_last_of("\\/") + 1) + "\\DllOverrides";
        for (const char* library : libraries) {
            Overrides.push_back(std::make_unique<PrefixSetting>(key.c_str(), library, REG_SZ, "", 1));
            Expect(Overrides.back()->Applied, "cannot switch %s off in HKCU\\%s", library, key.c_str());
        }
    }
    std::vector<std::unique_ptr<PrefixSetting>> Overrides;
};

}  // namespace

void MissingSystemLibraryIsReported() {
    const LibrariesSwitchedOff off({"comdlg32", "shell32", "oleaut32", "oleacc", "winmm"});
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
