target_sources(corvane_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/system_facts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/notice_table.cpp
    ${CMAKE_CURRENT_LIST_DIR}/device_change.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shell.cpp
)
if(WIN32)
    target_sources(corvane_win32 PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/system_facts_win32.cpp
        ${CMAKE_CURRENT_LIST_DIR}/shell_host_win32.cpp
        ${CMAKE_CURRENT_LIST_DIR}/modal_loop_win32.cpp
        ${CMAKE_CURRENT_LIST_DIR}/main_window_win32.cpp
    )
else()
    target_sources(corvane_core PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/system_facts_posix.cpp
    )
endif()

# The factory config.bin of the distribution, committed beside this list.
set(CORVANE_FACTORY_CONFIG ${CMAKE_CURRENT_LIST_DIR}/factory/config.bin
    CACHE INTERNAL "The factory config.bin the distribution ships")
if(NOT CMAKE_CROSSCOMPILING)
    add_executable(corvane_factory_config ${CMAKE_CURRENT_LIST_DIR}/factory_config_main.cpp)
    target_link_libraries(corvane_factory_config PRIVATE corvane_core)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/ctl/sources.cmake)

if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/distribution.cmake)
endif()
