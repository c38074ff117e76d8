# Program entry, main window, menus, commands and utilities.
list(APPEND WORDLOFT_SHELL_SOURCES
    app/about_box.cpp
    app/help.cpp
    app/main.cpp
    app/main_window.cpp
    app/menu_commands.cpp
    app/menu_state.cpp
    app/system_files.cpp
    app/utilities.cpp)
