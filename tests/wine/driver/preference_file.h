// The preference file "WWLT.DAT" as bytes: the driver prepares the file a
// scenario starts from and reads what the program wrote, field by field at
// the file's fixed offsets. The offsets are written out here on purpose
// rather than taken from the program's record, so that a layout mistake in
// the program shows up as a failure.
#ifndef WORDLOFT_TESTS_PREFERENCE_FILE_H
#define WORDLOFT_TESTS_PREFERENCE_FILE_H

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

namespace PrefOffset {
constexpr size_t Magic = 0;
constexpr size_t SoundOn = 12;
constexpr size_t MaxGuesses = 14;
constexpr size_t WordSource = 16;
constexpr size_t ProgramStarts = 96;
constexpr size_t TotalGames = 100;
constexpr size_t TotalWins = 104;
constexpr size_t TotalLosses = 108;
constexpr size_t LifetimeStarts = 112;
constexpr size_t LifetimeGames = 116;
constexpr size_t LifetimeWins = 120;
constexpr size_t LifetimeLosses = 124;
constexpr size_t ReservedSwitches = 128;
constexpr size_t CustomWordCount = 140;
constexpr size_t CustomWords = 142;
constexpr size_t SelectedCategoryCount = 26142;
constexpr size_t CategorySelected = 26144;
constexpr size_t UpperCaseLetters = 31548;
constexpr size_t ScoreboardScores = 31550;
constexpr size_t ScoreboardNames = 31650;
constexpr size_t ScoreboardCategories = 32450;
constexpr size_t ScoringOn = 34050;
constexpr size_t FlashCount = 34052;
constexpr size_t FileSize = 34056;
}  // namespace PrefOffset

constexpr uint32_t kCommandEnteredWord = 32781;
constexpr uint32_t kCommandCustomWords = 32783;
constexpr uint32_t kCommandRandomWords = 32785;
constexpr uint32_t kCommandAuthors = 32801;

// The record a program writes when it finds no file: every default set,
// everything else zero.
Bytes DefaultPreferences();

uint16_t GetU16(const Bytes& b, size_t offset);
int16_t GetI16(const Bytes& b, size_t offset);
uint32_t GetU32(const Bytes& b, size_t offset);
int32_t GetI32(const Bytes& b, size_t offset);
// The text up to its terminator inside a field of width bytes.
std::string GetText(const Bytes& b, size_t offset, size_t width);

void PutU16(Bytes& b, size_t offset, uint16_t value);
void PutU32(Bytes& b, size_t offset, uint32_t value);
// Writes text and zero-fills the rest of the field.
void PutText(Bytes& b, size_t offset, size_t width, const std::string& text);

struct WordEntryText {
    std::string Phrase;
    std::string Information;
};
// Replaces the custom list (and its count).
void PutCustomWords(Bytes& b, const std::vector<WordEntryText>& words);

// Scoreboard of MaxGuessesIndex board, rank 0..9.
size_t ScoreOffset(int board, int rank);
size_t NameOffset(int board, int rank);
size_t CategoryOffset(int board, int rank);
void PutScoreboardEntry(Bytes& b, int board, int rank, int16_t score, const std::string& name,
                        const std::string& category);

// The file in the Windows directory of the prefix the driver runs in.
std::string PreferenceFilePath();
bool WritePreferenceFile(const Bytes& b);
bool ReadPreferenceFile(Bytes& b);
void RemovePreferenceFile();
// The file beside the record that keeps the language of the words.
void RemoveWordLanguageFile();

#endif
