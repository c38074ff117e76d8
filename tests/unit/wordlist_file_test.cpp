// Word-list files: their size and version checks, replacing and appending.
#include <gtest/gtest.h>

#include <cstring>

#include "records/preferences.h"
#include "tests/unit/fake_requests.h"
#include "tests/unit/file_fixture.h"
#include "wordlists/wordlist_file.h"

namespace {

class WordListFileTest : public ScratchDirectoryTest {
protected:
    // A file image of count entries named PREFIXn.
    static std::vector<unsigned char> ListImage(int count, const char* prefix, unsigned version = 10101) {
        std::vector<unsigned char> image(26004, 0);
        image[0] = version & 0xFF;
        image[1] = version >> 8;
        image[2] = count & 0xFF;
        image[3] = (count >> 8) & 0xFF;
        for (int i = 0; i < count && i < 200; ++i) {
            std::snprintf(reinterpret_cast<char*>(&image[4 + 130 * i]), 28, "%s%c", prefix, 'A' + i % 26);
            std::snprintf(reinterpret_cast<char*>(&image[4 + 130 * i + 28]), 102, "info %d", i);
        }
        return image;
    }
    void FillList(int count) {
        Preferences.CustomWordCount = static_cast<int16_t>(count);
        for (int i = 0; i < count; ++i) std::snprintf(Preferences.CustomWords[i].Phrase, 28, "OLD");
    }
    std::string Path(const char* name) { return Directory + "/" + name; }
};

}  // namespace

TEST_F(WordListFileTest, WrongSizesAndVersionsChangeNothing) {
    FillList(3);
    auto image = ListImage(5, "NEW");
    image.pop_back();
    WriteFile(Path("short.wlt"), image);
    EXPECT_EQ(ReadWordListFile(Path("short.wlt").c_str(), 0), 0);
    image.resize(26005);
    WriteFile(Path("long.wlt"), image);
    EXPECT_EQ(ReadWordListFile(Path("long.wlt").c_str(), 0), 0);
    EXPECT_EQ(ReadWordListFile(Path("missing.wlt").c_str(), 0), 0);
    EXPECT_EQ(CallsStartingWith("Info:Error: Wordloft Word File Size Error.").size(), 3u);

    WriteFile(Path("v2.wlt"), ListImage(5, "NEW", 10102));
    EXPECT_EQ(ReadWordListFile(Path("v2.wlt").c_str(), 0), 0);
    EXPECT_EQ(CallsStartingWith("Error:Version# Error in Wordloft Word List file.").size(), 1u);
    EXPECT_EQ(Preferences.CustomWordCount, 3);
    EXPECT_STREQ(Preferences.CustomWords[0].Phrase, "OLD");
}

TEST_F(WordListFileTest, ReplaceAppendAndOverflow) {
    FillList(100);
    WriteFile(Path("big.wlt"), ListImage(150, "NEW"));
    EXPECT_EQ(ReadWordListFile(Path("big.wlt").c_str(), 1), 200);
    EXPECT_STREQ(Preferences.CustomWords[99].Phrase, "OLD");
    EXPECT_STREQ(Preferences.CustomWords[100].Phrase, "NEWA");
    EXPECT_STREQ(Preferences.CustomWords[199].Information, "info 99");
    EXPECT_TRUE(Fake.Calls.empty()) << "dropped entries are dropped silently";

    EXPECT_EQ(ReadWordListFile(Path("big.wlt").c_str(), 0), 150);
    EXPECT_STREQ(Preferences.CustomWords[0].Phrase, "NEWA");

    WriteFile(Path("empty.wlt"), ListImage(0, "NEW"));
    EXPECT_EQ(ReadWordListFile(Path("empty.wlt").c_str(), 1), 150);
    EXPECT_EQ(ReadWordListFile(Path("empty.wlt").c_str(), 0), 0);
    EXPECT_EQ(Preferences.CustomWordCount, 0);

    // A count above 200 read with replace takes all 200 entries.
    WriteFile(Path("many.wlt"), ListImage(300, "M"));
    EXPECT_EQ(ReadWordListFile(Path("many.wlt").c_str(), 0), 200);
}

TEST_F(WordListFileTest, UnterminatedTextsAreCutInsideTheirFields) {
    auto image = ListImage(1, "X");
    std::memset(&image[4], 'Q', 130);
    WriteFile(Path("raw.wlt"), image);
    ASSERT_EQ(ReadWordListFile(Path("raw.wlt").c_str(), 0), 1);
    EXPECT_EQ(std::strlen(Preferences.CustomWords[0].Phrase), 27u);
    EXPECT_EQ(std::strlen(Preferences.CustomWords[0].Information), 101u);
}

TEST_F(WordListFileTest, WrittenFilesAreWholeAndReadBack) {
    FillList(2);
    std::snprintf(Preferences.CustomWords[1].Phrase, 28, "CR\xC8ME");
    std::snprintf(Preferences.CustomWords[1].Information, 102, "a dessert");
    ASSERT_EQ(WriteWordListFile(Path("out.wlt").c_str()), 1);
    const auto bytes = ReadFile(Path("out.wlt"));
    ASSERT_EQ(bytes.size(), 26004u);
    EXPECT_EQ(bytes[0], 0x75);
    EXPECT_EQ(bytes[1], 0x27);
    EXPECT_EQ(bytes[2], 2);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[4 + 130])), "CR\xC8ME");
    EXPECT_TRUE(ReadFile(Path("out.wlt.tmp")).empty());

    FillList(0);
    ASSERT_EQ(ReadWordListFile(Path("out.wlt").c_str(), 0), 2);
    EXPECT_STREQ(Preferences.CustomWords[1].Information, "a dessert");

    // Writing into a folder that does not exist fails with a message and
    // leaves nothing behind.
    EXPECT_EQ(WriteWordListFile(Path("nowhere/out.wlt").c_str()), 0);
    EXPECT_EQ(CallsStartingWith("Error:Error creating file.").size(), 1u);
}
