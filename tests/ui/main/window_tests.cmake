# The main window's logic through the recording host.
target_sources(corvane_core_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/tessary_dlg_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hover_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/key_page_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/dpi_page_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/led_page_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/layout_golden_test.cpp
)

# The Win32 host on a real window, under Wine.
if(WIN32)
    target_sources(corvane_win32_tests PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/main_host_win32_test.cpp
    )
endif()

# The Qt host on a real widget, on Qt's offscreen platform.
if(NOT WIN32)
    target_sources(corvane_qt_tests PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/main_host_qt_test.cpp
    )
endif()
