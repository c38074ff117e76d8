# The stored record, at the bottom of the core: the preference file, the
# five scoreboards (their order and the rules of an entry), the whole-file
# save, and the requests the record makes of the shell.
list(APPEND WORDLOFT_CORE_SOURCES
    records/preferences.cpp
    records/scoreboards.cpp
    records/whole_file.cpp
    records/word_language_file.cpp)
