# The main window's logic (portable) and its Win32 host.
target_sources(corvane_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/tessary_dlg.cpp
)
