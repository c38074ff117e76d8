// Word lists made elsewhere: how their bytes are decoded, how each line of
// a text or CSV list is taken or named in the report, word-list entries
// that look odd in play, saving as text and CSV and reading back, and the
// command lines that name a list.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "records/preferences.h"
#include "resource.h"
#include "tests/unit/fake_requests.h"
#include "tests/unit/file_fixture.h"
#include "wordlists/list_file.h"
#include "wordlists/list_text.h"
#include "wordlists/wordlist_file.h"

// The system's ANSI code page, as the tests' Windows has it: Windows-1252.
std::u32string DecodeAnsiText(const uint8_t* bytes, size_t size) {
    return DecodeText(bytes, size, TextEncoding::Ansi);
}

int ShowListNote(const std::string& text) {
    Fake.Calls.push_back("Note:" + text);
    return 1;
}

namespace {

template <size_t N>
std::string Bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

const uint8_t* Data(const std::string& s) { return reinterpret_cast<const uint8_t*>(s.data()); }

// The list as "PHRASE=information|...", Windows-1252.
std::string ListEntries() {
    std::string s;
    for (int i = 0; i < Preferences.CustomWordCount; ++i)
        s += std::string(i ? "|" : "") + Preferences.CustomWords[i].Phrase + "=" +
             Preferences.CustomWords[i].Information;
    return s;
}

std::string Joined(const std::vector<ReportedItem>& items) {
    std::string s;
    for (const ReportedItem& item : items) s += (s.empty() ? "" : "\n") + item.Text;
    return s;
}

// A list's text read once and taken into the custom list.
ListReport TakeText(const std::string& utf8, bool csv) {
    const std::u32string text = DecodeText(Data(utf8), utf8.size(), TextEncoding::Utf8);
    std::vector<ListEntry> entries;
    ListReport gathered, report;
    GatherListEntries(text, csv, entries, gathered);
    TakeListEntries(entries, gathered, Preferences.CustomWords, Preferences.CustomWordCount, report);
    return report;
}

void FillList(int count) {
    Preferences.CustomWordCount = static_cast<int16_t>(count);
    for (int i = 0; i < count; ++i)
        std::snprintf(Preferences.CustomWords[i].Phrase, 28, "OLD %c%c", 'A' + i / 26, 'A' + i % 26);
}

}  // namespace

// Text in UTF-16 without a mark, ASCII characters alone.
std::string Utf16(const std::string& ascii, bool bigEndian) {
    std::string bytes;
    for (char c : ascii) bytes += bigEndian ? std::string(1, '\0') + c : std::string(1, c) + '\0';
    return bytes;
}
// 32 characters: 64 bytes.
const std::string kThirtyTwo = "Paris\tFrance\r\nRome\tItaly\r\nOslo\r\n";

