// Phrase rules: which characters a phrase may hold and which letter each
// character counts as. All text is Windows-1252; every function here is a
// pure function of its input.
#ifndef WORDLOFT_GAME_PHRASE_H
#define WORDLOFT_GAME_PHRASE_H

#include <cstdint>

// The letter 'A'..'Z' that a character counts as when guessing; every
// character that is not a phrase letter (the space included) is returned
// unchanged.
char FoldLetter(char c);

// Upper-cases one phrase character: a..z and the accented small letters
// that have a capital in the code page; everything else (including the
// German sharp s) is returned unchanged.
char UpperCasePhraseChar(char c);

// Applies UpperCasePhraseChar to a zero-terminated text, in place.
void UpperCasePhrase(char* text);

// True for A..Z, a..z and the 57 accented letters of the phrase alphabet.
bool IsPhraseLetter(char c);

// 1 when text is a valid phrase: 1 to 26 characters, only phrase letters
// and spaces, no leading space and no two spaces in a row; 0 otherwise.
int16_t IsValidPhrase(const char* text);

// The letter number 0..25 that a character guesses, or -1 when it is not
// a phrase letter.
int16_t LetterIndexOf(char c);

#endif
