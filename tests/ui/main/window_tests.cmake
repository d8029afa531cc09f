# The main window's logic through the recording host.
target_sources(corvane_core_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/tessary_dlg_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hover_test.cpp
)
