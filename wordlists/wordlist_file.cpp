// Reading and writing word-list files. The files are opened and written
// through the shell's requests (their names are UTF-8); the messages go
// through the program's message boxes.
#include "wordlists/wordlist_file.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "game/requests.h"
#include "records/preferences.h"
#include "records/whole_file.h"

namespace {

constexpr size_t kEntriesOffset = 4;

uint16_t ReadU16(const uint8_t* bytes) { return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8)); }

void WriteU16(uint8_t* bytes, uint16_t value) {
    bytes[0] = static_cast<uint8_t>(value & 0xFF);
    bytes[1] = static_cast<uint8_t>(value >> 8);
}

}  // namespace

uint32_t QueryFileSize(const char* path) {
    std::FILE* file = OpenFileForReading(path);
    if (file == nullptr) return 0;
    long size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) size = std::ftell(file);
    std::fclose(file);
    return size < 0 ? 0 : static_cast<uint32_t>(size);
}

int16_t ReadWordListFile(const char* path, int16_t append) {
    if (QueryFileSize(path) != kWordListFileSize) {
        ShowInfoMessage("Error: Wordloft Word File Size Error.");
        return 0;
    }
    std::FILE* file = OpenFileForReading(path);
    if (file == nullptr) {
        ShowInfoMessage("Error opening Wordloft Word List file.");
        return 0;
    }
    static uint8_t image[kWordListFileSize];
    const size_t got = std::fread(image, 1, sizeof image, file);
    std::fclose(file);
    if (got < sizeof image) {
        ShowErrorMessage("Error reading Wordloft Word List file.");
        return 0;
    }
    if (ReadU16(image) != kWordListVersion) {
        ShowErrorMessage("Version# Error in Wordloft Word List file.");
        return 0;
    }

    if (append == 0) Preferences.CustomWordCount = 0;
    const int16_t count = static_cast<int16_t>(ReadU16(image + 2));
    for (int16_t i = 0; i < count && i < kCustomWordMax; ++i) {
        if (Preferences.CustomWordCount >= kCustomWordMax) break;
        WordEntry& entry = Preferences.CustomWords[Preferences.CustomWordCount++];
        std::memcpy(&entry, image + kEntriesOffset + sizeof(WordEntry) * static_cast<size_t>(i), sizeof entry);
        BringWordEntryIntoRange(entry);
    }
    return Preferences.CustomWordCount;
}

void BuildWordListImage(uint8_t* image) {
    std::memset(image, 0, kWordListFileSize);
    WriteU16(image, kWordListVersion);
    WriteU16(image + 2, static_cast<uint16_t>(Preferences.CustomWordCount));
    std::memcpy(image + kEntriesOffset, Preferences.CustomWords, sizeof Preferences.CustomWords);
}

int16_t WriteWordListFile(const char* path) {
    static uint8_t image[kWordListFileSize];
    BuildWordListImage(image);

    const std::string temporary = std::string(path) + ".tmp";
    return WriteWholeFile(path, temporary.c_str(), image, sizeof image, "Error creating file.",
                          "Error writing Wordloft Word File.");
}
