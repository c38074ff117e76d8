// List files of every kind: read whole through the shell's file requests,
// told apart, taken into the CustomWordList, and written as text or CSV.
#include "wordlists/list_file.h"

#include <cstdio>
#include <cstring>

#include "game/requests.h"
#include "records/preferences.h"
#include "records/record_requests.h"
#include "records/whole_file.h"
#include "resource.h"
#include "wordlists/list_text.h"
#include "wordlists/wordlist_file.h"

namespace {

// Why a file cannot be read as a list, naming it.
std::string ProblemOf(const std::string& name, int16_t state) {
    switch (state) {
        case kFileNotFound: return ListMessage(IDS_LIST_NOT_FOUND, {name});
        case kFileIsFolder: return ListMessage(IDS_LIST_IS_FOLDER, {name});
        case kFileIsDevice: return ListMessage(IDS_LIST_IS_DEVICE, {name});
        case kFileHeld: return ListMessage(IDS_LIST_HELD, {name});
        default: return ListMessage(IDS_LIST_REFUSED, {name});
    }
}

std::string LowerExtension(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    const size_t slash = path.find_last_of("\\/");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::string();
    std::string extension = path.substr(dot);
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return extension;
}

bool IsOfficeFile(const std::string& extension) {
    for (const char* office : {".doc", ".docx", ".xls", ".xlsx", ".odt", ".ods"})
        if (extension == office) return true;
    return false;
}

// The file's bytes, read in one go; false when it cannot be opened or
// read. A file larger than kLargestListFile is not read: tooLarge is set.
bool ReadWholeFile(const char* path, std::vector<uint8_t>& bytes, bool& tooLarge) {
    std::FILE* file = OpenFileForReading(path);
    if (file == nullptr) return false;
    long size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) size = std::ftell(file);
    tooLarge = size < 0 || static_cast<unsigned long>(size) > kLargestListFile;
    bool failed = size < 0 || std::fseek(file, 0, SEEK_SET) != 0;
    if (!failed && !tooLarge) {
        bytes.resize(static_cast<size_t>(size));
        bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
        failed = std::ferror(file) != 0;
    }
    std::fclose(file);
    return !failed || tooLarge;
}

// The characters of a text file; false for a file that is no text: it
// holds a NUL character.
bool ReadTextCharacters(const std::vector<uint8_t>& bytes, std::u32string& text) {
    const TextEncoding encoding = DetectTextEncoding(bytes.data(), bytes.size());
    if (!IsUtf16(encoding) && std::memchr(bytes.data(), 0, bytes.size()) != nullptr) return false;
    text = encoding == TextEncoding::Ansi ? DecodeAnsiText(bytes.data(), bytes.size())
                                          : DecodeText(bytes.data(), bytes.size(), encoding);
    return text.find(U'\0') == std::u32string::npos;
}

// Takes a text or CSV file's entries into file from its bytes (read
// false: they could not be read), which are released; false after
// reporting why it holds none.
bool LoadTextList(std::vector<uint8_t>& bytes, bool read, bool tooLarge, ListFile& file, bool csv) {
    if (!read) {
        ShowListNote(ProblemOf(file.Name, kFileRefused));
        return false;
    }
    if (tooLarge) {
        ShowListNote(ListMessage(IDS_LIST_TOO_LARGE, {file.Name}));
        return false;
    }
    std::u32string text;
    const bool isText = ReadTextCharacters(bytes, text);
    std::vector<uint8_t>().swap(bytes);
    if (!isText) {
        ShowListNote(ListMessage(IDS_LIST_NOT_TEXT, {file.Name}));
        return false;
    }
    file.Format = csv ? ListFormat::Csv : ListFormat::Text;
    GatherListEntries(text, csv, file.Entries, file.Gathered);
    return true;
}

// Takes a text or CSV file's entries into a copy of the list (empty for a
// replace); the list receives the copy only when an entry was added.
int16_t TakeEntries(const ListFile& file, int16_t append, ListReport& report) {
    static WordEntry list[kCustomWordMax];
    int16_t count = 0;
    if (append != 0 && Preferences.CustomWordCount > 0 && Preferences.CustomWordCount <= kCustomWordMax) {
        count = Preferences.CustomWordCount;
        std::memcpy(list, Preferences.CustomWords, sizeof(WordEntry) * static_cast<size_t>(count));
    }
    TakeListEntries(file.Entries, file.Gathered, list, count, report);
    if (report.Added == 0) {
        report.Unchanged = true;
        return Preferences.CustomWordCount;
    }
    std::memcpy(Preferences.CustomWords, list, sizeof(WordEntry) * static_cast<size_t>(count));
    Preferences.CustomWordCount = count;
    return count;
}

// One CSV field: quoted when it holds a separator, a quote or a line end,
// or white space at either end that a reader would trim.
std::string CsvField(const std::string& text) {
    const bool quote = text.find_first_of(",;\"\r\n") != std::string::npos ||
                       (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.back() == ' ' ||
                                          text.back() == '\t'));
    if (!quote) return text;
    std::string field = "\"";
    for (char c : text) field += c == '"' ? std::string("\"\"") : std::string(1, c);
    return field + "\"";
}

