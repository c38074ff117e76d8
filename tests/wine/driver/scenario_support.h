// What the scenarios share: the program's command ids, its scene geometry,
// preparing a run from a preference file, playing words, and reading the
// picture of the phrase band and the letter panel.
#ifndef WORDLOFT_TESTS_SCENARIO_SUPPORT_H
#define WORDLOFT_TESTS_SCENARIO_SUPPORT_H

#include <windows.h>

#include <string>
#include <vector>

#include "image.h"
#include "preference_file.h"
#include "program.h"

// Menu commands.
constexpr int kCommandNew = 32771;
constexpr int kCommandDisplayHighScores = 32774;
constexpr int kCommandExit = 105;
constexpr int kCommandSoundOnOff = 32780;
constexpr int kCommandScoringOnOff = 33002;
constexpr int kCommandUseCustomWords = 32783;
constexpr int kCommandUseRandomWords = 32785;
constexpr int kCommandFourGuesses = 32786;  // 32786..32790: 4..12 guesses
constexpr int kCommandEditCustomWords = 32782;
constexpr int kCommandEditRandomCategories = 32784;
// Menu bar positions.
constexpr int kWordsMenu = 2;
constexpr int kMaxGuessesMenu = 3;

// Dialogs and their controls.
constexpr char kProductTitle[] = "Wordloft";
constexpr char kEnterWordCaption[] = "Wordloft Enter Word Dialog";
constexpr char kStreakNameCaption[] = "Wordloft - Winning Streak Name Dialog";
constexpr char kScoreboardCaption[] = "Wordloft Winning Streak Scoreboard";
constexpr char kCustomWordsCaption[] = "Wordloft Custom Word Dialog";
constexpr char kRandomCategoriesCaption[] = "Wordloft Random Word Categories Dialog";
constexpr char kErrorCaption[] = "Error";
constexpr int kPhraseField = 1000;
constexpr int kInformationField = 1001;
constexpr int kFirstBoardButton = 1003;  // 1003..1007: 4..12 guesses
constexpr int kStreakNameField = 1018;
constexpr int kBoardArea = 1019;

// Scene regions in client pixels.
constexpr RECT kSceneRect = {0, 0, 593, 378};
constexpr RECT kStatisticsPanel = {0, 0, 563, 41};
constexpr RECT kSceneBox = {0, 41, 563, 231};
constexpr RECT kPhraseBand = {0, 231, 563, 264};
constexpr RECT kLetterPanel = {0, 264, 563, 348};
constexpr RECT kInformationLine = {0, 348, 563, 378};
constexpr RECT kFaceBox = {563, 0, 593, 45};
constexpr RECT kGuessMeter = {563, 90, 593, 378};

int MaxGuessesCommand(int maxGuesses);

// The defaults with sound off, the given custom list as the word source,
// MaxGuesses and scoring as given.
Bytes CustomWordPreferences(const std::vector<WordEntryText>& words, uint16_t maxGuesses,
                            uint16_t scoringOn);

// Writes the preference file (or removes it when prefs is null) and starts
// the program, with the command-line arguments given (shown as
// StartProgram has it).
bool Launch(Program& program, const Bytes* prefs, const std::string& arguments = std::string(),
            int showCommand = -1);

// Closes the program and reads the file it left; false (recorded) when the
// file is missing or not 34,056 bytes long.
bool CloseAndRead(Program& program, Bytes& file);

// Types each letter and waits for each to be handled, end-of-game sequence
// included.
bool TypeLetters(const Program& program, const char* letters);

// The MaxGuesses item that carries the check mark (4..12); 0 when none and
// -1 when more than one.
int CheckedMaxGuesses(const Program& program);

// Whether slot i of the phrase band shows an underline / a letter.
bool SlotUnderlined(const Image& scene, int slot);
bool SlotShowsLetter(const Image& scene, int slot);
// Whether two slots of the phrase band show the same picture.
bool SameSlotPicture(const Image& scene, int slotA, int slotB);
// The slots that show an underline, as a string of '_' and '.' for 26 slots.
std::string UnderlinePattern(const Image& scene);

// A dialog of the given caption that must appear within timeoutMs; records
// a failure (naming any other dialog that is open) when it does not.
HWND ExpectDialog(const Program& program, const char* caption, DWORD timeoutMs);

// Records a failure when a dialog of the program is open once the input
// posted so far is handled, or opens within waitMs after that.
void ExpectNoDialog(const Program& program, DWORD waitMs, const char* when);

// A message box of the program must show the text; it is answered with the
// button.
void AnswerBox(const Program& program, const char* caption, const char* text, int button);

// Answers the system's file dialog of the given caption with a path (UTF-8),
// as if typed and confirmed, and waits until the program has handled it.
void ChooseFile(const Program& program, const char* caption, const std::string& path);

// Posts the letter that ends a game and waits for the end-of-game sequence
// to finish; a dialog opening meanwhile is recorded and dismissed.
void FinishGameWithoutDialog(const Program& program, char letter);

// A whole file as bytes, written or read; false when that fails.
bool WriteFileBytes(const std::string& path, const Bytes& b);
bool ReadFileBytes(const std::string& path, Bytes& b);

// Compares two preference images and records up to five differing offsets.
bool ExpectSameBytes(const Bytes& got, const Bytes& expected, const char* what);

// Saves both pictures for a person to compare when a pixel check fails.
void SaveMismatch(const Image& a, const Image& b, const std::string& name);

// While one lives, a value under the prefix's HKEY_CURRENT_USER holds the
// given data, which Wine reads when a process starts; at its end the value
// it had (or none) is back. Applied is false when it could not be written.
struct PrefixSetting {
    PrefixSetting(const char* key, const char* name, DWORD type, const void* data, DWORD size);
    ~PrefixSetting();
    // Puts the old value back now (once).
    void Restore();
    PrefixSetting(const PrefixSetting&) = delete;
    PrefixSetting& operator=(const PrefixSetting&) = delete;
    bool Applied = false;
    bool HadSetting = false;
    std::string Key;
    std::string Name;
    DWORD OldType = 0;
    std::vector<BYTE> Old;
};

// While one lives, the programs started from then on see the Windows
// version given in Wine's names ("win10", "winxp"): HKCU\Software\Wine
// "Version". Applied is false (recorded) when a program started meanwhile
// does not report the version; at its end the prefix has its own setting
// back (none: Windows 7).
struct PrefixWindowsVersion {
    explicit PrefixWindowsVersion(const char* version);
    ~PrefixWindowsVersion();
    PrefixSetting Setting;
    bool Applied = false;
};

// While one lives, the programs started from then on see the display
// scale given in pixels to the logical inch: HKCU\Control Panel\Desktop
// "LogPixels".
struct PrefixDisplayScale : PrefixSetting {
    explicit PrefixDisplayScale(DWORD dpi);
};

// While one lives, the programs started from then on have a sound device:
// Wine's PulseAudio driver (HKCU\Software\Wine\Drivers "Audio"), playing
// into the sound server the test run started (PULSE_SERVER). Applied is
// false (recorded) when the run has no sound server.
struct PrefixSoundDevice {
    PrefixSoundDevice();
    PrefixSetting Setting;
    bool Applied = false;
};

#endif
