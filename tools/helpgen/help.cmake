# The help file beside the program: wlthelp.hlp, and for systems without a
# WinHelp viewer wlthelp.htm with its topic page wlthelp-104.htm (the page
# the word dialogs' Help buttons open), built from resources/help by
# tools/helpgen (Python standard library only). A new context number in the
# help source brings a new topic page: name it here too.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(HELP_SOURCE ${CMAKE_SOURCE_DIR}/resources/help/wordloft-help.txt)
set(HELP_OUTPUTS ${CMAKE_BINARY_DIR}/wlthelp.hlp ${CMAKE_BINARY_DIR}/wlthelp.htm
    ${CMAKE_BINARY_DIR}/wlthelp-104.htm)
file(GLOB HELPGEN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/helpgen/*.py)
add_custom_command(
    OUTPUT ${HELP_OUTPUTS}
    COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tools/helpgen/helpgen.py ${HELP_SOURCE}
            --hlp ${CMAKE_BINARY_DIR}/wlthelp.hlp --htm ${CMAKE_BINARY_DIR}/wlthelp.htm
    DEPENDS ${HELP_SOURCE} ${HELPGEN_SOURCES}
    COMMENT "Building the help file wlthelp.hlp"
    VERBATIM)
add_custom_target(wordloft_help ALL DEPENDS ${HELP_OUTPUTS})
