// The word sources as the record stores them: the menu command of the
// source (Entered Word, Custom Words, Random Words or one of the 51
// built-in categories), and how many categories there are.
#ifndef WORDLOFT_RECORDS_WORD_SOURCES_H
#define WORDLOFT_RECORDS_WORD_SOURCES_H

#include <cstdint>

#include "resource.h"

// Menu command ids that double as the stored WordSource.
constexpr uint32_t kSourceEnteredWord = IDM_ENTER_WORD;
constexpr uint32_t kSourceCustomWords = IDM_USE_CUSTOM_WORDS;
constexpr uint32_t kSourceRandomWords = IDM_USE_RANDOM_WORDS;
constexpr uint32_t kSourceFirstCategory = IDM_CATEGORY_FIRST;
constexpr uint32_t kSourceLastCategory = IDM_CATEGORY_LAST;
constexpr uint32_t kSourceAuthors = IDM_CATEGORY_AUTHORS;
// The values are stored in the preference file and must never move.
static_assert(kSourceEnteredWord == 32781 && kSourceCustomWords == 32783 && kSourceRandomWords == 32785,
              "stored word source commands");
static_assert(kSourceFirstCategory == 32797 && kSourceLastCategory == 32847 && kSourceAuthors == 32801,
              "stored category commands");

// One category per command of the Words menu's category range.
constexpr int kBuiltInCategoryCount = kSourceLastCategory - kSourceFirstCategory + 1;
static_assert(kBuiltInCategoryCount == 51, "51 built-in categories");

#endif
