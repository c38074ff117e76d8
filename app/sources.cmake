# Program entry, main window, window procedure, menu state and caption,
# and every menu command.
list(APPEND WORDLOFT_SHELL_SOURCES
    app/about_box.cpp
    app/list_from_outside.cpp
    app/main.cpp
    app/main_window.cpp
    app/menu_commands.cpp
    app/menu_state.cpp
    app/window_scale.cpp
    app/scoreboard_commands.cpp
    app/word_list_commands.cpp)
