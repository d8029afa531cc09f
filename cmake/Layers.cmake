# The areas of src/ are libraries in one order, each linked only to the ones
# below it (the link graph in src/*/CMakeLists.txt is the one statement of
# it; this picture follows it):
#
#   core <- settings <- device
#           settings <- meaning           (what a setting means)
#   device + meaning <- simulator
#   core <- ui_skin <- ui_dialogs (+ meaning) <- ui_main (+ device) <- app
#   meaning + simulator <- ctl (corvanectl: no ui library)
#
# Natively each area with Qt sources also has an <area>_qt library of its
# Qt hosts beside it, linked to the area; only the Linux window links them.
#
# An area's headers are not reached through src/ but through a folder of
# forwarding headers of its own, which only the area and the areas above it
# (through target_link_libraries) have on their include path. An include that
# points up a layer therefore finds no file and the build fails.

set(CORVANE_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/../src)
get_filename_component(CORVANE_SOURCE_ROOT ${CORVANE_SOURCE_ROOT} ABSOLUTE)

# corvane_add_area(<target> <folder> [EXCLUDE <subfolder>...] [SOURCES <file>...]
#                  [WIN32_SOURCES <file>...] [POSIX_SOURCES <file>...]
#                  [QT_SOURCES <file>...] [LINKS <target>...] [WIN32_LINKS <library>...])
# Sources are named relative to the area's folder. Sub-folders listed under
# EXCLUDE are areas of their own.
#
# QT_SOURCES (native builds only) make a second library, <target>_qt, of the
# area's Qt hosts: it links the area, Qt6::Widgets and the _qt libraries of
# the areas below. The area itself never links Qt, so a program that uses no
# window (corvanectl) does not depend on it.
function(corvane_add_area target folder)
    cmake_parse_arguments(ARG "" ""
                          "EXCLUDE;SOURCES;WIN32_SOURCES;POSIX_SOURCES;QT_SOURCES;LINKS;WIN32_LINKS"
                          ${ARGN})
    set(sources ${ARG_SOURCES})
    if(WIN32)
        list(APPEND sources ${ARG_WIN32_SOURCES})
    else()
        list(APPEND sources ${ARG_POSIX_SOURCES})
    endif()
    list(TRANSFORM sources PREPEND ${CORVANE_SOURCE_ROOT}/${folder}/)

    set(view ${CMAKE_BINARY_DIR}/layers/${target})
    if(sources)
        add_library(${target} STATIC ${sources})
        set(scope PUBLIC)
    else()
        add_library(${target} INTERFACE)
        set(scope INTERFACE)
    endif()
    target_include_directories(${target} ${scope} ${view})
    target_link_libraries(${target} ${scope} ${ARG_LINKS})
    if(WIN32 AND ARG_WIN32_LINKS)
        target_link_libraries(${target} ${scope} ${ARG_WIN32_LINKS})
    endif()

    if(ARG_QT_SOURCES AND NOT WIN32)
        set(qt_sources ${ARG_QT_SOURCES})
        list(TRANSFORM qt_sources PREPEND ${CORVANE_SOURCE_ROOT}/${folder}/)
        add_library(${target}_qt STATIC ${qt_sources})
        target_link_libraries(${target}_qt PUBLIC ${target} Qt6::Widgets)
        foreach(link IN LISTS ARG_LINKS)
            if(TARGET ${link}_qt)
                target_link_libraries(${target}_qt PUBLIC ${link}_qt)
            endif()
        endforeach()
    endif()

    file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE ${CORVANE_SOURCE_ROOT}
         ${CORVANE_SOURCE_ROOT}/${folder}/*.h)
    # A header that moved or went leaves no forwarding header behind, so that
    # an include of it fails in every build folder as in a new one.
    file(GLOB_RECURSE forwarded RELATIVE ${view} ${view}/*.h)
    foreach(old IN LISTS forwarded)
        if(NOT old IN_LIST headers)
            file(REMOVE ${view}/${old})
        endif()
    endforeach()
    foreach(header IN LISTS headers)
        set(own TRUE)
        foreach(excluded IN LISTS ARG_EXCLUDE)
            string(FIND "${header}" "${folder}/${excluded}/" at)
            if(at EQUAL 0)
                set(own FALSE)
            endif()
        endforeach()
        if(own)
            set(forward "#include \"${CORVANE_SOURCE_ROOT}/${header}\"\n")
            set(out ${view}/${header})
            if(EXISTS ${out})
                file(READ ${out} current)
            else()
                set(current "")
            endif()
            # Rewritten only when it changes, so a configure rebuilds nothing.
            if(NOT current STREQUAL forward)
                file(WRITE ${out} "${forward}")
            endif()
        endif()
    endforeach()
endfunction()

# corvane_check_links_avoid(<target> <regex>)
# Fails the configuration when <target> reaches, through the libraries it
# links (directly or through others), a target whose name matches <regex>:
# the link graph itself says which areas a program stands on. Call it once
# every area is defined.
function(corvane_check_links_avoid target pattern)
    set(pending ${target})
    set(seen "")
    while(pending)
        list(POP_FRONT pending current)
        if(current IN_LIST seen OR NOT TARGET ${current})
            continue()
        endif()
        list(APPEND seen ${current})
        set(links "")
        foreach(property INTERFACE_LINK_LIBRARIES LINK_LIBRARIES)
            get_target_property(listed ${current} ${property})
            if(listed)
                list(APPEND links ${listed})
            endif()
        endforeach()
        foreach(link IN LISTS links)
            # A private link of a static library is listed as $<LINK_ONLY:...>.
            string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
            if(link MATCHES "${pattern}")
                message(FATAL_ERROR "${target} reaches ${link} through ${current}; it may not "
                                    "link a library matching ${pattern}")
            endif()
            list(APPEND pending ${link})
        endforeach()
    endwhile()
endfunction()
