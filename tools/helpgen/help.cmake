# The help files beside the program, one set for each language's help
# source in resources/help: wordloft-help.txt gives the English wlthelp.hlp,
# and for systems without a WinHelp viewer wlthelp.htm with its topic page
# wlthelp-104.htm (the page the word dialogs' Help buttons open);
# wordloft-help-de.txt gives wlthelp-de.hlp, wlthelp-de.htm and
# wlthelp-de-104.htm, and so on. Built by tools/helpgen (Python standard
# library only). A new context number in the help sources brings a new
# topic page: name it here too.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
file(GLOB HELP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/help/wordloft-help*.txt)
file(GLOB HELPGEN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/helpgen/*.py)
set(HELP_OUTPUTS)
foreach(source IN LISTS HELP_SOURCES)
    get_filename_component(name ${source} NAME_WE)
    string(REPLACE "wordloft-help" "wlthelp" stem ${name})
    set(outputs ${CMAKE_BINARY_DIR}/${stem}.hlp ${CMAKE_BINARY_DIR}/${stem}.htm ${CMAKE_BINARY_DIR}/${stem}-104.htm)
    add_custom_command(
        OUTPUT ${outputs}
        COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tools/helpgen/helpgen.py ${source}
                --hlp ${CMAKE_BINARY_DIR}/${stem}.hlp --htm ${CMAKE_BINARY_DIR}/${stem}.htm
        DEPENDS ${source} ${HELPGEN_SOURCES}
        COMMENT "Building the help file ${stem}.hlp"
        VERBATIM)
    list(APPEND HELP_OUTPUTS ${outputs})
endforeach()
add_custom_target(wordloft_help ALL DEPENDS ${HELP_OUTPUTS})
