# What a screen reader is told: the portable spoken texts, and the
# accessible objects and announcements of the window shell.
list(APPEND WORDLOFT_CORE_SOURCES
    access/spoken_text.cpp)
list(APPEND WORDLOFT_SHELL_SOURCES
    access/accessible_node.cpp
    access/announcer.cpp
    access/game_access.cpp)
