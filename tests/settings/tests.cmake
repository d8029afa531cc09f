target_sources(corvane_core_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/settings_record_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dpi_table_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_files_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ini_document_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/language_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_store_memory_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/user_settings_folder_test.cpp
)
if(WIN32)
    target_sources(corvane_win32_tests PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/ini_store_win32_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/file_store_win32_test.cpp
    )
else()
    # The native stores; under Wine the Win32 suite covers them.
    target_sources(corvane_core_tests PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/ini_store_portable_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/file_store_posix_test.cpp
    )
endif()
