// What the scenarios share: starting runs, playing words, reading the picture.
#include "scenario_support.h"

#include <cstdio>

#include "check.h"
#include "dialogs.h"

using namespace PrefOffset;

namespace {

// Underline of slot i: from x = 9 + 21 i to x + 16 at y = 258; the glyph
// above it occupies x .. x + 18, y 233 .. 254.
int SlotLeft(int slot) { return kPhraseBand.left + 9 + 21 * slot; }

}  // namespace

int MaxGuessesCommand(int maxGuesses) { return kCommandFourGuesses + (maxGuesses - 4) / 2; }

Bytes CustomWordPreferences(const std::vector<WordEntryText>& words, uint16_t maxGuesses,
                            uint16_t scoringOn) {
    Bytes b = DefaultPreferences();
    PutU16(b, SoundOn, 0);
    PutU16(b, MaxGuesses, maxGuesses);
    PutU16(b, ScoringOn, scoringOn);
    PutU32(b, WordSource, kCommandCustomWords);
    PutCustomWords(b, words);
    return b;
}

bool Launch(Program& program, const Bytes* prefs, const std::string& arguments, int showCommand) {
    if (prefs == nullptr) {
        RemovePreferenceFile();
    } else if (!WritePreferenceFile(*prefs)) {
        Fail("cannot write %s", PreferenceFilePath().c_str());
        return false;
    }
    return StartProgram(program, arguments, showCommand);
}

bool CloseAndRead(Program& program, Bytes& file) {
    CloseProgram(program);
    if (!ReadPreferenceFile(file)) {
        Fail("no preference file after the program ended");
        return false;
    }
    return ExpectEqual(static_cast<long long>(file.size()), FileSize, "preference file size");
}

bool TypeLetters(const Program& program, const char* letters) {
    for (const char* c = letters; *c != 0; ++c)
        if (!TypeCharacter(program, *c)) return false;
    return true;
}

int CheckedMaxGuesses(const Program& program) {
    int checked = 0;
    for (int n = 4; n <= 12; n += 2) {
        if (IsChecked(program, MaxGuessesCommand(n))) {
            if (checked != 0) return -1;
            checked = n;
        }
    }
    return checked;
}

bool SlotUnderlined(const Image& scene, int slot) {
    RECT underline = {SlotLeft(slot) + 2, 257, SlotLeft(slot) + 15, 260};
    return CountDarkPixels(scene, underline) >= 13;
}

bool SlotShowsLetter(const Image& scene, int slot) {
    RECT glyph = {SlotLeft(slot), 233, SlotLeft(slot) + 19, 255};
    return CountNonWhitePixels(scene, glyph) > 10;
}

bool SameSlotPicture(const Image& scene, int slotA, int slotB) {
    for (int y = 233; y < 255; ++y)
        for (int x = 0; x < 19; ++x)
            if (scene.At(SlotLeft(slotA) + x, y) != scene.At(SlotLeft(slotB) + x, y)) return false;
    return true;
}

std::string UnderlinePattern(const Image& scene) {
    std::string pattern;
    for (int slot = 0; slot < 26; ++slot) pattern += SlotUnderlined(scene, slot) ? '_' : '.';
    return pattern;
}

HWND ExpectDialog(const Program& program, const char* caption, DWORD timeoutMs) {
    HWND dialog = WaitForDialog(program.Process.dwProcessId, caption, timeoutMs);
    if (dialog == nullptr) {
        HWND other = FindAnyDialog(program.Process.dwProcessId);
        Fail("no dialog \"%s\" appeared%s%s", caption, other ? "; open instead: " : "",
             other ? DescribeDialog(other).c_str() : "");
    }
    return dialog;
}

void ExpectNoDialog(const Program& program, DWORD waitMs, const char* when) {
    // A dialog opened by earlier input exists once that input is handled.
    Settle(program);
    HWND dialog = WaitForDialog(program.Process.dwProcessId, nullptr, waitMs);
    if (dialog != nullptr) {
        Fail("%s: unexpected dialog %s", when, DescribeDialog(dialog).c_str());
        DismissDialog(dialog);
    }
}

