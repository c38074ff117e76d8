# The word-list file format.
list(APPEND WORDLOFT_CORE_SOURCES
    wordlists/wordlist_file.cpp)
# The word dialogs of the window shell.
list(APPEND WORDLOFT_SHELL_SOURCES
    wordlists/entered_word_dialog.cpp)
