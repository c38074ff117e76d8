# Scene geometry and drawing: the portable layout and tables, and the
# panels that draw them with GDI.
list(APPEND WORDLOFT_CORE_SOURCES
    render/scene_layout.cpp
    render/display_scale.cpp
    render/phrase_layout.cpp
    render/stage_table.cpp
    render/contrast_pairs.cpp)
list(APPEND WORDLOFT_SHELL_SOURCES
    render/drawing_resources.cpp
    render/contrast_look.cpp
    render/drawing.cpp
    render/scene_paint.cpp
    render/scene_buffer.cpp
    render/letter_panel.cpp
    render/phrase_display.cpp
    render/scene_stages.cpp
    render/guess_meter.cpp
    render/face_and_statistics.cpp)
