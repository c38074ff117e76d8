// The built-in categories. Each category's text is loaded from the
// program's resources and split anew for every game; the draw keeps to
// positions not yet played in the current cycle.
#include "game/categories.h"

#include <cstdio>
#include <cstring>

#include "game/game_state.h"
#include "game/random_choice.h"
#include "game/requests.h"
#include "records/record_requests.h"
#include "resource.h"

const CategoryInfo Categories[kBuiltInCategoryCount] = {
    {"ANATOMY", 58, false},
    {"ANIMALS", 78, false},
    {"ARTISTS", 31, false},
    {"ASTRONOMY", 45, false},
    {"AUTHORS", 63, true},
    {"BASEBALLTEAMS", 30, false},
    {"BASKETBALLTEAMS", 29, false},
    {"BESTACTORS", 65, true},
    {"BESTACTRESSES", 59, true},
    {"BESTPICTURES", 64, true},
    {"BIRDS", 62, false},
    {"BOOKS", 43, true},
    {"CANADA", 35, false},
    {"CARS", 78, false},
    {"CARTOONSANDCOMICS", 49, false},
    {"CHRISTMAS", 61, false},
    {"CITIES", 85, true},
    {"COLORS", 70, false},
    {"COMPOSERS", 56, true},
    {"COMPUTERBUZZWORDS", 82, false},
    {"CONSTELLATIONS", 88, false},
    {"COUNTRIES", 208, true},
    {"DESSERTS", 79, false},
    {"DINOSAURS", 77, false},
    {"FOOTBALLTEAMS", 31, false},
    {"FRUITS", 47, false},
    {"HARDWORDS", 55, true},
    {"HOCKEYTEAMS", 30, false},
    {"INSECTS", 62, false},
    {"ISLANDS", 46, true},
    {"MAGAZINES", 249, false},
    {"MONSTERS", 23, false},
    {"MUSICALINSTRUMENTS", 37, false},
    {"MYTHOLOGY", 71, true},
    {"OPERAS", 46, true},
    {"PLANETS", 10, true},
    {"PRESIDENTS", 42, true},
    {"RELIGION", 67, false},
    {"ROCKNROLL", 187, false},
    {"ROCKSANDMINERALS", 91, false},
    {"SHAKESPEARE", 30, false},
    {"STARTREK", 78, false},
    {"STATECAPITALS", 50, true},
    {"STATES", 50, true},
    {"STREETSIGNS", 66, false},
    {"TELEVISIONSHOWS", 193, false},
    {"TOOLS", 61, false},
    {"TREES", 111, false},
    {"VEGETABLES", 43, false},
    {"VICEPRESIDENTS", 45, true},
    {"WEATHER", 64, false},
};

Language WordLanguage = kEnglish;

void ChangeWordLanguage(Language language) {
    if (language == WordLanguage) return;
    WordLanguage = language;
    ClearUsedPhrases(0, kBuiltInCategoryCount - 1);
}

namespace {

// Copies at most size - 1 characters of source into field, terminated.
void CopyField(char* field, size_t size, const char* source) {
    std::strncpy(field, source, size - 1);
    field[size - 1] = '\0';
}

}  // namespace

int16_t SplitCategoryText(char* text, CategoryEntry* entries) {
    int16_t count = 0;
    char* context = text;
    // Lines are the runs between CR and LF characters, as strtok splits
    // them; the walk is written out so that it keeps no hidden state.
    while (count < kCategoryMaxEntries) {
        context += std::strspn(context, "\r\n");
        if (*context == '\0') break;
        char* line = context;
        context += std::strcspn(context, "\r\n");
        if (*context != '\0') *context++ = '\0';

        CategoryEntry& entry = entries[count++];
        char* colon = std::strchr(line, ':');
        if (colon != nullptr) {
            *colon = '\0';
            CopyField(entry.Information, sizeof entry.Information, colon + 1);
        } else {
            entry.Information[0] = '\0';
        }
        CopyField(entry.Phrase, sizeof entry.Phrase, line);
    }
    return count;
}

void DrawCategoryPhrase(const char* resourceName, int16_t listId) {
    static char CategoryText[kCategoryTextSize];
    static CategoryEntry entries[kCategoryMaxEntries];

    SetDefaultPhrase();
    if (!LoadCategoryText(resourceName, CategoryText, sizeof CategoryText, kCategoryErrorStringId)) return;
    const int16_t count = SplitCategoryText(CategoryText, entries);
    if (count == 0) return;
    const int16_t i = PickUnusedIndex(listId, count);
    SetGamePhrase(entries[i].Phrase, entries[i].Information);
}

char SourceLabel[kCategoryMenuTextSize] = "";

void SetSourceLabel(uint32_t wordSource) {
    std::snprintf(SourceLabel, sizeof SourceLabel, "%s", SourceLabelOf(wordSource).c_str());
}

std::string CategoryName(Language words, int k) {
    return ProgramText(static_cast<int16_t>(IDS_CATEGORY_NAME_FIRST + IDS_CATEGORY_NAMES_PER_LANGUAGE * words + k));
}

std::string SourceLabelOf(uint32_t wordSource) {
    if (wordSource == kSourceEnteredWord) return ProgramText(IDS_SOURCE_ENTERED_WORDS);
    if (wordSource == kSourceCustomWords) return ProgramText(IDS_SOURCE_CUSTOM_WORDS);
    if (wordSource == kSourceRandomWords) return ProgramText(IDS_SOURCE_RANDOM_WORDS);
    if (wordSource >= kSourceFirstCategory && wordSource <= kSourceLastCategory)
        return CategoryName(WordLanguage, static_cast<int>(wordSource - kSourceFirstCategory));
    if (wordSource > kSourceLastCategory) return "?";
    return kUnknownSourceLabel;
}
