# The main window's logic (portable): the frame, its three pages, the key
# assignment step; and its Win32 host.
target_sources(corvane_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/tessary_dlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/key_assignment.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/dropdown_lists.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/key_page.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/dpi_page.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pages/led_page.cpp
)
if(WIN32)
    target_sources(corvane_win32 PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/main_host_win32.cpp
    )
endif()
