# Portable game rules: phrases, the engine, categories, random choice,
# sound cues, the statistics and streaks, the session's end.
list(APPEND WORDLOFT_CORE_SOURCES
    game/categories.cpp
    game/engine.cpp
    game/first_game.cpp
    game/game_state.cpp
    game/phrase.cpp
    game/random_choice.cpp
    game/session_end.cpp
    game/sound_cues.cpp
    game/statistics.cpp
    game/text_format.cpp)
