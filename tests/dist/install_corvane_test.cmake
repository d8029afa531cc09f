# cmake -D BUILD_DIR=... -D SOURCE_DIR=... -D OUT=... [-D VALIDATE=desktop-file-validate]
#       -P install_corvane_test.cmake
# The install step's corvane component: the program with every skin image
# where it looks for them (../share/corvane/Skins from its folder), its man
# page and AppStream data, the desktop entry, the icon in every hicolor size
# and the autostart example, each where a desktop looks for it, and each
# desktop entry clean under desktop-file-validate.
cmake_minimum_required(VERSION 3.20)
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --component corvane
                        --prefix ${OUT}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install --component corvane failed: ${rc}")
endif()

set(expected
    bin/corvane
    share/applications/org.corvane.Corvane.desktop
    share/man/man1/corvane.1
    share/metainfo/org.corvane.Corvane.metainfo.xml
    share/doc/corvane/examples/autostart/org.corvane.Corvane.desktop
    share/icons/hicolor/scalable/apps/org.corvane.Corvane.svg)
foreach(size 16 22 24 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/org.corvane.Corvane.png)
endforeach()
file(GLOB_RECURSE skins RELATIVE ${SOURCE_DIR}/assets ${SOURCE_DIR}/assets/Skins/*)
list(TRANSFORM skins PREPEND share/corvane/)
list(APPEND expected ${skins})
list(SORT expected)
file(GLOB_RECURSE installed RELATIVE ${OUT} ${OUT}/*)
list(SORT installed)
if(NOT installed STREQUAL expected)
    message(FATAL_ERROR "installed:\n  ${installed}\nexpected:\n  ${expected}")
endif()

file(STRINGS ${OUT}/share/applications/org.corvane.Corvane.desktop entry)
foreach(line "Icon=org.corvane.Corvane" "Exec=corvane")
    if(NOT line IN_LIST entry)
        message(FATAL_ERROR "the desktop entry has no ${line}")
    endif()
endforeach()
file(STRINGS ${OUT}/share/doc/corvane/examples/autostart/org.corvane.Corvane.desktop autostart)
if(NOT "Exec=corvane --hidden" IN_LIST autostart)
    message(FATAL_ERROR "the autostart example does not start in the tray")
endif()

if(VALIDATE)
    foreach(file share/applications/org.corvane.Corvane.desktop
                 share/doc/corvane/examples/autostart/org.corvane.Corvane.desktop)
        execute_process(COMMAND ${VALIDATE} ${OUT}/${file}
                        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
        if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
            message(FATAL_ERROR "desktop-file-validate ${file}:\n${out}")
        endif()
    endforeach()
endif()
file(REMOVE_RECURSE ${OUT})
