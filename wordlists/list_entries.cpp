// The phrase rules applied to each line of a text or CSV list, the
// entries gathered from a file and taken into a list, and how a
// word-list file's entries would look in play.
#include "wordlists/list_entries.h"

#include <cstring>
#include <set>

#include "game/game_state.h"
#include "game/phrase.h"
#include "game/text_format.h"
#include "records/record_requests.h"
#include "resource.h"
#include "wordlists/list_lines.h"
#include "wordlists/list_text.h"

namespace {

constexpr size_t kMaxInformationLength = 100;
static_assert(kMaxInformationLength < kInformationFieldSize, "the information fits its field");

// A first field that makes a first line a column heading, compared in any
// case: English, German, French and Spanish.
const char* const kHeadings[] = {"word", "words", "phrase", "answer", "term", "vocabulary",
                                 "wort", "begriff", "mot", "palabra"};

// C0 and C1 controls and DEL: never part of a phrase or an information.
bool IsControl(char32_t c) { return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F); }

// What joins the lines of a phrase: line ends and tabs. Other controls
// stay, for the phrase rules to refuse.
bool IsLineBreakOrTab(char32_t c) { return c == U'\r' || c == U'\n' || c == U'\t'; }

// Each run of the characters joins picks out, with the spaces around it,
// becomes one space; at either end it is dropped.
std::u32string Joined(const std::u32string& text, bool (*joins)(char32_t)) {
    std::u32string out;
    bool pending = false;
    for (char32_t c : text) {
        if (joins(c)) {
            pending = true;
            continue;
        }
        if (pending && c == U' ') continue;
        if (pending) {
            while (!out.empty() && out.back() == U' ') out.pop_back();
            if (!out.empty()) out += U' ';
            pending = false;
        }
        out += c;
    }
    if (pending) {
        while (!out.empty() && out.back() == U' ') out.pop_back();
    }
    return out;
}

std::u32string Trimmed(const std::u32string& text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && IsFieldSpace(text[first])) ++first;
    while (last > first && IsFieldSpace(text[last - 1])) --last;
    return text.substr(first, last - first);
}

// True when a field holds nothing but white space and what joining drops.
bool IsEmptyField(const std::u32string& field, bool (*joins)(char32_t)) {
    for (char32_t c : field)
        if (!IsFieldSpace(c) && !joins(c)) return false;
    return true;
}

bool IsHeading(const std::u32string& phrase) {
    const std::u32string field = Trimmed(phrase);
    for (const char* heading : kHeadings) {
        if (field.size() != std::strlen(heading)) continue;
        bool same = true;
        for (size_t i = 0; i < field.size() && same; ++i) {
            const char32_t c = field[i] >= U'A' && field[i] <= U'Z' ? field[i] - U'A' + U'a' : field[i];
            same = c == static_cast<char32_t>(heading[i]);
        }
        if (same) return true;
    }
    return false;
}

// The quote of a line's phrase in the report: the text as written, other
// control characters shown as spaces.
std::string Quote(const std::u32string& text) {
    std::u32string shown = text;
    for (char32_t& c : shown)
        if (c < 0x20) c = U' ';
    return "\"" + Utf8Of(shown) + "\"";
}