void AnswerBox(const Program& program, const char* caption, const char* text, int button) {
    HWND box = ExpectDialog(program, caption, 5000);
    if (box == nullptr) return;
    ExpectText(MessageBoxText(box), text, caption);
    PressButton(box, button);
    Expect(WaitForDialogGone(box, 3000), "the box \"%s\" did not close", text);
    Settle(program);
}

void FinishGameWithoutDialog(const Program& program, char letter) {
    PostCharacter(program, letter);
    DWORD start = GetTickCount();
    while (!Settle(program, 200)) {
        if (HWND dialog = FindAnyDialog(program.Process.dwProcessId)) {
            Fail("after the game ended: unexpected dialog %s", DescribeDialog(dialog).c_str());
            DismissDialog(dialog);
        }
        if (GetTickCount() - start > 30000) {
            Fail("the end of the game did not finish within 30 s");
            return;
        }
    }
}

bool ExpectSameBytes(const Bytes& got, const Bytes& expected, const char* what) {
    if (got.size() != expected.size()) {
        Fail("%s: %lu bytes, expected %lu", what, static_cast<unsigned long>(got.size()),
             static_cast<unsigned long>(expected.size()));
        return false;
    }
    int shown = 0;
    size_t differing = 0;
    for (size_t i = 0; i < got.size(); ++i) {
        if (got[i] == expected[i]) continue;
        ++differing;
        if (shown++ < 5)
            Fail("%s: byte %lu is 0x%02X, expected 0x%02X", what, static_cast<unsigned long>(i),
                 got[i], expected[i]);
    }
    if (differing > 5)
        Fail("%s: %lu bytes differ in all", what, static_cast<unsigned long>(differing));
    return differing == 0;
}

void SaveMismatch(const Image& a, const Image& b, const std::string& name) {
    SaveScreenshot(a, "mismatch-" + name + "-before");
    SaveScreenshot(b, "mismatch-" + name + "-after");
}

namespace {

constexpr char kWineKey[] = "Software\\Wine";

// Wine's version names and the numbers a program is told.
const char* VersionNumberOf(const std::string& name) {
    if (name == "win10") return "10.0";
    if (name == "win7") return "6.1";
    if (name == "winxp") return "5.1";
    return "";
}

// "MAJOR.MINOR" of the Windows a newly started program sees, as cmd's
// "ver" prints it ("Microsoft Windows 10.0.18362").
std::string VersionOfNewProgram() {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE reader = nullptr, writer = nullptr;
    if (!CreatePipe(&reader, &writer, &inherit, 0)) return "";
    SetHandleInformation(reader, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = writer;
    PROCESS_INFORMATION process = {};
    char commandLine[] = "cmd.exe /c ver";
    const bool started = CreateProcessA(nullptr, commandLine, nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                                        &process) != 0;
    CloseHandle(writer);
    std::string output;
    char chunk[256];
    DWORD got = 0;
    while (started && ReadFile(reader, chunk, sizeof chunk, &got, nullptr) && got > 0)
        output.append(chunk, got);
    CloseHandle(reader);
    if (started) {
        WaitForSingleObject(process.hProcess, 10000);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    const size_t start = output.find_first_of("0123456789");
    if (start == std::string::npos) return output;
    const size_t second = output.find('.', output.find('.', start) + 1);
    return output.substr(start, second == std::string::npos ? std::string::npos : second - start);
}

}  // namespace

PrefixWindowsVersion::PrefixWindowsVersion(const char* version)
    : Setting(kWineKey, "Version", REG_SZ, version, static_cast<DWORD>(lstrlenA(version) + 1)) {
    if (!Expect(Setting.Applied, "cannot set HKCU\\%s \"Version\"", kWineKey)) return;
    const std::string seen = VersionOfNewProgram();
    Applied = Expect(seen == VersionNumberOf(version),
                     "with the prefix at %s a new program sees Windows \"%s\"", version,
                     Printable(seen).c_str());
}

PrefixWindowsVersion::~PrefixWindowsVersion() {
    Setting.Restore();
    if (!Setting.HadSetting) ExpectText(VersionOfNewProgram(), VersionNumberOf("win7"), "the prefix's own version");
}

namespace {

// The file-name field of the system's file dialog: the combo box 1148 (its
// edit) or the edit 1152.
HWND FileNameField(HWND fileDialog) {
    HWND combo = GetDlgItem(fileDialog, 1148);
    if (combo != nullptr) {
        HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr);
        return edit != nullptr ? edit : combo;
    }
    return GetDlgItem(fileDialog, 1152);
}

}  // namespace

void ChooseFile(const Program& program, const char* caption, const std::string& path) {
    HWND fileDialog = ExpectDialog(program, caption, 10000);
    if (fileDialog == nullptr) return;
    HWND field = FileNameField(fileDialog);
    if (!Expect(field != nullptr, "the file dialog \"%s\" has no file-name field", caption)) return;
    const std::wstring wide = Widen(path);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()), SMTO_NORMAL,
                        3000, &result);
    PressButton(fileDialog, IDOK);
    Expect(WaitForDialogGone(fileDialog, 5000), "the file dialog did not take \"%s\"",
           path.c_str());
    Settle(program);
}

