# The winning-streak scoreboard: its portable rules (the name rule and the
# entry), and the two dialogs, the board and its accessible objects.
list(APPEND WORDLOFT_CORE_SOURCES
    scoreboard/scoreboard_rules.cpp)
list(APPEND WORDLOFT_SHELL_SOURCES
    scoreboard/scoreboard_access.cpp
    scoreboard/scoreboard_board.cpp
    scoreboard/scoreboard_dialog.cpp)
