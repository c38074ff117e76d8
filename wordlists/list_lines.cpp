// Reading the lines of text and CSV lists, one at a time.
#include "wordlists/list_lines.h"

namespace {

bool IsLineEnd(char32_t c) { return c == U'\r' || c == U'\n'; }

bool IsBlank(char32_t c) { return c == U' ' || c == U'\t'; }

// Steps over the line end at text[i] (CR LF counts as one).
size_t SkipLineEnd(const std::u32string& text, size_t i) {
    if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') return i + 2;
    return i + 1;
}

// The end of the line that holds position i: its line end, or the text's end.
size_t LineEndFrom(const std::u32string& text, size_t i) {
    while (i < text.size() && !IsLineEnd(text[i])) ++i;
    return i;
}

// Adds a character to a field, which keeps its first kKeptFieldLength.
void Keep(std::u32string& field, char32_t c) {
    if (field.size() < kKeptFieldLength) field += c;
}

// A field from text[first, last): white space trimmed when asked; the
// field's full length in *length.
void TakeField(const std::u32string& text, size_t first, size_t last, bool trim, std::u32string& field,
               size_t* length) {
    if (trim) {
        while (first < last && IsFieldSpace(text[first])) ++first;
        while (last > first && IsFieldSpace(text[last - 1])) --last;
    }
    if (length != nullptr) *length = last - first;
    field.assign(text, first, last - first < kKeptFieldLength ? last - first : kKeptFieldLength);
}

bool NextTextLine(ListLineReader& reader, ListLine& line) {
    const std::u32string& text = *reader.Text;
    const size_t start = reader.Position;
    const size_t end = LineEndFrom(text, start);
    size_t tab = start;
    while (tab < end && text[tab] != U'\t') ++tab;
    line.Number = reader.Line++;
    line.NotClosed = false;
    TakeField(text, start, tab, false, line.Phrase, &line.PhraseLength);
    TakeField(text, tab < end ? tab + 1 : end, end, false, line.Information, nullptr);
    reader.Position = end < text.size() ? SkipLineEnd(text, end) : end;
    return true;
}

// Steps over a quoted field whose opening quote is at i, as a reader of
// the separator does: the position after its closing quote, or npos when
// the quote is not closed within kLongestQuotedField characters.
size_t SkipQuoted(const std::u32string& text, size_t i) {
    size_t inside = 0;
    for (++i; i < text.size() && inside <= kLongestQuotedField; ++i, ++inside) {
        if (text[i] != U'"') continue;
        if (i + 1 < text.size() && text[i + 1] == U'"') {
            ++i;
            continue;
        }
        return i + 1;
    }
    return std::u32string::npos;
}

// The separator of the CSV record starting at i: a comma outside quotes
// decides for commas; without one, a semicolon outside quotes for
// semicolons. A quote opens a quoted field only at a field's start, as
// ReadCsvField reads it; one that is not closed ends the search.
char32_t CsvSeparator(const std::u32string& text, size_t i) {
    bool fieldStart = true;
    bool semicolon = false;
    while (i < text.size() && !IsLineEnd(text[i])) {
        const char32_t c = text[i];
        if (c == U'"' && fieldStart) {
            i = SkipQuoted(text, i);
            if (i == std::u32string::npos) break;
            fieldStart = false;
            continue;
        }
        if (c == U',') return U',';
        if (c == U';') semicolon = true;
        fieldStart = c == U';' || (fieldStart && IsBlank(c));
        ++i;
    }
    return semicolon ? U';' : U',';
}

// Reads one field from i; stops on the separator or the record's line end
// (not consumed). Line ends inside quotes count in line. False, with i
// left at the opening quote, when a quote is not closed.
bool ReadCsvField(const std::u32string& text, size_t& i, char32_t separator, int& line, std::u32string& field,
                  size_t* length) {
    size_t start = i;
    while (start < text.size() && IsBlank(text[start])) ++start;
    if (start >= text.size() || text[start] != U'"') {
        size_t end = i;
        while (end < text.size() && text[end] != separator && !IsLineEnd(text[end])) ++end;
        TakeField(text, i, end, true, field, length);
        i = end;
        return true;
    }
    const size_t closed = SkipQuoted(text, start);
    if (closed == std::u32string::npos) {
        i = start;
        return false;
    }
    field.clear();
    size_t count = 0;
    for (size_t k = start + 1; k + 1 < closed; ++k, ++count) {
        if (text[k] == U'"') ++k;  // a doubled quote stands for one
        if (IsLineEnd(text[k]) && !(text[k] == U'\r' && k + 1 < text.size() && text[k + 1] == U'\n')) ++line;
        Keep(field, text[k]);
    }
    // Text between the closing quote and the separator is kept, as
    // spreadsheets keep it; white space alone there is not.
    size_t end = closed;
    bool tail = false;
    while (end < text.size() && text[end] != separator && !IsLineEnd(text[end])) tail |= !IsFieldSpace(text[end++]);
    if (tail) {
        for (size_t k = closed; k < end; ++k, ++count) Keep(field, text[k]);
    }
    if (length != nullptr) *length = count;
    i = end;
    return true;
}

bool NextCsvLine(ListLineReader& reader, ListLine& line) {
    const std::u32string& text = *reader.Text;
    size_t& i = reader.Position;
    const char32_t separator = CsvSeparator(text, i);
    line.Number = reader.Line;
    line.NotClosed = false;
    line.Phrase.clear();
    line.PhraseLength = 0;
    line.Information.clear();
    std::u32string ignored;
    for (int field = 0;; ++field) {
        const int fieldLine = reader.Line;
        std::u32string& value = field == 0 ? line.Phrase : field == 1 ? line.Information : ignored;
        if (!ReadCsvField(text, i, separator, reader.Line, value, field == 0 ? &line.PhraseLength : nullptr)) {
            // The line the quote opened on is named; reading goes on at
            // the line after it.
            line.Number = fieldLine;
            line.NotClosed = true;
            const size_t end = LineEndFrom(text, i);
            i = end < text.size() ? SkipLineEnd(text, end) : end;
            reader.Line = fieldLine + 1;
            return true;
        }
        if (i >= text.size() || text[i] != separator) break;
        ++i;
    }
    if (i < text.size()) {
        i = SkipLineEnd(text, i);
        ++reader.Line;
    }
    return true;
}

}  // namespace

bool IsFieldSpace(char32_t c) {
    return c == U' ' || c == U'\t' || c == 0x0B || c == 0x0C || c == 0xA0 || c == 0xFEFF ||
           (c >= 0x2000 && c <= 0x200B) || c == 0x202F || c == 0x205F || c == 0x3000;
}

ListLineReader ReadListLines(const std::u32string& text, bool csv) {
    ListLineReader reader;
    reader.Text = &text;
    reader.Csv = csv;
    return reader;
}

bool NextListLine(ListLineReader& reader, ListLine& line) {
    if (reader.Text == nullptr || reader.Position >= reader.Text->size()) return false;
    return reader.Csv ? NextCsvLine(reader, line) : NextTextLine(reader, line);
}
