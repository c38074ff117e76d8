// The built-in categories. Each category's text is loaded from the
// program's resources and split anew for every game; the draw keeps to
// positions not yet played in the current cycle.
#include "game/categories.h"

#include <cstdio>
#include <cstring>

#include "game/game_state.h"
#include "game/random_choice.h"
#include "game/requests.h"

const CategoryInfo Categories[kBuiltInCategoryCount] = {
    {"ANATOMY", "Anatomy", 58, false},
    {"ANIMALS", "Animals", 78, false},
    {"ARTISTS", "Artists", 31, false},
    {"ASTRONOMY", "Astronomy", 45, false},
    {"AUTHORS", "Authors", 63, true},
    {"BASEBALLTEAMS", "Baseball Teams", 30, false},
    {"BASKETBALLTEAMS", "Basketball Teams", 29, false},
    {"BESTACTORS", "Best Actors", 65, true},
    {"BESTACTRESSES", "Best Actresses", 59, true},
    {"BESTPICTURES", "Best Pictures", 64, true},
    {"BIRDS", "Birds", 62, false},
    {"BOOKS", "Books", 43, true},
    {"CANADA", "Canada", 35, false},
    {"CARS", "Cars", 78, false},
    {"CARTOONSANDCOMICS", "Cartoons and Comics", 49, false},
    {"CHRISTMAS", "Christmas", 61, false},
    {"CITIES", "Cities", 85, true},
    {"COLORS", "Colors", 70, false},
    {"COMPOSERS", "Composers", 56, true},
    {"COMPUTERBUZZWORDS", "Computer Buzzwords", 82, false},
    {"CONSTELLATIONS", "Constellations", 88, false},
    {"COUNTRIES", "Countries", 208, true},
    {"DESSERTS", "Desserts", 79, false},
    {"DINOSAURS", "Dinosaurs", 77, false},
    {"FOOTBALLTEAMS", "Football Teams", 31, false},
    {"FRUITS", "Fruits", 47, false},
    {"HARDWORDS", "Hard Words", 55, true},
    {"HOCKEYTEAMS", "Hockey Teams", 30, false},
    {"INSECTS", "Insects", 62, false},
    {"ISLANDS", "Islands", 46, true},
    {"MAGAZINES", "Magazines", 249, false},
    {"MONSTERS", "Monsters", 23, false},
    {"MUSICALINSTRUMENTS", "Musical Instruments", 37, false},
    {"MYTHOLOGY", "Mythology", 71, true},
    {"OPERAS", "Operas", 46, true},
    {"PLANETS", "Planets", 10, true},
    {"PRESIDENTS", "Presidents", 42, true},
    {"RELIGION", "Religion", 67, false},
    {"ROCKNROLL", "Rock 'n' Roll", 187, false},
    {"ROCKSANDMINERALS", "Rocks and Minerals", 91, false},
    {"SHAKESPEARE", "Shakespeare", 30, false},
    {"STARTREK", "Star Trek", 78, false},
    {"STATECAPITALS", "State Capitals", 50, true},
    {"STATES", "States", 50, true},
    {"STREETSIGNS", "Street Signs", 66, false},
    {"TELEVISIONSHOWS", "Television Shows", 193, false},
    {"TOOLS", "Tools", 61, false},
    {"TREES", "Trees", 111, false},
    {"VEGETABLES", "Vegetables", 43, false},
    {"VICEPRESIDENTS", "Vice Presidents", 45, true},
    {"WEATHER", "Weather", 64, false},
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
    std::snprintf(SourceLabel, sizeof SourceLabel, "%s", SourceLabelOf(wordSource));
}

const char* SourceLabelOf(uint32_t wordSource) {
    if (wordSource == kSourceEnteredWord) return "Entered Words";
    if (wordSource == kSourceCustomWords) return "Custom Words";
    if (wordSource == kSourceRandomWords) return "Random Words";
    if (wordSource >= kSourceFirstCategory && wordSource <= kSourceLastCategory)
        return Categories[wordSource - kSourceFirstCategory].MenuText;
    if (wordSource > kSourceLastCategory) return "?";
    return kUnknownSourceLabel;
}