std::string FieldText(const char* field, size_t width) {
    return Utf8OfWindows1252(std::string(field, strnlen(field, width)));
}

std::string ListText(ListFormat format) {
    std::string text = "\xEF\xBB\xBF";
    for (int i = 0; i < Preferences.CustomWordCount && i < kCustomWordMax; ++i) {
        const WordEntry& entry = Preferences.CustomWords[i];
        const std::string phrase = FieldText(entry.Phrase, sizeof entry.Phrase);
        const std::string information = FieldText(entry.Information, sizeof entry.Information);
        if (format == ListFormat::Csv) {
            text += CsvField(phrase);
            if (!information.empty()) text += "," + CsvField(information);
        } else {
            text += phrase;
            if (!information.empty()) text += "\t" + information;
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace

bool LoadListFile(const char* path, ListFile& file) {
    file = ListFile();
    file.Name = FileNameOf(path);
    const std::string extension = LowerExtension(path);
    const bool text = extension == ".txt" || extension == ".csv";
    const int16_t state = QueryFileState(path);
    // A word-list file that is missing gets the word-list file's message.
    if (state != kFileReadable && (text || state != kFileNotFound)) {
        ShowListNote(ProblemOf(file.Name, state));
        return false;
    }
    std::vector<uint8_t> bytes;
    bool tooLarge = false;
    const bool read = state == kFileReadable && ReadWholeFile(path, bytes, tooLarge);
    if (read && !tooLarge && IsWordListImage(bytes.data(), bytes.size())) {
        file.Image = std::move(bytes);
        return true;
    }
    if (IsOfficeFile(extension)) {
        ShowInfoMessage(ProgramText(IDS_OFFICE_FILE_HINT).c_str());
        return false;
    }
    if (text) return LoadTextList(bytes, read, tooLarge, file, extension == ".csv");
    file.Image.assign(kWordListFileSize, 0);
    return LoadWordListImage(path, file.Image.data());
}

std::string ListFileProblem(const char* path) {
    const int16_t state = QueryFileState(path);
    return state == kFileReadable ? std::string() : ProblemOf(FileNameOf(path), state);
}

int16_t TakeListFile(const ListFile& file, int16_t append, ListReport& report) {
    if (file.Format == ListFormat::WordList) return TakeWordListImage(file.Image.data(), append, &report);
    return TakeEntries(file, append, report);
}

int16_t CountUsableEntries(const ListFile& file, ListReport& report) {
    static WordEntry list[kCustomWordMax];
    int16_t count = 0;
    if (file.Format == ListFormat::WordList) {
        const int16_t stored = static_cast<int16_t>(file.Image[2] | file.Image[3] << 8);
        count = stored < 0 ? 0 : stored > kCustomWordMax ? kCustomWordMax : stored;
        report.Entries = true;
    } else {
        TakeListEntries(file.Entries, file.Gathered, list, count, report);
    }
    report.Unchanged = count == 0;
    return count;
}

int16_t ReadListFile(const char* path, int16_t append, ListReport& report) {
    static ListFile file;
    if (!LoadListFile(path, file)) return 0;
    return TakeListFile(file, append, report);
}

int16_t WriteListFile(const char* path, ListFormat format) {
    if (format == ListFormat::WordList) return WriteWordListFile(path);
    const std::string text = ListText(format);
    const std::string temporary = std::string(path) + ".tmp";
    return WriteWholeFile(path, temporary.c_str(), text.data(), text.size(), ProgramText(IDS_ERROR_CREATING_FILE).c_str(),
                          ProgramText(IDS_ERROR_WRITING_WORD_FILE).c_str());
}

ListFormat SaveFormatOf(const char* path, int filterIndex) {
    const std::string extension = LowerExtension(path);
    if (extension == ".wlt") return ListFormat::WordList;
    if (extension == ".txt") return ListFormat::Text;
    if (extension == ".csv") return ListFormat::Csv;
    if (filterIndex == 2) return ListFormat::Text;
    if (filterIndex == 3) return ListFormat::Csv;
    return ListFormat::WordList;
}

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsListFileName(const std::string& path) {
    const std::string extension = LowerExtension(path);
    return extension == ".wlt" || extension == ".txt" || extension == ".csv";
}

std::string ListPathOnCommandLine(const std::string& commandLine) {
    size_t i = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        i = commandLine.find('"', 1);
        i = i == std::string::npos ? commandLine.size() : i + 1;
    } else {
        while (i < commandLine.size() && commandLine[i] != ' ' && commandLine[i] != '\t') ++i;
    }
    while (i < commandLine.size() && (commandLine[i] == ' ' || commandLine[i] == '\t')) ++i;
    size_t end = commandLine.size();
    while (end > i && (commandLine[end - 1] == ' ' || commandLine[end - 1] == '\t')) --end;
    std::string path = commandLine.substr(i, end - i);
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
    if (path.find('"') != std::string::npos || !IsListFileName(path)) return std::string();
    return path;
}
