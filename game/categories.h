// The 51 built-in word categories: their table, and drawing a phrase from
// a category's text without repeats.
#ifndef WORDLOFT_GAME_CATEGORIES_H
#define WORDLOFT_GAME_CATEGORIES_H

#include <cstddef>
#include <cstdint>
#include <string>

#include "game/game_state.h"
#include "game/text_format.h"
#include "records/preferences.h"
#include "resource.h"
constexpr int kCategoryMaxEntries = 250;
constexpr int kCategoryPhraseSize = 27;
constexpr int kCategoryInformationSize = 101;
// Room for the largest category text (under 10,000 bytes) with room to spare.
constexpr size_t kCategoryTextSize = 16384;
// String id of "GetBuiltInWord Error".
constexpr int16_t kCategoryErrorStringId = IDS_GETBUILTINWORD_ERROR;

// A category's resource name, and the number of phrases and whether they
// carry information texts in English (every language's category of the
// same place carries information texts exactly where English does). Its
// name is a text of the string table (CategoryName).
struct CategoryInfo {
    const char* ResourceName;
    int16_t PhraseCount;
    bool HasInformation;
};

// Category k (0..50) has the menu command 32797 + k.
extern const CategoryInfo Categories[kBuiltInCategoryCount];

// The language of the words: each language has 51 categories of its own in
// the same 51 places, and the games draw from that language's. Set from
// the player's choice (English by default, the program's language when
// nothing was chosen).
extern Language WordLanguage;
// The player chose a language for the words: the categories' draws without
// repeats start afresh.
void ChangeWordLanguage(Language language);

struct CategoryEntry {
    char Phrase[kCategoryPhraseSize];
    char Information[kCategoryInformationSize];
};

// Splits a category text (modified in place) into at most 250 entries:
// lines separated by runs of CR and LF, the phrase up to the first colon
// and the information after it. Returns the number of entries.
int16_t SplitCategoryText(char* text, CategoryEntry* entries);

// Sets Phrase, PhraseLength and Information of GameState to a phrase of
// the category drawn without repeats, or leaves the default phrase when
// the category cannot be read or holds no line.
void DrawCategoryPhrase(const char* resourceName, int16_t listId);

// The name of category k of a language's words, in the language the
// program speaks: the Words menu's text of its place.
std::string CategoryName(Language words, int k);

// The name of a word source as the scoreboard records it and the caption
// shows it: "Entered Words", "Custom Words", "Random Words" or the
// category's name (of the words' language); "?" for a command past the
// last category and kUnknownSourceLabel for any other command.
constexpr char kUnknownSourceLabel[] = "???";
// Room for any label with its terminator (a scoreboard category field).
constexpr int kCategoryMenuTextSize = 32;
static_assert(kCategoryMenuTextSize == kBoardCategoryFieldSize, "a source label fits the board");
std::string SourceLabelOf(uint32_t wordSource);

// The label of the word source the caption names, set together with the
// caption (SetSourceTitle). The scoreboard files a streak under it, so a
// source that moved on without a new caption (an emptied custom list gives
// way to Entered Word) does not rename the streak the player saw.
extern char SourceLabel[kCategoryMenuTextSize];
void SetSourceLabel(uint32_t wordSource);

#endif
