// Editing the custom list: which dialog buttons a list allows, the sort
// order, and the selection after a deletion.
#include "wordlists/custom_word_list.h"

#include <gtest/gtest.h>

#include <string>

#include "records/preferences.h"
#include "tests/unit/fake_requests.h"

namespace {

std::string Buttons(int count, bool hasSelection) {
    const CustomWordButtons b = CustomWordButtonStates(count, hasSelection);
    std::string s;
    for (bool on : {b.AddWord, b.AppendList, b.SaveList, b.SortList, b.DeleteAll, b.DeleteWord})
        s += on ? '1' : '0';
    return s;
}

void SetList(std::initializer_list<const char*> phrases) {
    ResetFake();
    for (const char* phrase : phrases)
        ASSERT_EQ(AddCustomWord(phrase, phrase[0] == 'N' ? "north" : ""), 1);
}

std::string Phrases() {
    std::string s;
    for (int i = 0; i < Preferences.CustomWordCount; ++i)
        s += std::string(i ? "|" : "") + Preferences.CustomWords[i].Phrase;
    return s;
}

}  // namespace

TEST(CustomWordButtons, FollowTheCountAndTheSelection) {
    // Add, Append, Save, Sort, Delete all, Delete word.
    EXPECT_EQ(Buttons(0, false), "110000");
    EXPECT_EQ(Buttons(1, false), "111110");
    EXPECT_EQ(Buttons(1, true), "111111");
    EXPECT_EQ(Buttons(199, true), "111111");
    EXPECT_EQ(Buttons(200, true), "001111");
    EXPECT_EQ(Buttons(200, false), "001110");
}

TEST(CustomWordList, SortsByUnsignedBytesOfThePhrase) {
    SetList({"NEWARK", "\xC9POQUE", "NEW YORK", "ZEBRA", "ALBANY"});
    SortCustomWords();
    EXPECT_EQ(Phrases(), "ALBANY|NEW YORK|NEWARK|ZEBRA|\xC9POQUE");
    EXPECT_STREQ(Preferences.CustomWords[1].Information, "north");  // the information moves along
}

TEST(CustomWordList, DeletingSelectsTheNextOrTheNewLastEntry) {
    SetList({"A", "B", "C", "D", "E"});
    EXPECT_EQ(DeleteCustomWord(4), 3);
    EXPECT_EQ(DeleteCustomWord(1), 1);
    EXPECT_EQ(Phrases(), "A|C|D");
    EXPECT_EQ(DeleteCustomWord(3), -1);  // no such entry: nothing changes
    EXPECT_EQ(Preferences.CustomWordCount, 3);
    SetList({"ONLY"});
    EXPECT_EQ(DeleteCustomWord(0), -1);
    EXPECT_EQ(Preferences.CustomWordCount, 0);
}

TEST(CustomWordList, AddingStopsAtTwoHundredAndLinesShowTheInformation) {
    ResetFake();
    for (int i = 0; i < kCustomWordMax; ++i)
        ASSERT_EQ(AddCustomWord("WORD", ""), 1);
    EXPECT_EQ(AddCustomWord("MORE", ""), 0);
    EXPECT_EQ(Preferences.CustomWordCount, kCustomWordMax);
    char line[kCustomWordLineSize];
    WordEntry entry = {"NEW YORK", "Big Apple"};
    FormatCustomWordLine(entry, line, sizeof line);
    EXPECT_STREQ(line, "NEW YORK: Big Apple");
    entry.Information[0] = '\0';
    FormatCustomWordLine(entry, line, sizeof line);
    EXPECT_STREQ(line, "NEW YORK");
}
