// The languages the program speaks, and sentences made from the program's
// texts. A text with numbers or names is a pattern: "{0}" stands for the
// first value given, "{1}" for the second, and "{0|letter|letters}" for
// the word that goes with the number in the first value, in the singular
// or the plural by the rules of the language the program speaks, so that
// each language keeps its own word order and plurals.
#ifndef WORDLOFT_GAME_TEXT_FORMAT_H
#define WORDLOFT_GAME_TEXT_FORMAT_H

#include <cstdint>
#include <initializer_list>
#include <string>

#include "records/languages.h"


// The language the program speaks; set once at start from Windows' user
// interface language.
extern Language TextLanguage;

// True when a count takes the singular in the language: 1 in English,
// German and Spanish; 0 and 1 in French.
bool TakesSingular(Language language, long count);

// The pattern with its values put in (see above); a value that a plural
// choice refers to is read as a number.
std::string FormatText(const std::string& pattern, std::initializer_list<std::string> values);

// A text of the program's string table (records/record_requests.h) made
// into a sentence with FormatText.
std::string FormatProgramText(int16_t id, std::initializer_list<std::string> values);

#endif
