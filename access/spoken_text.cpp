// The spoken texts of the accessible objects and announcements.
#include "access/spoken_text.h"

#include "game/categories.h"
#include "game/game_state.h"
#include "game/phrase.h"
#include "records/preferences.h"

namespace {

bool IsShown(char c) {
    const int16_t letter = LetterIndexOf(c);
    return letter < 0 || GameState.LettersUsed[letter] == 1;
}

bool IsPhraseShownWhole() {
    for (uint16_t p = 0; p < GameState.PhraseLength; ++p) {
        if (!IsShown(GameState.Phrase[p])) return false;
    }
    return true;
}

int CountPhraseLetters() {
    int letters = 0;
    for (uint16_t p = 0; p < GameState.PhraseLength; ++p) {
        if (LetterIndexOf(GameState.Phrase[p]) >= 0) ++letters;
    }
    return letters;
}

int CountWords() {
    int words = 0;
    bool inWord = false;
    for (uint16_t p = 0; p < GameState.PhraseLength; ++p) {
        const bool space = GameState.Phrase[p] == ' ';
        if (!space && !inWord) ++words;
        inWord = !space;
    }
    return words;
}

std::string WholePhrase() { return std::string(GameState.Phrase, GameState.PhraseLength); }

std::string GuessesLeftPhrase() {
    if (GameState.GuessesLeft <= 0) return "no guesses left";
    return CountOf(GameState.GuessesLeft, "guess", "guesses") + " left";
}

}  // namespace

std::string CountOf(long count, const char* singular, const char* plural) {
    return std::to_string(count) + " " + (count == 1 ? singular : plural);
}

std::string SpokenPhrase() {
    if (IsPhraseShownWhole()) return WholePhrase();
    std::string spoken;
    for (uint16_t p = 0; p < GameState.PhraseLength; ++p) {
        const char c = GameState.Phrase[p];
        if (c == ' ') {
            spoken += ",";
            continue;
        }
        if (!spoken.empty()) spoken += ' ';
        if (IsShown(c)) {
            spoken += c;
        } else {
            spoken += "blank";
        }
    }
    return spoken;
}

std::string PhraseShape() {
    return CountOf(CountPhraseLetters(), "letter", "letters") + " in " + CountOf(CountWords(), "word", "words");
}

std::string LettersUsedText() {
    std::string used;
    for (int i = 0; i < kLetterCount; ++i) {
        if (GameState.LettersUsed[i] != 1) continue;
        used += used.empty() ? "Used: " : ", ";
        used += static_cast<char>('A' + i);
    }
    return used.empty() ? "None used" : used;
}

std::string GuessesLeftText() {
    return std::to_string(GameState.GuessesLeft) + " of " + std::to_string(GameState.MaxGuesses);
}

std::string StatisticsText(bool cumulative) {
    if (cumulative) {
        return "Total Games " + std::to_string(Preferences.TotalGames) + ", Total Wins " +
               std::to_string(Preferences.TotalWins) + ", Total Losses " + std::to_string(Preferences.TotalLosses) +
               ", Program Starts " + std::to_string(Preferences.ProgramStarts);
    }
    const long games = static_cast<long>(GameState.CurrentWins) + GameState.CurrentLosses;
    return "Games " + std::to_string(games) + ", Wins " + std::to_string(GameState.CurrentWins) + ", Losses " +
           std::to_string(GameState.CurrentLosses) + ", Winning Streak " + std::to_string(GameState.Streak);
}

std::string FaceText(uint16_t colour) {
    static const char* const kMoods[] = {"happy", "sad", "neutral"};
    static const char* const kColours[] = {"red", "green", "blue"};
    const char* mood = GameState.FaceMood <= kFaceNeutral ? kMoods[GameState.FaceMood] : kMoods[kFaceNeutral];
    return std::string(mood) + ", " + kColours[colour < 3 ? colour : 0];
}

std::string LetterCaseText() { return Preferences.UpperCaseLetters != 0 ? "capitals" : "small letters"; }

std::string NewGameText() {
    std::string source = SourceLabelOf(Preferences.WordSource);
    if (Preferences.WordSource == kSourceEnteredWord) source = "Entered Word";
    if (Preferences.WordSource >= kSourceFirstCategory && Preferences.WordSource <= kSourceLastCategory) {
        source = "Category: " + source;
    }
    return "New game, " + source + ". " + PhraseShape() + ": " + SpokenPhrase() + ". " +
           CountOf(GameState.GuessesLeft, "wrong guess", "wrong guesses") + " allowed.";
}

std::string GuessText(int16_t letterIndex, int16_t found) {
    const std::string letter(1, static_cast<char>('A' + letterIndex));
    if (found > 0) return letter + ", " + std::to_string(found) + " found.";
    return letter + ", not in the phrase, " + GuessesLeftPhrase() + ".";
}

std::string GameEndText(bool won, const char* information) {
    std::string text = won ? "You won. " : "You lost. ";
    text += "The phrase was " + WholePhrase() + ".";
    if (information != nullptr && information[0] != '\0') text += std::string(" ") + information;
    return text;
}

std::string StreakOfferText() {
    return "Your winning streak of " + std::to_string(GameState.EndedStreak) +
           " enters the scoreboard. Type your name.";
}

std::string GameStateText() {
    return SpokenPhrase() + ". " + PhraseShape() + ". " + GuessesLeftPhrase() + ". " + LettersUsedText() + ".";
}
