# The Win32 base under every feature folder: the program's handles, the
# utilities every part uses, the help, the Windows version, system folders
# and files, system libraries, resource loading and sound playback. It
# stands on the portable core only; which queue flags a Windows version
# takes is portable.
list(APPEND WORDLOFT_CORE_SOURCES
    platform/frame_clicks.cpp
    platform/queue_flags.cpp
    platform/unpacking.cpp)
list(APPEND WORDLOFT_SHELL_SOURCES
    platform/category_resource.cpp
    platform/delay_load.cpp
    platform/display_dpi.cpp
    platform/held_messages.cpp
    platform/help.cpp
    platform/language_pictures.cpp
    platform/pauses.cpp
    platform/player_settings.cpp
    platform/program_handles.cpp
    platform/program_texts.cpp
    platform/sound_playback.cpp
    platform/system_library.cpp
    platform/system_files.cpp
    platform/utilities.cpp
    platform/wide_paths.cpp
    platform/windows_version.cpp)
