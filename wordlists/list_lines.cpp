// Lines of text and CSV lists, the phrase rules applied to each, and the
// report that names every line not taken as it stood.
#include "wordlists/list_lines.h"

#include <cstring>
#include <set>

#include "game/game_state.h"
#include "game/phrase.h"
#include "wordlists/list_text.h"

namespace {

constexpr size_t kMaxInformationLength = 100;
static_assert(kMaxInformationLength < kInformationFieldSize, "the information fits its field");
constexpr size_t kReportedItemLimit = 15;

bool IsLineEnd(char32_t c) { return c == U'\r' || c == U'\n'; }

bool IsWhiteSpace(char32_t c) {
    return c == U' ' || c == U'\t' || c == 0x0B || c == 0x0C || c == 0xA0 || c == 0xFEFF ||
           (c >= 0x2000 && c <= 0x200B) || c == 0x202F || c == 0x205F || c == 0x3000;
}

std::u32string Trimmed(const std::u32string& text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && IsWhiteSpace(text[first])) ++first;
    while (last > first && IsWhiteSpace(text[last - 1])) --last;
    return text.substr(first, last - first);
}

// Steps over the line end at text[i] (CR LF counts as one).
size_t SkipLineEnd(const std::u32string& text, size_t i) {
    if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') return i + 2;
    return i + 1;
}

// The separator of the CSV record starting at i: a comma outside quotes
// decides for commas; without one, a semicolon outside quotes for
// semicolons. A quote opens a quoted field only at a field's start, as
// ReadCsvField reads it.
char32_t CsvSeparator(const std::u32string& text, size_t i) {
    bool quoted = false;
    bool fieldStart = true;
    bool semicolon = false;
    for (; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (quoted) {
            if (c == U'"' && i + 1 < text.size() && text[i + 1] == U'"') {
                ++i;
            } else if (c == U'"') {
                quoted = false;
            }
        } else if (c == U'"' && fieldStart) {
            quoted = true;
            fieldStart = false;
        } else if (c == U',') {
            return U',';
        } else if (c == U';') {
            semicolon = true;
            fieldStart = true;
        } else if (IsLineEnd(c)) {
            break;
        } else if (c != U' ' && c != U'\t') {
            fieldStart = false;
        }
    }
    return semicolon ? U';' : U',';
}

// Reads one field from i; stops on the separator or the record's line end
// (not consumed). Line ends inside quotes count in line.
std::u32string ReadCsvField(const std::u32string& text, size_t& i, char32_t separator, int& line) {
    size_t start = i;
    while (start < text.size() && (text[start] == U' ' || text[start] == U'\t')) ++start;
    if (start >= text.size() || text[start] != U'"') {
        std::u32string field;
        for (; i < text.size() && text[i] != separator && !IsLineEnd(text[i]); ++i) field += text[i];
        return Trimmed(field);
    }
    std::u32string field;
    for (i = start + 1; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (c == U'"') {
            if (i + 1 < text.size() && text[i + 1] == U'"') {
                field += U'"';
                ++i;
                continue;
            }
            ++i;
            break;
        }
        if (IsLineEnd(c)) {
            ++line;
            if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') field += text[i++];
        }
        field += text[i];
    }
    // Text between the closing quote and the separator is kept, as
    // spreadsheets keep it; white space alone there is not.
    std::u32string tail;
    for (; i < text.size() && text[i] != separator && !IsLineEnd(text[i]); ++i) tail += text[i];
    if (!Trimmed(tail).empty()) field += tail;
    return field;
}

// The quote of a line's phrase in the report: the text as written, line
// ends and other control characters shown as spaces.
std::string Quote(const std::u32string& text) {
    std::u32string shown = text;
    for (char32_t& c : shown)
        if (c < 0x20) c = U' ';
    return "\"" + Utf8Of(shown) + "\"";
}

// A character the phrase rules refuse, named as a reader would name it.
std::string NameOf(char c) {
    const unsigned char b = static_cast<unsigned char>(c);
    if (c == '-') return "a hyphen";
    if (c == '\'' || b == 0x91 || b == 0x92) return "an apostrophe";
    if (c >= '0' && c <= '9') return "a digit";
    if (c == '.') return "a full stop";
    if (c == ',') return "a comma";
    if (c == '\t') return "a tab";
    if (b < 0x20) return "a control character";
    return "\"" + Utf8OfWindows1252(std::string(1, c)) + "\"";
}

