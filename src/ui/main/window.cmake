# The main window's logic (portable) and its Win32 host.
target_sources(corvane_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/tessary_dlg.cpp
)
if(WIN32)
    target_sources(corvane_win32 PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/main_host_win32.cpp
    )
endif()