TEST(ListText, EncodingsAreToldApartAndDecoded) {
    struct Row {
        const char* Name;
        std::string In;
        TextEncoding Encoding;
        std::string Utf8;
    };
    const Row rows[] = {
        {"UTF-8 with its mark", Bytes("\xEF\xBB\xBFStra\xC3\x9F" "e"), TextEncoding::Utf8WithMark,
         "Stra\xC3\x9F" "e"},
        {"UTF-8 without a mark", Bytes("Cr\xC3\xA8me"), TextEncoding::Utf8, "Cr\xC3\xA8me"},
        {"ASCII alone is ANSI", Bytes("abc"), TextEncoding::Ansi, "abc"},
        {"Windows-1252", Bytes("Cr\xE8me \x80"), TextEncoding::Ansi, "Cr\xC3\xA8me \xE2\x82\xAC"},
        {"an overlong form is no UTF-8", Bytes("\xC0\xAF"), TextEncoding::Ansi, "\xC3\x80\xC2\xAF"},
        {"UTF-16 little-endian", Bytes("\xFF\xFES\0\xDF\0"), TextEncoding::Utf16LittleEndian, "S\xC3\x9F"},
        {"UTF-16 big-endian, a pair", Bytes("\xFE\xFF\xD8\x3D\xDE\x00"), TextEncoding::Utf16BigEndian,
         "\xF0\x9F\x98\x80"},
        {"a lone surrogate and an odd byte", Bytes("\xFF\xFE\x00\xD8" "A"), TextEncoding::Utf16LittleEndian,
         "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"UTF-16 little-endian without a mark", Utf16(kThirtyTwo, false), TextEncoding::Utf16LittleEndianUnmarked,
         kThirtyTwo},
        {"UTF-16 big-endian without a mark, one letter of 32 not Latin",
         Utf16(kThirtyTwo, true).replace(0, 1, "\x01"), TextEncoding::Utf16BigEndianUnmarked,
         "\xC5\x90" "aris\tFrance\r\nRome\tItaly\r\nOslo\r\n"},
        {"31 characters are too few to tell", Utf16(kThirtyTwo, false).substr(2), TextEncoding::Ansi,
         std::string(Utf16(kThirtyTwo, false).substr(2))},
    };
    for (const Row& row : rows) {
        const TextEncoding encoding = DetectTextEncoding(Data(row.In), row.In.size());
        EXPECT_EQ(encoding, row.Encoding) << row.Name;
        EXPECT_EQ(Utf8Of(DecodeText(Data(row.In), row.In.size(), encoding)), row.Utf8) << row.Name;
    }
    // Windows-1252 both ways, its five undefined bytes included.
    for (int b = 0; b < 256; ++b) EXPECT_EQ(Windows1252Of(UnicodeOfWindows1252(static_cast<uint8_t>(b))), b);
    EXPECT_EQ(Windows1252Of(0x0141), -1);
    EXPECT_EQ(Windows1252Of(0x0080), -1);
}

