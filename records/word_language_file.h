// The language the player chose for the words, kept between runs in a
// small file of its own beside the record ("WWLTLANG.DAT"), so that the
// record keeps its size and an older version still reads it. The file
// holds the language's two-letter code ("en", "de", "fr", "es") and a line
// end.
#ifndef WORDLOFT_RECORDS_WORD_LANGUAGE_FILE_H
#define WORDLOFT_RECORDS_WORD_LANGUAGE_FILE_H

#include "records/languages.h"

// The language the file names; fallback when there is no file or it names
// none.
Language LoadWordLanguage(Language fallback);

// Keeps the choice; 1 when it was written. A failure is not reported: the
// choice holds for this run.
int16_t SaveWordLanguage(Language language);

#endif
