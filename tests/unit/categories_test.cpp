// Splitting category texts and drawing phrases from them.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "game/categories.h"
#include "game/game_state.h"
#include "game/random_choice.h"
#include "tests/unit/fake_requests.h"

namespace {

int16_t Split(std::string text, CategoryEntry* entries) {
    text.push_back('\0');
    return SplitCategoryText(&text[0], entries);
}

}  // namespace

TEST(CategoryText, LinesSplitOnRunsOfCrAndLfAtTheFirstColon) {
    static CategoryEntry entries[kCategoryMaxEntries];
    const int16_t count =
        Split("HAWAII:Aloha State: capital Honolulu\r\n\r\nMAUI\n\rOAHU:\r\nKAUAI:Garden Isle\r\n", entries);
    ASSERT_EQ(count, 4);
    EXPECT_STREQ(entries[0].Phrase, "HAWAII");
    EXPECT_STREQ(entries[0].Information, "Aloha State: capital Honolulu");
    EXPECT_STREQ(entries[1].Phrase, "MAUI");
    EXPECT_STREQ(entries[1].Information, "");
    EXPECT_STREQ(entries[2].Phrase, "OAHU");
    EXPECT_STREQ(entries[2].Information, "");
    EXPECT_STREQ(entries[3].Information, "Garden Isle");
    EXPECT_EQ(Split("\r\n\r\n", entries), 0);
    EXPECT_EQ(Split("", entries), 0);
}

TEST(CategoryText, OverlongFieldsAreCutAndAt250LinesReadingStops) {
    static CategoryEntry entries[kCategoryMaxEntries];
    const std::string longPhrase(40, 'X');
    const std::string longInfo(150, 'i');
    ASSERT_EQ(Split(longPhrase + ":" + longInfo + "\r\n", entries), 1);
    EXPECT_EQ(std::string(entries[0].Phrase), std::string(26, 'X'));
    EXPECT_EQ(std::string(entries[0].Information), std::string(100, 'i'));
    std::string many;
    for (int i = 0; i < 260; ++i) many += "LINE" + std::string(1, static_cast<char>('A' + i % 26)) + "\r\n";
    EXPECT_EQ(Split(many, entries), 250);
}

TEST(CategoryDraw, MissingOrEmptyTextsPlayTheDefaultPhrase) {
    ResetFake();
    DrawCategoryPhrase("NOWHERE", 4);
    EXPECT_STREQ(GameState.Phrase, "WORD LOFT SQUARED");
    EXPECT_EQ(CallsStartingWith("Error:string 2").size(), 1u);
    Fake.CategoryTexts["BLANK"] = "\r\n";
    DrawCategoryPhrase("BLANK", 4);
    EXPECT_STREQ(GameState.Phrase, "WORD LOFT SQUARED");
    EXPECT_EQ(GameState.PhraseLength, 17);
}

TEST(CategoryDraw, ReaderDropsTheLastByteOfTheText) {
    ResetFake();
    // Without the final CR LF the last line loses its last character.
    Fake.CategoryTexts["ONE"] = "COMET";
    DrawCategoryPhrase("ONE", 9);
    EXPECT_STREQ(GameState.Phrase, "COME");
    Fake.CategoryTexts["ONE"] = "COMET\r\n";
    DrawCategoryPhrase("ONE", 9);
    EXPECT_STREQ(GameState.Phrase, "COMET");
    EXPECT_STREQ(GameState.Information, "");
}

TEST(CategoryTable, CommandsNamesAndCounts) {
    int total = 0;
    for (const CategoryInfo& c : Categories) total += c.PhraseCount;
    EXPECT_EQ(total, 3480);
    EXPECT_STREQ(Categories[4].ResourceName, "AUTHORS");
    EXPECT_EQ(SourceLabelOf(32801), "Authors");
    EXPECT_EQ(SourceLabelOf(32835), "Rock 'n' Roll");
    EXPECT_EQ(SourceLabelOf(32847), "Weather");
    EXPECT_EQ(SourceLabelOf(kSourceEnteredWord), "Entered Words");
    EXPECT_EQ(SourceLabelOf(kSourceCustomWords), "Custom Words");
    EXPECT_EQ(SourceLabelOf(kSourceRandomWords), "Random Words");
    EXPECT_EQ(SourceLabelOf(12), "???");
    EXPECT_EQ(SourceLabelOf(32848), "?");
}
