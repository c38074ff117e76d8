// What the game says to a screen reader: the texts of the accessible
// objects and of the announcements, built from GameState and Preferences
// the way a sighted player reads the painted scene. Portable: texts only.
//
// Blanks are spoken as "blank", letters within a word are separated by a
// space and words by a comma, so that a synthesiser pauses at each word
// break; a complete phrase is given as its words.
#ifndef WORDLOFT_ACCESS_SPOKEN_TEXT_H
#define WORDLOFT_ACCESS_SPOKEN_TEXT_H

#include <cstdint>
#include <string>

// The phrase band as it stands: "J blank blank E, A blank blank blank E
// blank", or "JANE AUSTEN" once every letter is shown.
std::string SpokenPhrase();

// "10 letters in 2 words", "1 letter in 1 word".
std::string PhraseShape();

// The letters used so far in the game, "Used: A, E, Z", or "None used".
std::string LettersUsedText();

// The guess meter: "4 of 6".
std::string GuessesLeftText();

// The four numbers of the statistics panel with the labels of its picture.
std::string StatisticsText(bool cumulative);

// The face: "happy, red"; colour is 0 red, 1 green, 2 blue.
std::string FaceText(uint16_t colour);

// The letter panel's case: "capitals" or "small letters".
std::string LetterCaseText();

// The announcements of the game's moments.
std::string NewGameText();
std::string GuessText(int16_t letterIndex, int16_t found);
std::string GameEndText(bool won, const char* information);
std::string StreakOfferText();
// The whole game once more: phrase, shape, guesses left, letters used.
std::string GameStateText();

// "1 word", "2 words": a count with its noun.
std::string CountOf(long count, const char* singular, const char* plural);

#endif
