# Shortcut installation.
list(APPEND WORDLOFT_SHELL_SOURCES
    install/shortcuts.cpp)
