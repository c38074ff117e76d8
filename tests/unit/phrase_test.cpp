// Folding, upper-casing and validity of phrase characters.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "game/phrase.h"

namespace {

char B(unsigned value) { return static_cast<char>(value); }

}  // namespace

TEST(PhraseRules, FoldLetterGivesBaseLettersForTheWholeAlphabet) {
    for (char c = 'A'; c <= 'Z'; ++c) EXPECT_EQ(FoldLetter(c), c);
    for (char c = 'a'; c <= 'z'; ++c) EXPECT_EQ(FoldLetter(c), c - 'a' + 'A');
    struct Row { const char* bytes; char base; };
    const Row rows[] = {
        {"\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xE0\xE1\xE2\xE3\xE4\xE5\xE6", 'A'},
        {"\xC7\xE7", 'C'},
        {"\xC8\xC9\xCA\xCB\xE8\xE9\xEA\xEB", 'E'},
        {"\xCC\xCD\xCE\xCF\xEC\xED\xEE\xEF", 'I'},
        {"\xD1\xF1", 'N'},
        {"\xD2\xD3\xD4\xD5\xD6\x8C\xF2\xF3\xF4\xF5\xF6\x9C", 'O'},
        {"\xDF", 'S'},
        {"\xD9\xDA\xDB\xDC\xF9\xFA\xFB\xFC", 'U'},
        {"\x9F\xFF", 'Y'},
    };
    int accented = 0;
    for (const Row& row : rows) {
        for (const char* p = row.bytes; *p; ++p, ++accented) {
            EXPECT_EQ(FoldLetter(*p), row.base) << "byte " << (static_cast<unsigned>(*p) & 0xFF);
            EXPECT_TRUE(IsPhraseLetter(*p));
        }
    }
    EXPECT_EQ(accented, 57);
}

TEST(PhraseRules, EveryOtherByteIsLeftAloneAndIsNoLetter) {
    int letters = 0;
    for (unsigned b = 1; b < 256; ++b) {
        const char c = B(b);
        if (IsPhraseLetter(c)) {
            ++letters;
            continue;
        }
        EXPECT_EQ(FoldLetter(c), c) << "byte " << b;
        EXPECT_EQ(LetterIndexOf(c), -1) << "byte " << b;
    }
    EXPECT_EQ(letters, 52 + 57);
    // Eth, O slash, Y acute, thorn and their small forms are no letters.
    for (unsigned b : {0xD0u, 0xD8u, 0xDDu, 0xDEu, 0xF0u, 0xF8u, 0xFDu, 0xFEu, 0xD7u, 0xF7u})
        EXPECT_FALSE(IsPhraseLetter(B(b))) << b;
    EXPECT_FALSE(IsPhraseLetter(' '));
    EXPECT_EQ(FoldLetter(' '), ' ');
}

TEST(PhraseRules, UpperCasingRaisesSmallLettersButNotSharpS) {
    char dessert[] = "cr\xE8me br\xFBl\xE9" "e";
    UpperCasePhrase(dessert);
    EXPECT_STREQ(dessert, "CR\xC8ME BR\xDBL\xC9" "E");
    char street[] = "stra\xDF" "e";
    UpperCasePhrase(street);
    EXPECT_STREQ(street, "STRA\xDF" "E");
    EXPECT_EQ(UpperCasePhraseChar(B(0xFF)), B(0x9F));
    EXPECT_EQ(UpperCasePhraseChar(B(0x9C)), B(0x8C));
    EXPECT_EQ(UpperCasePhraseChar(B(0xE6)), B(0xC6));
    // Small letters that are not phrase letters keep their case.
    for (unsigned b : {0xF0u, 0xF7u, 0xF8u, 0xFDu, 0xFEu}) EXPECT_EQ(UpperCasePhraseChar(B(b)), B(b));
    EXPECT_EQ(UpperCasePhraseChar('1'), '1');
    // Every capital stays, and every raised letter folds as before.
    for (unsigned b = 1; b < 256; ++b) {
        const char up = UpperCasePhraseChar(B(b));
        EXPECT_EQ(FoldLetter(up), FoldLetter(B(b))) << b;
    }
}

TEST(PhraseRules, ValidPhrasesFollowLengthAndSpacingRules) {
    EXPECT_EQ(IsValidPhrase("CAT"), 1);
    EXPECT_EQ(IsValidPhrase("ICE CREAM"), 1);
    EXPECT_EQ(IsValidPhrase("ROCK N ROLL"), 1);
    EXPECT_EQ(IsValidPhrase("CAT "), 1);  // a single trailing space passes
    EXPECT_EQ(IsValidPhrase("CR\xC8ME BR\xDBL\xC9" "E"), 1);
    EXPECT_EQ(IsValidPhrase(std::string(26, 'A').c_str()), 1);

    EXPECT_EQ(IsValidPhrase(""), 0);
    EXPECT_EQ(IsValidPhrase(std::string(27, 'A').c_str()), 0);
    EXPECT_EQ(IsValidPhrase(" CAT"), 0);
    EXPECT_EQ(IsValidPhrase("ICE  CREAM"), 0);
    EXPECT_EQ(IsValidPhrase("A  B"), 0);
    EXPECT_EQ(IsValidPhrase("ROCK 'N' ROLL"), 0);
    EXPECT_EQ(IsValidPhrase("R2D2"), 0);
    EXPECT_EQ(IsValidPhrase("T-REX"), 0);
    EXPECT_EQ(IsValidPhrase("ST. LOUIS"), 0);
    EXPECT_EQ(IsValidPhrase("\xD8" "RSTED"), 0);
    EXPECT_EQ(IsValidPhrase(" "), 0);
}
