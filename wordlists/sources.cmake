# The word-list file format and the editing rules of the custom list.
list(APPEND WORDLOFT_CORE_SOURCES
    wordlists/custom_word_list.cpp
    wordlists/list_entries.cpp
    wordlists/list_file.cpp
    wordlists/list_lines.cpp
    wordlists/list_report.cpp
    wordlists/list_text.cpp
    wordlists/wordlist_file.cpp)
# The word dialogs of the window shell, the word-list file dialogs, and
# the messages and question about list files.
list(APPEND WORDLOFT_SHELL_SOURCES
    wordlists/custom_words_dialog.cpp
    wordlists/entered_word_dialog.cpp
    wordlists/list_messages.cpp
    wordlists/open_list_dialog.cpp
    wordlists/random_categories_dialog.cpp
    wordlists/word_list_file_dialogs.cpp)