bool HasLetter(const std::string& phrase) {
    for (char c : phrase)
        if (IsPhraseLetter(c)) return true;
    return false;
}

// The phrases of the entries in use, upper-cased, to find repeats by.
std::set<std::string> PhrasesOf(const WordEntry* list, int16_t count) {
    std::set<std::string> phrases;
    for (int16_t i = 0; i < count; ++i) {
        char phrase[kPhraseFieldSize];
        std::memcpy(phrase, list[i].Phrase, sizeof phrase);
        phrase[sizeof phrase - 1] = '\0';
        UpperCasePhrase(phrase);
        phrases.insert(phrase);
    }
    return phrases;
}

// Characters as Windows-1252 text; false, with the first character the
// code page cannot hold, when there is one.
bool ToWindows1252(const std::u32string& characters, std::string& text, char32_t& refused) {
    text.clear();
    for (char32_t c : characters) {
        const int b = Windows1252Of(c);
        if (b < 0) {
            refused = c;
            return false;
        }
        text += static_cast<char>(b);
    }
    return true;
}

std::string CannotShow(char32_t c, const char* where) {
    if (c == 0xFFFD) return std::string("bytes that form no character") + where;
    std::string character;
    AppendUtf8(character, c);
    return "\"" + character + "\"" + where + " is a character the game cannot show";
}

// Makes the entry of a line; false with the reason when the line cannot
// be used. cut tells that the information was longer than an entry holds.
bool MakeEntry(const ListLine& line, WordEntry& entry, std::string& quote, std::string& reason, bool& cut) {
    const std::u32string phrase = Trimmed(line.Phrase);
    quote = phrase.empty() || phrase.size() > kMaxPhraseLength ? std::string() : Quote(phrase);
    if (phrase.empty()) {
        reason = "no phrase, only information";
        return false;
    }
    if (phrase.size() > kMaxPhraseLength) {
        reason = std::to_string(phrase.size()) + " characters, at most " + std::to_string(kMaxPhraseLength);
        return false;
    }
    std::string phraseText;
    std::string information;
    char32_t refused = 0;
    if (!ToWindows1252(phrase, phraseText, refused)) {
        reason = CannotShow(refused, "");
        return false;
    }
    if (!ToWindows1252(line.Information, information, refused)) {
        reason = CannotShow(refused, " in the information");
        return false;
    }
    UpperCasePhrase(&phraseText[0]);
    reason = PhraseRuleFault(phraseText);
    if (!reason.empty()) return false;
    cut = information.size() > kMaxInformationLength;
    if (cut) information.resize(kMaxInformationLength);
    std::memset(&entry, 0, sizeof entry);
    std::memcpy(entry.Phrase, phraseText.data(), phraseText.size());
    std::memcpy(entry.Information, information.data(), information.size());
    return true;
}

}  // namespace

std::vector<ListLine> SplitTextList(const std::u32string& text) {
    std::vector<ListLine> lines;
    int number = 1;
    for (size_t i = 0; i < text.size(); ++number) {
        size_t end = i;
        while (end < text.size() && !IsLineEnd(text[end])) ++end;
        const std::u32string line = text.substr(i, end - i);
        const size_t tab = line.find(U'\t');
        if (tab == std::u32string::npos) {
            lines.push_back({number, line, std::u32string()});
        } else {
            lines.push_back({number, line.substr(0, tab), line.substr(tab + 1)});
        }
        i = end < text.size() ? SkipLineEnd(text, end) : end;
    }
    return lines;
}

std::vector<ListLine> SplitCsvList(const std::u32string& text) {
    std::vector<ListLine> lines;
    int line = 1;
    for (size_t i = 0; i < text.size();) {
        const int first = line;
        const char32_t separator = CsvSeparator(text, i);
        std::u32string fields[2];
        for (int field = 0;; ++field) {
            const std::u32string value = ReadCsvField(text, i, separator, line);
            if (field < 2) fields[field] = value;
            if (i >= text.size() || text[i] != separator) break;
            ++i;
        }
        lines.push_back({first, fields[0], fields[1]});
        if (i < text.size()) {
            i = SkipLineEnd(text, i);
            ++line;
        }
    }
    return lines;
}

