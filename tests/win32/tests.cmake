# Tests of the Wine harness and the end-to-end tests of the real program.
# Win32 tests of an area's adapters live beside that area's tests
# (tests/<area>/*_win32_test.cpp).
if(WIN32)
    add_executable(find_window_probe ${CMAKE_CURRENT_LIST_DIR}/find_window_probe.cpp)
    if(MINGW)
        target_link_options(find_window_probe PRIVATE -municode)
    endif()
    target_sources(corvane_win32_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/harness_test.cpp)
    add_dependencies(corvane_win32_tests find_window_probe)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/e2e/tests.cmake)
