# Tests of this area: core ones into corvane_core_tests, Win32 ones into corvane_win32_tests.
target_sources(corvane_core_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/dialogs_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_golden_test.cpp
)
if(WIN32)
    target_sources(corvane_win32_tests PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/dialog_host_win32_test.cpp
    )
endif()

# The dialog host with Qt, on Qt's offscreen platform.
if(NOT WIN32)
    target_sources(corvane_qt_tests PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/dialog_host_qt_test.cpp
    )
endif()