std::string PhraseRuleFault(const std::string& phrase) {
    if (phrase.find('\0') == std::string::npos && IsValidPhrase(phrase.c_str())) return std::string();
    if (phrase.empty()) return "no phrase";
    if (phrase.size() > kMaxPhraseLength)
        return std::to_string(phrase.size()) + " characters, at most " + std::to_string(kMaxPhraseLength);
    for (char c : phrase) {
        if (c == ' ' || IsPhraseLetter(c)) continue;
        return NameOf(c) + " is not " +
               (static_cast<unsigned char>(c) < 0x80 ? "a letter" : "one of the game's letters");
    }
    if (phrase[0] == ' ') return "it starts with a space";
    return "two spaces in a row";
}

std::string OddInPlay(const char* stored) {
    std::string phrase = stored;
    UpperCasePhrase(&phrase[0]);
    const std::string fault = PhraseRuleFault(phrase);
    if (fault.empty()) return fault;
    if (!HasLetter(phrase.substr(0, kMaxPhraseLength)))
        return (phrase.empty() ? std::string("no phrase") : "no letter to guess") + "; \"" + kDefaultPhrase +
               "\" is played instead";
    if (phrase.size() > kMaxPhraseLength)
        return fault + "; only the first " + std::to_string(kMaxPhraseLength) + " are played";
    if (fault == "it starts with a space") return fault + ", which shows as a gap";
    if (fault == "two spaces in a row") return fault + ", which show as a wide gap";
    return fault + "; it is shown from the start";
}

std::string ReportItem(const char* kind, int number, const std::string& quote, const std::string& reason) {
    std::string item = std::string(kind) + " " + std::to_string(number);
    if (!quote.empty()) item += ", " + quote;
    return item + ": " + reason;
}

void NoteListFull(ListReport& report, int number) {
    if (report.FullCount++ == 0) report.FullFirst = number;
    report.FullLast = number;
}

void TakeListLines(const std::vector<ListLine>& lines, WordEntry* list, int16_t& count, ListReport& report) {
    std::set<std::string> phrases = PhrasesOf(list, count);
    for (const ListLine& line : lines) {
        if (Trimmed(line.Phrase).empty() && Trimmed(line.Information).empty()) continue;
        if (count >= kCustomWordMax) {
            NoteListFull(report, line.Number);
            continue;
        }
        WordEntry entry;
        std::string quote;
        std::string reason;
        bool cut = false;
        if (!MakeEntry(line, entry, quote, reason, cut)) {
            report.Items.push_back(ReportItem("line", line.Number, quote, reason));
        } else if (!phrases.insert(entry.Phrase).second) {
            report.Items.push_back(ReportItem("line", line.Number, quote, "already in the list"));
        } else {
            list[count++] = entry;
            ++report.Added;
            if (cut)
                report.Items.push_back(
                    ReportItem("line", line.Number, quote,
                         "information cut to " + std::to_string(kMaxInformationLength) + " characters"));
        }
    }
}

std::string FormatListReport(const ListReport& report, const std::string& fileName) {
    const bool lines = !report.Entries;
    std::string text;
    if (report.Unchanged) {
        if (report.Items.empty() && report.FullCount == 0)
            return fileName + " holds no entries, so the list is unchanged.";
        text = std::string("No ") + (lines ? "line" : "entry") + " of " + fileName +
               " could be used, so the list is unchanged:";
    } else {
        if (report.Items.empty() && report.FullCount == 0) return text;
        text = std::to_string(report.Added) + (report.Added == 1 ? " entry was" : " entries were") +
               " added from " + fileName + ". " +
               (lines ? "These lines were left out or changed:"
                      : "These entries were left out or will look odd in play:");
    }
    text += "\n";
    for (size_t i = 0; i < report.Items.size() && i < kReportedItemLimit; ++i) text += "\n" + report.Items[i];
    if (report.Items.size() > kReportedItemLimit)
        text += "\nand " + std::to_string(report.Items.size() - kReportedItemLimit) + " more";
    if (report.FullCount > 0) {
        const char* kind = lines ? "line" : "entry";
        const char* kinds = lines ? "lines" : "entries";
        text += "\n";
        text += report.FullCount == 1 ? std::string(kind) + " " + std::to_string(report.FullFirst)
                                      : std::string(kinds) + " " + std::to_string(report.FullFirst) + " to " +
                                            std::to_string(report.FullLast);
        text += ": the list was full (" + std::to_string(kCustomWordMax) + " entries)";
    }
    return text;
}
