target_sources(corvane_core_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/settings_record_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dpi_table_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/stored_files_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/apply_test.cpp
)
