# What the program asks of Windows itself, below every feature folder.
list(APPEND WORDLOFT_SHELL_SOURCES
    platform/windows_version.cpp)
