// A recording stand-in for the window shell: every request the engine and
// the records make is logged in order, and the answers of dialogs, the
// Windows directory and the category texts are set by each test.
#ifndef WORDLOFT_TESTS_FAKE_REQUESTS_H
#define WORDLOFT_TESTS_FAKE_REQUESTS_H

#include <map>
#include <string>
#include <vector>

// A stage at which writing a file fails.
// Held: another program holds the file for HeldAttempts replace attempts
// (0: for good).
enum class FileFault { None, Create, DiskFull, Flush, Close, Replace, Held };

struct FakeShell {
    std::vector<std::string> Calls;
    // AskEnteredWord: the phrase and information it sets, or cancel.
    bool EnteredWordAccepted = false;
    std::string EnteredPhrase;
    std::string EnteredInformation;
    // AskYesNoCancel answers Yes when true.
    bool AnswerYes = false;
    // InvertPhraseBand finds no window to draw on when false.
    bool WindowCanBeDrawn = true;
    // AskStreakName types this name.
    std::string StreakName = "PLAYER";
    // QueryWindowsDirectory: the directory, or failure when empty.
    std::string WindowsDirectory;
    // QueryPreferenceDirectory: this directory, or the Windows directory
    // when empty.
    std::string PreferenceDirectory;
    // QueryVirtualStoreDirectory: this directory, or none when empty.
    std::string VirtualStoreDirectory;
    // LoadCategoryText: the resource texts by name; a missing name fails.
    std::map<std::string, std::string> CategoryTexts;
    // Writing files: the stage that fails, and for DiskFull the number of
    // bytes a file takes before the disk is full.
    FileFault Fault = FileFault::None;
    size_t DiskFullAfter = 0;
    int HeldAttempts = 0;
    // QueryFileState: another program holds every file for this many
    // questions more.
    int HeldQueries = 0;
    // MoveFileOver logs "Replaced:NAME" for each file it puts in place.
    bool LogReplacedFiles = false;
};

extern FakeShell Fake;

// Clears the log and every answer, and resets GameState and Preferences to
// a fresh start with the defaults.
void ResetFake();

// The log entries that start with prefix, in order.
std::vector<std::string> CallsStartingWith(const std::string& prefix);

#endif
