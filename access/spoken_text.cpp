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

// The small letter of a phrase letter's capital in Windows-1252: A..Z and
// the accented capitals 0xC0..0xDE sit 0x20 below their small letters, the
// OE ligature and Y diaeresis have theirs at 0x9C and 0xFF.
char SmallLetter(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) return static_cast<char>(u + 0x20);
    if (u == 0x8C) return static_cast<char>(0x9C);
    if (u == 0x9F) return static_cast<char>(0xFF);
    return c;
}

// The name of a character that is neither a letter nor a space; a digit
// stands for itself.
std::string CharacterName(char c) {
    static const struct {
        char Character;
        const char* Name;
    } kNames[] = {{'\'', "apostrophe"}, {'-', "hyphen"},      {'.', "period"},     {',', "comma"},
                  {'!', "exclamation mark"}, {'?', "question mark"}, {'&', "ampersand"}, {':', "colon"},
                  {';', "semicolon"}, {'"', "quote"},        {'(', "open bracket"}, {')', "close bracket"},
                  {'/', "slash"},     {'\x92', "apostrophe"}};
    for (const auto& entry : kNames) {
        if (entry.Character == c) return entry.Name;
    }
    if (c >= '0' && c <= '9') return std::string(1, c);
    return "symbol";
}

// The whole phrase in small letters, word by word, other characters named.
std::string WholePhrase() {
    std::string spoken;
    bool separate = false;  // the last thing said was a name, not a letter
    for (uint16_t p = 0; p < GameState.PhraseLength; ++p) {
        const char c = GameState.Phrase[p];
        if (c == ' ') {
            spoken += ' ';
            separate = false;
        } else if (LetterIndexOf(c) >= 0) {
            if (separate) spoken += ' ';
            spoken += SmallLetter(c);
            separate = false;
        } else {
            if (!spoken.empty() && spoken.back() != ' ') spoken += ' ';
            spoken += CharacterName(c);
            separate = true;
        }
    }
    return spoken;
}

std::string GuessesLeftPhrase() {
    if (GameState.GuessesLeft <= 0) return "no guesses left";
    return CountOf(GameState.GuessesLeft, "guess", "guesses") + " left";
}

std::string LetterName(int16_t letterIndex) { return std::string("Letter ") + static_cast<char>('A' + letterIndex); }

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
        if (LetterIndexOf(c) < 0) {
            spoken += CharacterName(c);
        } else if (IsShown(c)) {
            spoken += UpperCasePhraseChar(c);
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
    const std::string streak = GameState.Streak < 0 ? "Losing Streak " + std::to_string(-GameState.Streak)
                                                    : "Winning Streak " + std::to_string(GameState.Streak);
    return "Games " + std::to_string(games) + ", Wins " + std::to_string(GameState.CurrentWins) + ", Losses " +
           std::to_string(GameState.CurrentLosses) + ", " + streak;
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
    if (found > 0) return LastGuessText(letterIndex, found) + " " + SpokenPhrase() + ".";
    return LastGuessText(letterIndex, found) + " " + GuessesLeftPhrase() + ".";
}

std::string LastGuessText(int16_t letterIndex, int16_t found) {
    if (found > 0) return LetterName(letterIndex) + ": " + std::to_string(found) + " found.";
    return LetterName(letterIndex) + ": not in the phrase.";
}

std::string GameEndText(bool won, const char* information) {
    std::string text = won ? "You won. " : "You lost. ";
    text += "The phrase was " + WholePhrase() + ".";
    if (information != nullptr && information[0] != '\0') text += std::string(" ") + information;
    return text;
}

std::string StreakOfferText() {
    return "Your winning streak of " + std::to_string(GameState.EndedStreak) + " enters the scoreboard.";
}

std::string GameStateText() {
    return SpokenPhrase() + ". " + PhraseShape() + ". " + GuessesLeftPhrase() + ". " + LettersUsedText() + ".";
}
