# What a Linux system installs (dist/linux), checked from a staged install.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    find_program(CORVANE_DESKTOP_FILE_VALIDATE desktop-file-validate)
    set(_validate "")
    if(CORVANE_DESKTOP_FILE_VALIDATE)
        set(_validate ${CORVANE_DESKTOP_FILE_VALIDATE})
    endif()
    add_test(NAME install_component_corvane COMMAND ${CMAKE_COMMAND}
        -D BUILD_DIR=${CMAKE_BINARY_DIR} -D SOURCE_DIR=${PROJECT_SOURCE_DIR}
        -D OUT=${CMAKE_CURRENT_BINARY_DIR}/install-corvane
        -D VALIDATE=${_validate}
        -P ${CMAKE_CURRENT_LIST_DIR}/install_corvane_test.cmake)
endif()
