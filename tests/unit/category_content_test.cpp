// The 51 built-in category texts of each language, byte for byte as the
// program embeds them: counts, phrase rules, information rules, line ends
// and buffer sizes; and draws through the real reader.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "game/categories.h"
#include "game/game_state.h"
#include "game/phrase.h"
#include "game/text_format.h"
#include "game/random_choice.h"
#include "tests/unit/fake_requests.h"

namespace {

// The folder of each language's texts under resources/categories/.
const char* const kLanguageFolders[kLanguageCount] = {"", "de/", "fr/", "es/"};

std::string ReadCategoryFile(Language language, const char* name) {
    std::ifstream file(std::string(WORDLOFT_SOURCE_DIR) + "/resources/categories/" + kLanguageFolders[language] +
                           name + ".txt",
                       std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Capitals and single spaces; the other languages write their accented
// capitals too (German writes its sharp s as SS in capitals).
bool IsPhraseText(const std::string& phrase, bool accents) {
    if (phrase.empty() || phrase.size() > 26 || phrase.front() == ' ' || phrase.back() == ' ') return false;
    for (size_t i = 0; i < phrase.size(); ++i) {
        const char c = phrase[i];
        if (c == ' ') {
            if (i > 0 && phrase[i - 1] == ' ') return false;
        } else if (!(c >= 'A' && c <= 'Z') && !(accents && IsPhraseLetter(c) && UpperCasePhraseChar(c) == c &&
                                                  static_cast<unsigned char>(c) != 0xDF)) {
            return false;
        }
    }
    return true;
}

// Bytes that Windows-1252 leaves undefined.
bool IsUndefinedByte(unsigned char b) { return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D; }

}  // namespace

// English holds the counts of the table exactly; every other language at
// least as many phrases in each place as English, or 40 where English has
// more, and at most 250.
TEST(CategoryContent, EveryTextFollowsTheFormat) {
    for (int16_t l = 0; l < kLanguageCount; ++l) {
        const Language language = static_cast<Language>(l);
        SCOPED_TRACE(kLanguageFolders[language]);
        size_t largest = 0;
        size_t longestLine = 0;
        int total = 0;
        for (const CategoryInfo& category : Categories) {
            SCOPED_TRACE(category.ResourceName);
            const std::string text = ReadCategoryFile(language, category.ResourceName);
            ASSERT_GE(text.size(), 2u);
            EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
            largest = std::max(largest, text.size());

            std::set<std::string> phrases;
            int lines = 0;
            size_t start = 0;
            while (start < text.size()) {
                const size_t end = text.find("\r\n", start);
                ASSERT_NE(end, std::string::npos);
                const std::string line = text.substr(start, end - start);
                start = end + 2;
                ++lines;
                SCOPED_TRACE(line);
                EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
                longestLine = std::max(longestLine, line.size());
                const size_t colon = line.find(':');
                const std::string phrase = line.substr(0, colon);
                EXPECT_TRUE(IsPhraseText(phrase, language != kEnglish));
                EXPECT_TRUE(phrases.insert(phrase).second) << "duplicate";
                if (category.HasInformation) {
                    ASSERT_NE(colon, std::string::npos);
                    const std::string information = line.substr(colon + 1);
                    EXPECT_GE(information.size(), 1u);
                    EXPECT_LE(information.size(), 100u);
                    for (unsigned char b : information) EXPECT_FALSE(b < 0x20 || b == 0x7F || IsUndefinedByte(b));
                } else {
                    EXPECT_EQ(colon, std::string::npos);
                }
            }
            if (language == kEnglish) {
                EXPECT_EQ(lines, category.PhraseCount);
            } else {
                EXPECT_GE(lines, std::min<int>(category.PhraseCount, 40));
                EXPECT_LE(lines, kCategoryMaxEntries);
            }
            total += lines;
        }
        if (language == kEnglish) EXPECT_EQ(total, 3480);
        // The reader's buffers hold the largest text and the longest line.
        EXPECT_LT(largest + 1, kCategoryTextSize);
        EXPECT_LE(longestLine, static_cast<size_t>(kCategoryPhraseSize - 1 + 1 + kCategoryInformationSize - 1));
    }
}

TEST(CategoryContent, RealReaderDrawsEveryPhraseOnceACycle) {
    for (int16_t l = 0; l < kLanguageCount; ++l) {
        const Language language = static_cast<Language>(l);
        for (int k = 0; k < kBuiltInCategoryCount; ++k) {
            const CategoryInfo& category = Categories[k];
            SCOPED_TRACE(std::string(kLanguageFolders[language]) + category.ResourceName);
            ResetFake();
            SeedRandom(static_cast<uint32_t>(1000 + k));
            ClearUsedPhrases();
            const std::string text = ReadCategoryFile(language, category.ResourceName);
            Fake.CategoryTexts[category.ResourceName] = text;

            std::set<std::string> expected;
            std::istringstream lines(text);
            int count = 0;
            for (std::string line; std::getline(lines, line); ++count) {
                if (!line.empty() && line.back() == '\r') line.pop_back();
                expected.insert(line);
            }
            std::set<std::string> drawn;
            for (int game = 0; game < count; ++game) {
                DrawCategoryPhrase(category.ResourceName, static_cast<int16_t>(k));
                std::string line = GameState.Phrase;
                if (category.HasInformation) line += std::string(":") + GameState.Information;
                drawn.insert(line);
            }
            EXPECT_EQ(drawn, expected);
        }
    }
}