TEST(ListLines, EachLineIsTakenOrNamed) {
    struct Row {
        const char* Name;
        bool Csv;
        int Before;  // entries in the list already
        std::string Text;
        std::string Entries;
        std::string Items;
    };
    const std::string longInformation(101, 'i');
    const Row rows[] = {
        {"text: trimmed, upper-cased, every line end", false, 0,
         "cr\xC3\xA8me br\xC3\xBBl\xC3\xA9" "e\tA dessert\r\n  new york  \t Big Apple\n\n\t\r  \r"
         "stra\xC3\x9F" "e",
         "CR\xC8ME BR\xDBL\xC9" "E=A dessert|NEW YORK= Big Apple|STRA\xDF" "E=", ""},
        {"text: lines that cannot be played", false, 0,
         "x-ray\n4 seasons\nrock  roll\nabcdefghijklmnopqrstuvwxyzabcdefghijkl\n\xC5\x81\xC3\xB3" "d\xC5\xBA\n"
         "paris\tna\xC3\xAFve \xE2\x9C\x93\n\tonly information\nParis\nPARIS\nSt. Ives\n\xC3\x98resund",
         "PARIS=",
         "line 1, \"x-ray\": a hyphen is not a letter\n"
         "line 2, \"4 seasons\": a digit is not a letter\n"
         "line 3, \"rock  roll\": two spaces in a row\n"
         "line 4: 38 characters, at most 26\n"
         "line 5, \"\xC5\x81\xC3\xB3" "d\xC5\xBA\": \"\xC5\x81\" is a character the game cannot show\n"
         "line 6, \"paris\": \"\xE2\x9C\x93\" in the information is a character the game cannot show\n"
         "line 7: no phrase, only information\n"
         "line 9, \"PARIS\": already in the list\n"
         "line 10, \"St. Ives\": a full stop is not a letter\n"
         "line 11, \"\xC3\x98resund\": \"\xC3\x98\" is not one of the game's letters"},
        {"text: long information is cut; duplicates of the list", false, 2,
         "Albany\t" + longInformation + "\nold ab",
         "OLD AA=|OLD AB=|ALBANY=" + longInformation.substr(0, 100),
         "line 1, \"Albany\": information cut to 100 characters\nline 2, \"old ab\": already in the list"},
        {"CSV: quoting, semicolons, a heading, extra fields, line breaks joined", true, 0,
         "Word,Clue\r\n\"New York\",\"The \"\"Big Apple\"\", NY\",extra\r\nParis; France\r\n"
         "\"Lyon\";\"Rh\xC3\xB4ne, France\"\r\n\"Multi\r\nLine\",x\r\n , ,\r\nRome , \"  spaced \" \r\n"
         "Oslo,\"Capital \r\n\r\n of\tNorway\x01\"\r\n\"Ta\x01" "b\",x",
         "NEW YORK=The \"Big Apple\", NY|PARIS=France|LYON=Rh\xF4ne, France|MULTI LINE=x|ROME=  spaced |"
         "OSLO=Capital of Norway",
         "line 1, \"Word\": a column heading, not a phrase\n"
         "line 12, \"Ta b\": a control character is not a letter"},
        {"CSV: a quote not closed is named and reading goes on after its line", true, 0,
         "Paris,\"Capital\r\nof France\"\r\nRome,\"Eternal city\r\nBerlin,Capital\r\nMadrid," +
             std::string(130, 'y') + "\r\nVienna,\"" + std::string(127, 'x') + "\"\r\n\"Open" + std::string(129, 'z') +
             "\r\nLisbon,\"a\"",
         "PARIS=Capital of France|BERLIN=Capital|MADRID=" + std::string(100, 'y') + "|VIENNA=" +
             std::string(100, 'x') + "|LISBON=a",
         "line 3, \"Rome\": a quote is not closed\n"
         "line 5, \"Madrid\": information cut to 100 characters\n"
         "line 6, \"Vienna\": information cut to 100 characters\nline 7: a quote is not closed"},
        {"text: a heading in German; control characters in the information", false, 0,
         "wort\tErkl\xC3\xA4rung\nUhr\tzeigt\x07" "die\x1B" "Zeit\nword\n",
         "UHR=zeigt die Zeit|WORD=", "line 1, \"wort\": a column heading, not a phrase"},
        {"a full list leaves the rest out", false, 199, "alpha\nbeta\n\ngamma\ndelta", "", ""},
    };
    for (const Row& row : rows) {
        ResetFake();
        FillList(row.Before);
        const ListReport report = TakeText(row.Text, row.Csv);
        if (row.Before < 199) {
            EXPECT_EQ(ListEntries(), row.Entries) << row.Name;
        }
        EXPECT_EQ(Joined(report.Items), row.Items) << row.Name;
        if (row.Before == 199) {
            // Alpha is the 200th entry; beta, gamma and delta are left out.
            EXPECT_EQ(Preferences.CustomWordCount, 200);
            EXPECT_STREQ(Preferences.CustomWords[199].Phrase, "ALPHA");
            EXPECT_EQ(FormatListReport(report, "more.txt"),
                      "1 entry was added from more.txt. These lines were left out or changed:\n\n"
                      "lines 2 to 5: the list was full (200 entries)");
        }
    }
    // Bad lines by the hundred thousand are counted, not kept; so are the
    // lines after the 200th entry.
    std::string lines = "good\n";
    for (int i = 0; i < 200000; ++i) lines += "-\n";
    for (int i = 0; i < 250; ++i) lines += "word " + std::string(1, 'a' + i / 26 % 26) + std::string(1, 'a' + i % 26) + "\n";
    ResetFake();
    const ListReport report = TakeText(lines, false);
    EXPECT_EQ(report.Items.size(), 15u);
    EXPECT_EQ(report.ItemCount, 200000);
    EXPECT_EQ(Preferences.CustomWordCount, 200);
    EXPECT_NE(FormatListReport(report, "many.txt").find("\nand 199985 more\nlines 200201 to 200251: the list was full"),
              std::string::npos);
}