// A character the phrase rules refuse, named as a reader would name it.
std::string NameOf(char c) {
    const unsigned char b = static_cast<unsigned char>(c);
    if (c == '-') return ProgramText(IDS_REASON_HYPHEN);
    if (c == '\'' || b == 0x91 || b == 0x92) return ProgramText(IDS_REASON_APOSTROPHE);
    if (c >= '0' && c <= '9') return ProgramText(IDS_REASON_DIGIT);
    if (c == '.') return ProgramText(IDS_REASON_FULL_STOP);
    if (c == ',') return ProgramText(IDS_REASON_COMMA);
    if (c == '\t') return ProgramText(IDS_REASON_TAB);
    if (b < 0x20 || b == 0x7F) return ProgramText(IDS_REASON_CONTROL);
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

std::string CannotShow(char32_t c, bool inInformation) {
    if (c == 0xFFFD) return ProgramText(inInformation ? IDS_REASON_NO_CHARACTER_IN_INFORMATION : IDS_REASON_NO_CHARACTER);
    std::string character;
    AppendUtf8(character, c);
    return FormatProgramText(inInformation ? IDS_REASON_CANNOT_SHOW_IN_INFORMATION : IDS_REASON_CANNOT_SHOW,
                             {"\"" + character + "\""});
}

// Why a line cannot be used, when asked for (reason is not null): a line
// named only in the report's count needs no reason worked out.
bool Refuse(std::string* reason, const std::string& why) {
    if (reason != nullptr) *reason = why;
    return false;
}

// A quick look at a line's phrase, as written without line breaks or tabs:
// false when it surely breaks the phrase rules. Most of the lines of a
// large file that is no list fail here, without a text made for them.
bool PhraseMayBeUsed(const ListLine& line) {
    const std::u32string& phrase = line.Phrase;
    size_t first = 0;
    size_t last = phrase.size();
    while (first < last && IsFieldSpace(phrase[first])) ++first;
    while (last > first && IsFieldSpace(phrase[last - 1])) --last;
    for (size_t i = first; i < last; ++i)
        if (IsLineBreakOrTab(phrase[i])) return true;  // joined first: looked at in full
    if (last - first > kMaxPhraseLength || line.PhraseLength > kKeptFieldLength) return false;
    char text[kPhraseFieldSize] = "";
    for (size_t i = first; i < last; ++i) {
        const int b = Windows1252Of(phrase[i]);
        if (b <= 0) return false;
        text[i - first] = static_cast<char>(b);
    }
    UpperCasePhrase(text);
    return IsValidPhrase(text);
}

// Makes the entry of a line; false when the line cannot be used, with the
// reason and the quote when reason is not null.
bool MakeEntry(const ListLine& line, ListEntry& made, std::string* reason) {
    made.Quote.clear();
    made.Cut = false;
    if (reason == nullptr && !PhraseMayBeUsed(line)) return false;
    const std::u32string phrase = Trimmed(Joined(line.Phrase, IsLineBreakOrTab));
    const size_t length = line.PhraseLength > kKeptFieldLength ? line.PhraseLength : phrase.size();
    const bool quoted = !phrase.empty() && length <= kMaxPhraseLength;
    if (reason != nullptr && quoted) made.Quote = Quote(phrase);
    if (phrase.empty()) return Refuse(reason, ProgramText(IDS_REASON_ONLY_INFORMATION));
    if (length > kMaxPhraseLength)
        return Refuse(reason, FormatProgramText(IDS_REASON_TOO_LONG,
                                                {std::to_string(length), std::to_string(kMaxPhraseLength)}));
    std::string phraseText;
    std::string information;
    char32_t refused = 0;
    if (!ToWindows1252(phrase, phraseText, refused)) return Refuse(reason, CannotShow(refused, false));
    std::u32string joined = Joined(line.Information, IsControl);
    made.Cut = joined.size() > kMaxInformationLength;
    if (made.Cut) joined.resize(kMaxInformationLength);
    if (!ToWindows1252(joined, information, refused)) return Refuse(reason, CannotShow(refused, true));
    UpperCasePhrase(&phraseText[0]);
    if (phraseText.find('\0') != std::string::npos || !IsValidPhrase(phraseText.c_str()))
        return Refuse(reason, reason != nullptr ? PhraseRuleFault(phraseText) : std::string());
    if (made.Quote.empty()) made.Quote = Quote(phrase);
    std::memset(&made.Entry, 0, sizeof made.Entry);
    std::memcpy(made.Entry.Phrase, phraseText.data(), phraseText.size());
    std::memcpy(made.Entry.Information, information.data(), information.size());
    return true;
}

void NoteLine(ListReport& report, int number, const std::string& quote, const std::string& reason) {
    NoteReportedItem(report, number, ReportNamesMore(report) ? ReportItem(ReportedKind::Line, number, quote, reason) : "");
}

}  // namespace

