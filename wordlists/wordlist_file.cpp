// Reading and writing word-list files. The files are opened and written
// through the shell's requests (their names are UTF-8); the messages go
// through the program's message boxes.
#include "wordlists/wordlist_file.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "game/game_state.h"
#include "game/requests.h"
#include "records/preferences.h"
#include "records/record_requests.h"
#include "records/whole_file.h"
#include "resource.h"
#include "wordlists/list_entries.h"
#include "wordlists/list_report.h"
#include "wordlists/list_text.h"

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

bool IsWordListImage(const uint8_t* bytes, size_t size) {
    return size == kWordListFileSize && ReadU16(bytes) == kWordListVersion;
}

bool LoadWordListImage(const char* path, uint8_t* image) {
    if (QueryFileSize(path) != kWordListFileSize) {
        ShowInfoMessage(ProgramText(IDS_WORD_FILE_SIZE_ERROR).c_str());
        return false;
    }
    std::FILE* file = OpenFileForReading(path);
    if (file == nullptr) {
        ShowInfoMessage(ProgramText(IDS_ERROR_OPENING_WORD_LIST).c_str());
        return false;
    }
    const size_t got = std::fread(image, 1, kWordListFileSize, file);
    std::fclose(file);
    if (got < kWordListFileSize) {
        ShowErrorMessage(ProgramText(IDS_ERROR_READING_WORD_LIST).c_str());
        return false;
    }
    if (ReadU16(image) != kWordListVersion) {
        ShowErrorMessage(ProgramText(IDS_WORD_LIST_VERSION_ERROR).c_str());
        return false;
    }
    return true;
}

int16_t TakeWordListImage(const uint8_t* image, int16_t append, ListReport* report) {
    if (append == 0) Preferences.CustomWordCount = 0;
    const int16_t count = static_cast<int16_t>(ReadU16(image + 2));
    for (int16_t i = 0; i < count && i < kCustomWordMax; ++i) {
        if (Preferences.CustomWordCount >= kCustomWordMax) {
            if (report != nullptr) NoteListFull(*report, i + 1);
            continue;
        }
        WordEntry& entry = Preferences.CustomWords[Preferences.CustomWordCount++];
        std::memcpy(&entry, image + kEntriesOffset + sizeof(WordEntry) * static_cast<size_t>(i), sizeof entry);
        BringWordEntryIntoRange(entry);
        if (report == nullptr) continue;
        ++report->Added;
        const std::string odd = OddInPlay(entry.Phrase);
        if (odd.empty()) continue;
        const std::string phrase = Utf8OfWindows1252(entry.Phrase);
        const bool quoted = !phrase.empty() && std::strlen(entry.Phrase) <= kMaxPhraseLength;
        NoteReportedItem(*report, i + 1, ReportItem(ReportedKind::Entry, i + 1, quoted ? "\"" + phrase + "\"" : "", odd));
    }
    if (report != nullptr) report->Entries = true;
    return Preferences.CustomWordCount;
}

int16_t ReadWordListFile(const char* path, int16_t append, ListReport* report) {
    static uint8_t image[kWordListFileSize];
    if (!LoadWordListImage(path, image)) return 0;
    return TakeWordListImage(image, append, report);
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
    return WriteWholeFile(path, temporary.c_str(), image, sizeof image, ProgramText(IDS_ERROR_CREATING_FILE).c_str(),
                          ProgramText(IDS_ERROR_WRITING_WORD_FILE).c_str());
}
