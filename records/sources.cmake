# The preference record, statistics and scoreboard rules.
list(APPEND WORDLOFT_CORE_SOURCES
    records/preferences.cpp
    records/session_end.cpp
    records/statistics.cpp
    records/whole_file.cpp)

# The scoreboard dialogs and the drawing of the board.
list(APPEND WORDLOFT_SHELL_SOURCES
    records/scoreboard_dialog.cpp
    records/scoreboard_board.cpp)