namespace {
constexpr char kDesktopKey[] = "Control Panel\\Desktop";
constexpr char kDriversKey[] = "Software\\Wine\\Drivers";

}  // namespace

PrefixSetting::PrefixSetting(const char* key, const char* name, DWORD type, const void* data, DWORD size)
    : Key(key), Name(name) {
    HKEY opened = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &opened,
                        nullptr) != ERROR_SUCCESS)
        return;
    DWORD oldSize = 0;
    HadSetting = RegQueryValueExA(opened, name, nullptr, &OldType, nullptr, &oldSize) == ERROR_SUCCESS;
    Old.resize(oldSize);
    if (HadSetting && oldSize > 0)
        HadSetting = RegQueryValueExA(opened, name, nullptr, &OldType, Old.data(), &oldSize) == ERROR_SUCCESS;
    Applied = RegSetValueExA(opened, name, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
    RegCloseKey(opened);
}

PrefixSetting::~PrefixSetting() { Restore(); }

void PrefixSetting::Restore() {
    HKEY opened = nullptr;
    if (!Applied || RegOpenKeyExA(HKEY_CURRENT_USER, Key.c_str(), 0, KEY_WRITE, &opened) != ERROR_SUCCESS) return;
    Applied = false;
    if (HadSetting)
        RegSetValueExA(opened, Name.c_str(), 0, OldType, Old.data(), static_cast<DWORD>(Old.size()));
    else
        RegDeleteValueA(opened, Name.c_str());
    RegCloseKey(opened);
}

PrefixDisplayScale::PrefixDisplayScale(DWORD dpi)
    : PrefixSetting(kDesktopKey, "LogPixels", REG_DWORD, &dpi, sizeof dpi) {}

PrefixSoundDevice::PrefixSoundDevice() : Setting(kDriversKey, "Audio", REG_SZ, "pulse", sizeof "pulse") {
    char server[MAX_PATH] = "";
    const bool served = GetEnvironmentVariableA("PULSE_SERVER", server, sizeof server) > 0;
    Applied = Expect(served && Setting.Applied, "the run has no sound server (PULSE_SERVER) for a sound device");
}

bool WriteFileBytes(const std::string& path, const Bytes& b) {
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) return false;
    bool ok = std::fwrite(b.data(), 1, b.size(), out) == b.size();
    return std::fclose(out) == 0 && ok;
}

bool ReadFileBytes(const std::string& path, Bytes& b) {
    b.clear();
    FILE* in = std::fopen(path.c_str(), "rb");
    if (in == nullptr) return false;
    int c;
    while ((c = std::fgetc(in)) != EOF) b.push_back(static_cast<uint8_t>(c));
    std::fclose(in);
    return true;
}