TEST(ListReport, NamesFifteenLinesAndTheRestInANumber) {
    ListReport report;
    report.Added = 1;
    for (int i = 1; i <= 17; ++i) NoteReportedItem(report, i, "line " + std::to_string(i) + ": a reason");
    NoteListFull(report, 230);
    NoteListFull(report, 250);
    const std::string text = FormatListReport(report, "spelling.txt");
    EXPECT_EQ(text.substr(0, text.find('\n')),
              "1 entry was added from spelling.txt. These lines were left out or changed:");
    EXPECT_NE(text.find("\nline 15: a reason\nand 2 more\nlines 230 to 250: the list was full (200 entries)"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("line 16:"), std::string::npos);
}

class ListFileTest : public ScratchDirectoryTest {
protected:
    std::string Path(const char* name) { return Directory + "/" + name; }
    void Write(const char* name, const std::string& bytes) {
        WriteFile(Path(name), std::vector<unsigned char>(bytes.begin(), bytes.end()));
    }
    static std::string WordListImage(const std::vector<std::string>& phrases) {
        std::string image(26004, '\0');
        image[0] = 0x75, image[1] = 0x27, image[2] = static_cast<char>(phrases.size());
        for (size_t i = 0; i < phrases.size(); ++i)
            std::memcpy(&image[4 + 130 * i], phrases[i].data(), phrases[i].size());
        return image;
    }
};

TEST_F(ListFileTest, WordListEntriesThatLookOddInPlayAreNamed) {
    Write("odd.txt",
          WordListImage({"X-RAY", "", " PARIS", "A  B", std::string(27, 'Q'), "---", "paris", "ROME"}));
    FillList(194);
    ListReport report;
    // A file of 26,004 bytes with the version is a word-list file whatever its name.
    EXPECT_EQ(ReadListFile(Path("odd.txt").c_str(), 1, report), 200);
    EXPECT_EQ(Joined(report.Items),
              "entry 1, \"X-RAY\": a hyphen is not a letter; it is shown from the start\n"
              "entry 2: no phrase; \"WORD LOFT SQUARED\" is played instead\n"
              "entry 3, \" PARIS\": it starts with a space, which shows as a gap\n"
              "entry 4, \"A  B\": two spaces in a row, which show as a wide gap\n"
              "entry 5: 27 characters, at most 26; only the first 26 are played\n"
              "entry 6, \"---\": no letter to guess; \"WORD LOFT SQUARED\" is played instead");
    EXPECT_STREQ(Preferences.CustomWords[199].Phrase, "---") << "the entries are taken as stored";
    const std::string text = FormatListReport(report, "odd.txt");
    EXPECT_EQ(text.substr(0, text.find('\n')),
              "6 entries were added from odd.txt. These entries were left out or will look odd in play:");
    EXPECT_NE(text.find("\nentries 7 to 8: the list was full (200 entries)"), std::string::npos) << text;
}

TEST_F(ListFileTest, FilesThatHoldNoListChangeNothing) {
    FillList(3);
    Write("letter.docx", "PK\x03\x04");
    Write("binary.txt", Bytes("AB\0CD"));
    Write("big.csv", std::string(kLargestListFile + 1, '\n'));
    ASSERT_EQ(std::system(("mkdir '" + Path("folder.txt") + "'").c_str()), 0);
    Write("nothing.csv", "x-ray\r\n4 seasons\r\n");
    ListReport report;
    for (const char* name : {"letter.docx", "binary.txt", "big.csv", "folder.txt", "missing.txt", "missing.wlt"})
        EXPECT_EQ(ReadListFile(Path(name).c_str(), 0, report), 0) << name;
    EXPECT_EQ(CallsStartingWith("Info:Wordloft cannot read Word or Excel files.").size(), 1u);
    EXPECT_EQ(Joined({{0, Fake.Calls[1]}, {0, Fake.Calls[2]}, {0, Fake.Calls[3]}, {0, Fake.Calls[4]}}),
              "Note:binary.txt is not a text file (it holds bytes no text holds), so it holds no word list. Save the "
              "list as a text file (*.txt) or a CSV file (*.csv), then open that file.\n"
              "Note:big.csv is too large for a word list: a list file holds at most 4 MB.\n"
              "Note:folder.txt is a folder, not a list file.\nNote:missing.txt was not found.");
    EXPECT_EQ(Fake.Calls.back(), "Info:Error: Wordloft Word File Size Error.") << "a .WLT's own message";
    EXPECT_EQ(ReadListFile(Path("nothing.csv").c_str(), 0, report), 3);
    EXPECT_EQ(FormatListReport(report, "nothing.csv"),
              "No line of nothing.csv could be used, so the list is unchanged:\n\n"
              "line 1, \"x-ray\": a hyphen is not a letter\nline 2, \"4 seasons\": a digit is not a letter");
    EXPECT_EQ(ListEntries(), "OLD AA=|OLD AB=|OLD AC=");
}

TEST_F(ListFileTest, TextAndCsvReadBackTheListSaved) {
    const std::vector<std::pair<std::string, std::string>> entries = {
        {"CR\xC8ME BR\xDBL\xC9" "E", "A \"French\", dessert; sweet"},
        {"STRA\xDF" "E", ""},
        {"NEW YORK", "  Big Apple\tNY "},
        {"\xC6ON", "\x93quoted\x94 \x80 " + std::string(86, 'x')},
    };
    for (ListFormat format : {ListFormat::Text, ListFormat::Csv}) {
        ResetFake();
        for (const auto& entry : entries) {
            WordEntry& e = Preferences.CustomWords[Preferences.CustomWordCount++];
            std::snprintf(e.Phrase, sizeof e.Phrase, "%s", entry.first.c_str());
            std::snprintf(e.Information, sizeof e.Information, "%s", entry.second.c_str());
        }
        const std::string saved = ListEntries();
        const char* name = format == ListFormat::Text ? "list.txt" : "list.csv";
        ASSERT_EQ(WriteListFile(Path(name).c_str(), format), 1);
        const auto bytes = ReadFile(Path(name));
        const std::string text(bytes.begin(), bytes.end());
        EXPECT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
        EXPECT_EQ(text.substr(3, text.find("\r\n") + 2 - 3),
                  std::string("CR\xC3\x88ME BR\xC3\x9BL\xC3\x89" "E") +
                      (format == ListFormat::Text ? "\tA \"French\", dessert; sweet\r\n"
                                                  : ",\"A \"\"French\"\", dessert; sweet\"\r\n"));
        Preferences.CustomWordCount = 0;
        ListReport report;
        EXPECT_EQ(ReadListFile(Path(name).c_str(), 0, report), 4) << name;
        // The tab inside an information comes back as a space.
        EXPECT_EQ(ListEntries(), std::string(saved).replace(saved.find('\t'), 1, " ")) << name;
        EXPECT_EQ(FormatListReport(report, name), "") << "nothing to report of " << name;
    }
    // The name's extension decides, else the file type chosen.
    EXPECT_EQ(SaveFormatOf("C:\\a.CSV", 2), ListFormat::Csv);
    EXPECT_EQ(SaveFormatOf("C:\\a", 2), ListFormat::Text);
    EXPECT_EQ(SaveFormatOf("C:\\a.list", 1), ListFormat::WordList);
}

TEST(ListCommandLine, NamesAListFileOrNothing) {
    const std::pair<const char*, const char*> rows[] = {
        {"\"C:\\Program Files\\Wordloft\\wordloft.exe\" \"C:\\lists\\geography.WLT\"",
         "C:\\lists\\geography.WLT"},
        {"wordloft.exe C:\\my lists\\spelling.txt  ", "C:\\my lists\\spelling.txt"},
        {"\"w.exe\"\t\"C:\\\xD0\x9A\xD0\xB8\xD1\x97\xD0\xB2\\list.txt\"",
         "C:\\\xD0\x9A\xD0\xB8\xD1\x97\xD0\xB2\\list.txt"},
        {"wordloft.exe SETUP", ""},
        {"\"C:\\a b\\wordloft.exe\"", ""},
        {"wordloft.exe \"a.txt\" \"b.txt\"", ""},
        {"wordloft.exe C:\\lists.txt\\words", ""},
    };
    for (const auto& row : rows) EXPECT_EQ(ListPathOnCommandLine(row.first), row.second) << row.first;
}
