# corvanectl: the console program on the same libraries as the window. Its
# command logic is a library (tested in-process); the program is a thin main.
#
# CLI11 and nlohmann-json are header-only Debian packages. The cross
# toolchain must not search /usr/include (the build machine's C library lives
# there, and it finds no CMake package there either), so the Windows build
# reaches them through a folder holding links to just those two header trees.
if(CMAKE_CROSSCOMPILING)
    find_path(CORVANE_CLI11_INCLUDE CLI/CLI.hpp PATHS /usr/include
        NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    find_path(CORVANE_JSON_INCLUDE nlohmann/json.hpp PATHS /usr/include
        NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    set(_ctl_headers ${CMAKE_BINARY_DIR}/ctl-headers)
    file(MAKE_DIRECTORY ${_ctl_headers})
    file(CREATE_LINK ${CORVANE_CLI11_INCLUDE}/CLI ${_ctl_headers}/CLI SYMBOLIC)
    file(CREATE_LINK ${CORVANE_JSON_INCLUDE}/nlohmann ${_ctl_headers}/nlohmann SYMBOLIC)
    add_library(corvane_ctl_headers INTERFACE)
    target_include_directories(corvane_ctl_headers SYSTEM INTERFACE ${_ctl_headers})
else()
    find_package(CLI11 CONFIG REQUIRED)
    find_package(nlohmann_json CONFIG REQUIRED)
    add_library(corvane_ctl_headers INTERFACE)
    target_link_libraries(corvane_ctl_headers INTERFACE CLI11::CLI11 nlohmann_json::nlohmann_json)
endif()

set(_ctl ${CMAKE_CURRENT_LIST_DIR})
add_library(corvane_ctl STATIC
    ${_ctl}/ctl.cpp
    ${_ctl}/cmd_device.cpp
    ${_ctl}/cmd_files.cpp
    ${_ctl}/cmd_set.cpp
    ${_ctl}/set_edits.cpp
    ${_ctl}/set_button.cpp
    ${_ctl}/console_messages.cpp
    ${_ctl}/device_session.cpp
    ${_ctl}/trace_port.cpp
    ${_ctl}/file_output.cpp
    ${_ctl}/settings_files.cpp
    ${_ctl}/settings_json.cpp
    ${_ctl}/ini_json.cpp
    ${_ctl}/json_values.cpp
    ${_ctl}/setting_names.cpp
    ${_ctl}/value_names.cpp
    ${_ctl}/choice_names.cpp
    ${_ctl}/image_view.cpp
    ${_ctl}/record_view.cpp
)
target_compile_definitions(corvane_ctl PRIVATE CORVANE_VERSION="${PROJECT_VERSION}")
target_link_libraries(corvane_ctl PUBLIC corvane_ctl_headers)
if(WIN32)
    target_link_libraries(corvane_ctl PUBLIC corvane_win32)
else()
    target_link_libraries(corvane_ctl PUBLIC corvane_core)
endif()

if(WIN32)
    add_executable(corvanectl ${_ctl}/ctl_main_win32.cpp)
    if(MINGW)
        target_link_options(corvanectl PRIVATE -municode)
    endif()
else()
    add_executable(corvanectl ${_ctl}/ctl_main_posix.cpp)
endif()
target_link_libraries(corvanectl PRIVATE corvane_ctl)
set_target_properties(corvanectl PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
