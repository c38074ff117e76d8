# The winning-streak scoreboard's two dialogs, the board and its accessible
# objects, over the rules of the boards in records/scoreboards.h.
list(APPEND WORDLOFT_SHELL_SOURCES
    scoreboard/scoreboard_access.cpp
    scoreboard/scoreboard_board.cpp
    scoreboard/scoreboard_dialog.cpp)
