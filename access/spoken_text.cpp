// The spoken texts of the accessible objects and announcements.
#include "access/spoken_text.h"

#include "game/categories.h"
#include "game/game_state.h"
#include "game/phrase.h"
#include "game/text_format.h"
#include "records/preferences.h"
#include "records/record_requests.h"
#include "resource.h"

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
        int16_t Name;
    } kNames[] = {{'\'', IDS_SAY_APOSTROPHE},
                  {'-', IDS_SAY_HYPHEN},
                  {'.', IDS_SAY_PERIOD},
                  {',', IDS_SAY_COMMA},
                  {'!', IDS_SAY_EXCLAMATION_MARK},
                  {'?', IDS_SAY_QUESTION_MARK},
                  {'&', IDS_SAY_AMPERSAND},
                  {':', IDS_SAY_COLON},
                  {';', IDS_SAY_SEMICOLON},
                  {'"', IDS_SAY_QUOTE},
                  {'(', IDS_SAY_OPEN_BRACKET},
                  {')', IDS_SAY_CLOSE_BRACKET},
                  {'/', IDS_SAY_SLASH},
                  {'\x92', IDS_SAY_APOSTROPHE}};
    for (const auto& entry : kNames) {
        if (entry.Character == c) return ProgramText(entry.Name);
    }
    if (c >= '0' && c <= '9') return std::string(1, c);
    return ProgramText(IDS_SAY_SYMBOL);
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
    if (GameState.GuessesLeft <= 0) return ProgramText(IDS_SAY_NO_GUESSES_LEFT);
    return FormatProgramText(IDS_SAY_GUESSES_LEFT, {std::to_string(GameState.GuessesLeft)});
}

std::string LetterName(int16_t letterIndex) {
    return FormatProgramText(IDS_SAY_LETTER, {std::string(1, static_cast<char>('A' + letterIndex))});
}

}  // namespace

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
            spoken += ProgramText(IDS_SAY_BLANK);
        }
    }
    return spoken;
}

std::string PhraseShape() {
    return FormatProgramText(IDS_SAY_PHRASE_SHAPE, {std::to_string(CountPhraseLetters()), std::to_string(CountWords())});
}

std::string LettersUsedText() {
    std::string used;
    for (int i = 0; i < kLetterCount; ++i) {
        if (GameState.LettersUsed[i] != 1) continue;
        if (!used.empty()) used += ", ";
        used += static_cast<char>('A' + i);
    }
    return used.empty() ? ProgramText(IDS_SAY_NONE_USED) : FormatProgramText(IDS_SAY_LETTERS_USED, {used});
}

std::string GuessesLeftText() {
    return FormatProgramText(IDS_SAY_GUESSES_OF,
                             {std::to_string(GameState.GuessesLeft), std::to_string(GameState.MaxGuesses)});
}

std::string StatisticsText(bool cumulative) {
    if (cumulative) {
        return FormatProgramText(IDS_SAY_CUMULATIVE_STATISTICS,
                                 {std::to_string(Preferences.TotalGames), std::to_string(Preferences.TotalWins),
                                  std::to_string(Preferences.TotalLosses), std::to_string(Preferences.ProgramStarts)});
    }
    const long games = static_cast<long>(GameState.CurrentWins) + GameState.CurrentLosses;
    const std::string streak = GameState.Streak < 0
                                   ? FormatProgramText(IDS_SAY_LOSING_STREAK, {std::to_string(-GameState.Streak)})
                                   : FormatProgramText(IDS_SAY_WINNING_STREAK, {std::to_string(GameState.Streak)});
    return FormatProgramText(IDS_SAY_CURRENT_STATISTICS, {std::to_string(games), std::to_string(GameState.CurrentWins),
                                                          std::to_string(GameState.CurrentLosses), streak});
}

std::string FaceText(uint16_t colour) {
    static const int16_t kMoods[] = {IDS_SAY_HAPPY, IDS_SAY_SAD, IDS_SAY_NEUTRAL};
    static const int16_t kColours[] = {IDS_SAY_RED, IDS_SAY_GREEN, IDS_SAY_BLUE};
    const int16_t mood = GameState.FaceMood <= kFaceNeutral ? kMoods[GameState.FaceMood] : kMoods[kFaceNeutral];
    return FormatProgramText(IDS_SAY_FACE, {ProgramText(mood), ProgramText(kColours[colour < 3 ? colour : 0])});
}

std::string LetterCaseText() {
    return ProgramText(Preferences.UpperCaseLetters != 0 ? IDS_SAY_CAPITALS : IDS_SAY_SMALL_LETTERS);
}

std::string NewGameText() {
    std::string source = SourceLabelOf(Preferences.WordSource);
    if (Preferences.WordSource == kSourceEnteredWord) source = ProgramText(IDS_SAY_ENTERED_WORD);
    if (Preferences.WordSource >= kSourceFirstCategory && Preferences.WordSource <= kSourceLastCategory) {
        source = FormatProgramText(IDS_SAY_CATEGORY, {source});
    }
    return FormatProgramText(IDS_SAY_NEW_GAME,
                             {source, PhraseShape(), SpokenPhrase(), std::to_string(GameState.GuessesLeft)});
}

std::string GuessText(int16_t letterIndex, int16_t found) {
    if (found > 0) return LastGuessText(letterIndex, found) + " " + SpokenPhrase() + ".";
    return LastGuessText(letterIndex, found) + " " + GuessesLeftPhrase() + ".";
}

std::string LastGuessText(int16_t letterIndex, int16_t found) {
    if (found > 0) return FormatProgramText(IDS_SAY_LETTER_FOUND, {LetterName(letterIndex), std::to_string(found)});
    return FormatProgramText(IDS_SAY_LETTER_NOT_FOUND, {LetterName(letterIndex)});
}

std::string GameEndText(bool won, const char* information) {
    std::string text = FormatProgramText(won ? IDS_SAY_YOU_WON : IDS_SAY_YOU_LOST, {WholePhrase()});
    if (information != nullptr && information[0] != '\0') text += std::string(" ") + information;
    return text;
}

std::string StreakOfferText() {
    return FormatProgramText(IDS_SAY_STREAK_OFFER, {std::to_string(GameState.EndedStreak)});
}

std::string GameStateText() {
    return SpokenPhrase() + ". " + PhraseShape() + ". " + GuessesLeftPhrase() + ". " + LettersUsedText() + ".";
}
