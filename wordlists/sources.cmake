# The word-list file format.
list(APPEND WORDLOFT_CORE_SOURCES
    wordlists/wordlist_file.cpp)