void GatherListEntries(const std::u32string& text, bool csv, std::vector<ListEntry>& entries, ListReport& report) {
    entries.clear();
    std::set<std::string> phrases;
    ListLineReader reader = ReadListLines(text, csv);
    ListLine line;
    ListEntry entry;
    bool firstLine = true;
    while (NextListLine(reader, line)) {
        if (!line.NotClosed && IsEmptyField(line.Phrase, IsLineBreakOrTab) && IsEmptyField(line.Information, IsControl))
            continue;
        if (entries.size() >= static_cast<size_t>(kCustomWordMax)) {
            NoteListFull(report, line.Number);
            continue;
        }
        const bool heading = firstLine && !line.NotClosed && IsHeading(line.Phrase);
        firstLine = false;
        if (line.NotClosed || heading) {
            const std::u32string phrase = Trimmed(Joined(line.Phrase, IsLineBreakOrTab));
            const std::string quote = phrase.empty() || phrase.size() > kMaxPhraseLength ? "" : Quote(phrase);
            NoteLine(report, line.Number, quote,
                     ProgramText(heading ? IDS_REASON_COLUMN_HEADING : IDS_REASON_QUOTE_NOT_CLOSED));
            continue;
        }
        std::string reason;
        const bool named = ReportNamesMore(report);
        if (!MakeEntry(line, entry, named ? &reason : nullptr)) {
            NoteLine(report, line.Number, entry.Quote, reason);
        } else if (!phrases.insert(entry.Entry.Phrase).second) {
            NoteLine(report, line.Number, entry.Quote, ProgramText(IDS_REASON_ALREADY_IN_LIST));
        } else {
            entry.Number = line.Number;
            entries.push_back(entry);
        }
    }
}

void TakeListEntries(const std::vector<ListEntry>& entries, const ListReport& gathered, WordEntry* list,
                     int16_t& count, ListReport& report) {
    report = gathered;
    std::set<std::string> phrases = PhrasesOf(list, count);
    std::vector<ReportedItem> items;
    for (const ListEntry& entry : entries) {
        if (count >= kCustomWordMax) {
            NoteListFull(report, entry.Number);
        } else if (!phrases.insert(entry.Entry.Phrase).second) {
            items.push_back({entry.Number, ReportItem(ReportedKind::Line, entry.Number, entry.Quote,
                                                      ProgramText(IDS_REASON_ALREADY_IN_LIST))});
        } else {
            list[count++] = entry.Entry;
            ++report.Added;
            if (entry.Cut)
                items.push_back({entry.Number,
                                 ReportItem(ReportedKind::Line, entry.Number, entry.Quote,
                                            FormatProgramText(IDS_REASON_INFORMATION_CUT,
                                                              {std::to_string(kMaxInformationLength)}))});
        }
    }
    MergeReportedItems(report, std::move(items));
}

std::string PhraseRuleFault(const std::string& phrase) {
    if (phrase.find('\0') == std::string::npos && IsValidPhrase(phrase.c_str())) return std::string();
    if (phrase.empty()) return ProgramText(IDS_REASON_NO_PHRASE);
    if (phrase.size() > kMaxPhraseLength)
        return FormatProgramText(IDS_REASON_TOO_LONG, {std::to_string(phrase.size()), std::to_string(kMaxPhraseLength)});
    for (char c : phrase) {
        if (c == ' ' || IsPhraseLetter(c)) continue;
        return FormatProgramText(static_cast<unsigned char>(c) < 0x80 ? IDS_REASON_NOT_A_LETTER
                                                                      : IDS_REASON_NOT_A_GAME_LETTER,
                                 {NameOf(c)});
    }
    if (phrase[0] == ' ') return ProgramText(IDS_REASON_STARTS_WITH_SPACE);
    return ProgramText(IDS_REASON_TWO_SPACES);
}

std::string OddInPlay(const char* stored) {
    std::string phrase = stored;
    UpperCasePhrase(&phrase[0]);
    const std::string fault = PhraseRuleFault(phrase);
    if (fault.empty()) return fault;
    if (!HasLetter(phrase.substr(0, kMaxPhraseLength)))
        return FormatProgramText(IDS_ODD_PLAYED_INSTEAD,
                                 {ProgramText(phrase.empty() ? IDS_REASON_NO_PHRASE : IDS_REASON_NO_LETTER),
                                  kDefaultPhrase});
    if (phrase.size() > kMaxPhraseLength)
        return FormatProgramText(IDS_ODD_FIRST_PLAYED, {fault, std::to_string(kMaxPhraseLength)});
    if (fault == ProgramText(IDS_REASON_STARTS_WITH_SPACE)) return FormatProgramText(IDS_ODD_GAP, {fault});
    if (fault == ProgramText(IDS_REASON_TWO_SPACES)) return FormatProgramText(IDS_ODD_WIDE_GAP, {fault});
    return FormatProgramText(IDS_ODD_SHOWN, {fault});
}
