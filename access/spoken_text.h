// What the game says to a screen reader: the texts of the accessible
// objects and of the announcements, built from GameState and Preferences
// the way a sighted player reads the painted scene, in the language the
// program speaks (its string table's patterns). Portable: texts only. The
// examples below are the English texts.
//
// Every text is written to be spoken as it stands. A phrase whose letters
// are all shown is given as its words in small letters (capitals would be
// spelt out as abbreviations by some voices); while letters are missing,
// each position is said on its own: a capital letter (read as the
// letter's name, where a small "a" would be the article) or "blank", a
// comma between words so that a synthesiser pauses there. A character
// other than a letter or a space is named ("hyphen", "apostrophe").
#ifndef WORDLOFT_ACCESS_SPOKEN_TEXT_H
#define WORDLOFT_ACCESS_SPOKEN_TEXT_H

#include <cstdint>
#include <string>

// The phrase band as it stands: "J blank blank E, A blank blank blank E
// blank", or "jane austen" once every letter is shown.
std::string SpokenPhrase();

// "10 letters in 2 words", "1 letter in 1 word".
std::string PhraseShape();

// The letters used so far in the game, "Used: A, E, Z", or "None used".
std::string LettersUsedText();

// The guess meter: "4 of 6".
std::string GuessesLeftText();

// The four numbers of the statistics panel with the labels of its picture;
// a losing run is said as one: "Losing Streak 2".
std::string StatisticsText(bool cumulative);

// The face: "happy, red"; colour is 0 red, 1 green, 2 blue.
std::string FaceText(uint16_t colour);

// The letter panel's case: "capitals" or "small letters".
std::string LetterCaseText();

// The announcements of the game's moments.
std::string NewGameText();
// A guess the game goes on after: "Letter O: 2 found. O blank, blank O
// blank." or "Letter Z: not in the phrase. 3 guesses left."
std::string GuessText(int16_t letterIndex, int16_t found);
// The guess that ended the game, said first of the game's end: "Letter W:
// 1 found." or "Letter L: not in the phrase."
std::string LastGuessText(int16_t letterIndex, int16_t found);
std::string GameEndText(bool won, const char* information);
std::string StreakOfferText();
// The whole game once more: phrase, shape, guesses left, letters used.
std::string GameStateText();

#endif
