# System DLLs that nothing before the first paint calls are loaded when the
# program first calls into them, not when it starts: each such DLL is
# linked through a delay-load import library that MinGW's dlltool makes
# from cmake/delay-load/NAME.def. The .def lists every function the
# program calls from that DLL, with the 32-bit stdcall decoration
# ("GetOpenFileNameW@4", the bytes of its arguments); the 64-bit build
# takes the same names without it. A call to a function missing from its
# .def does not link: add the function there. platform/delay_load.cpp
# reports a DLL or function that Windows cannot supply at the first call.
#
#   wordloft_delay_load(TARGET DLL...)
function(wordloft_delay_load target)
    set(folder ${CMAKE_BINARY_DIR}/delay-load)
    file(MAKE_DIRECTORY ${folder})
    foreach(dll IN LISTS ARGN)
        set(source ${CMAKE_SOURCE_DIR}/cmake/delay-load/${dll}.def)
        set(library ${folder}/lib${dll}_delay.a)
        if(CMAKE_SIZEOF_VOID_P EQUAL 8)
            # No decoration in 64-bit code: the same names without "@N".
            file(READ ${source} text)
            string(REGEX REPLACE "@[0-9]+" "" text "${text}")
            set(definition ${folder}/${dll}.def)
            # Written only when it changes, so that an unchanged list
            # does not remake the library.
            set(old)
            if(EXISTS ${definition})
                file(READ ${definition} old)
            endif()
            if(NOT old STREQUAL text)
                file(WRITE ${definition} "${text}")
            endif()
            set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
            set(kill_at)
        else()
            set(definition ${source})
            # The symbols keep their decoration; the names looked up in the
            # DLL are the plain ones.
            set(kill_at --kill-at)
        endif()
        # Made inside its folder: the library's symbol names come from the
        # name it is given, which then holds no path of this machine.
        add_custom_command(OUTPUT ${library}
            COMMAND ${CMAKE_DLLTOOL} --input-def ${definition} --output-delaylib lib${dll}_delay.a ${kill_at}
            WORKING_DIRECTORY ${folder}
            DEPENDS ${definition}
            COMMENT "Making the delay-load import library of ${dll}.dll"
            VERBATIM)
        list(APPEND libraries ${library})
        # The 32-bit linker drops the code of an import library's stub that
        # no object names, and the program calls through the address slot
        # only; but here that stub is what loads the DLL, and a dropped one
        # leaves the slot empty. Each stub is asked for by name (in both
        # builds: it costs nothing).
        file(STRINGS ${source} functions REGEX "^[A-Za-z_][A-Za-z0-9_]*@[0-9]+$")
        foreach(function IN LISTS functions)
            if(CMAKE_SIZEOF_VOID_P EQUAL 8)
                string(REGEX REPLACE "@[0-9]+$" "" function ${function})
            else()
                set(function _${function})
            endif()
            target_link_options(${target} PRIVATE "LINKER:-u,${function}")
        endforeach()
    endforeach()
    add_custom_target(${target}_delay_load DEPENDS ${libraries})
    add_dependencies(${target} ${target}_delay_load)
    target_link_libraries(${target} PRIVATE ${libraries})
endfunction()
