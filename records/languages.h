// The languages the program speaks and plays its words in.
#ifndef WORDLOFT_RECORDS_LANGUAGES_H
#define WORDLOFT_RECORDS_LANGUAGES_H

#include <cstdint>

// In the order of the program's resources and of the Word Language menu.
enum Language : int16_t { kEnglish = 0, kGerman = 1, kFrench = 2, kSpanish = 3 };
constexpr int16_t kLanguageCount = 4;

#endif
