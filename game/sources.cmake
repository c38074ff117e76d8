# Portable game rules; the sound playback of the shell lives beside them.
list(APPEND WORDLOFT_CORE_SOURCES
    game/categories.cpp
    game/engine.cpp
    game/first_game.cpp
    game/game_state.cpp
    game/phrase.cpp
    game/random_choice.cpp
    game/sound_cues.cpp)
list(APPEND WORDLOFT_SHELL_SOURCES
    game/category_resource.cpp
    game/sound_playback.cpp)
