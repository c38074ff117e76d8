// The program's string tables as the resource scripts have them, for the
// recording shell's ProgramText: resources/resource.h gives each IDS_ name
// its number, resources/lang/CODE.rc each language's texts.
#ifndef WORDLOFT_TESTS_STRING_TABLES_H
#define WORDLOFT_TESTS_STRING_TABLES_H

#include <map>
#include <string>

#include "records/languages.h"

// Every text of a language's string table by its number, read once.
const std::map<int, std::string>& StringTable(Language language);

#endif
