// Building and reading preference file images at their fixed offsets.
#include "preference_file.h"

#include <windows.h>

#include <cstdio>

using namespace PrefOffset;

Bytes DefaultPreferences() {
    Bytes b(FileSize, 0);
    PutU16(b, Magic, 0x2F5A);
    PutU16(b, SoundOn, 1);
    PutU16(b, MaxGuesses, 6);
    PutU32(b, WordSource, kCommandAuthors);
    for (int i = 0; i < 6; ++i) PutU16(b, ReservedSwitches + 2 * i, 1);
    PutU16(b, SelectedCategoryCount, 51);
    for (int i = 0; i < 51; ++i) PutU16(b, CategorySelected + 2 * i, 1);
    PutU16(b, UpperCaseLetters, 1);
    PutU16(b, FlashCount, 5);
    return b;
}

uint16_t GetU16(const Bytes& b, size_t offset) {
    return static_cast<uint16_t>(b[offset] | (b[offset + 1] << 8));
}

int16_t GetI16(const Bytes& b, size_t offset) { return static_cast<int16_t>(GetU16(b, offset)); }

uint32_t GetU32(const Bytes& b, size_t offset) {
    return static_cast<uint32_t>(b[offset]) | (static_cast<uint32_t>(b[offset + 1]) << 8) |
           (static_cast<uint32_t>(b[offset + 2]) << 16) |
           (static_cast<uint32_t>(b[offset + 3]) << 24);
}

int32_t GetI32(const Bytes& b, size_t offset) { return static_cast<int32_t>(GetU32(b, offset)); }

std::string GetText(const Bytes& b, size_t offset, size_t width) {
    std::string text;
    for (size_t i = 0; i < width && b[offset + i] != 0; ++i)
        text += static_cast<char>(b[offset + i]);
    return text;
}

void PutU16(Bytes& b, size_t offset, uint16_t value) {
    b[offset] = value & 0xFF;
    b[offset + 1] = value >> 8;
}

void PutU32(Bytes& b, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) b[offset + i] = (value >> (8 * i)) & 0xFF;
}

void PutText(Bytes& b, size_t offset, size_t width, const std::string& text) {
    for (size_t i = 0; i < width; ++i) b[offset + i] = i < text.size() ? text[i] : 0;
    b[offset + width - 1] = 0;
}

void PutCustomWords(Bytes& b, const std::vector<WordEntryText>& words) {
    PutU16(b, CustomWordCount, static_cast<uint16_t>(words.size()));
    for (size_t i = 0; i < words.size(); ++i) {
        PutText(b, CustomWords + 130 * i, 28, words[i].Phrase);
        PutText(b, CustomWords + 130 * i + 28, 102, words[i].Information);
    }
}

size_t ScoreOffset(int board, int rank) { return ScoreboardScores + 2 * (10 * board + rank); }
size_t NameOffset(int board, int rank) { return ScoreboardNames + 16 * (10 * board + rank); }
size_t CategoryOffset(int board, int rank) {
    return ScoreboardCategories + 32 * (10 * board + rank);
}

void PutScoreboardEntry(Bytes& b, int board, int rank, int16_t score, const std::string& name,
                        const std::string& category) {
    PutU16(b, ScoreOffset(board, rank), static_cast<uint16_t>(score));
    PutText(b, NameOffset(board, rank), 16, name);
    PutText(b, CategoryOffset(board, rank), 32, category);
}

std::string PreferenceFilePath() {
    char directory[MAX_PATH];
    UINT length = GetWindowsDirectoryA(directory, sizeof directory);
    std::string path(directory, length);
    if (path.empty() || path.back() != '\\') path += '\\';
    return path + "WWLT.DAT";
}

bool WritePreferenceFile(const Bytes& b) {
    FILE* out = std::fopen(PreferenceFilePath().c_str(), "wb");
    if (out == nullptr) return false;
    bool ok = std::fwrite(b.data(), 1, b.size(), out) == b.size();
    return std::fclose(out) == 0 && ok;
}

bool ReadPreferenceFile(Bytes& b) {
    b.clear();
    FILE* in = std::fopen(PreferenceFilePath().c_str(), "rb");
    if (in == nullptr) return false;
    unsigned char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, in)) > 0) b.insert(b.end(), chunk, chunk + got);
    std::fclose(in);
    return true;
}

void RemovePreferenceFile() { DeleteFileA(PreferenceFilePath().c_str()); }

void RemoveWordLanguageFile() {
    const std::string record = PreferenceFilePath();
    DeleteFileA((record.substr(0, record.find_last_of('\\') + 1) + "WWLTLANG.DAT").c_str());
}
