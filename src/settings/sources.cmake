target_sources(corvane_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/dpi_table.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_encoding.cpp
    ${CMAKE_CURRENT_LIST_DIR}/decimal_format.cpp
    ${CMAKE_CURRENT_LIST_DIR}/stored_files.cpp
    ${CMAKE_CURRENT_LIST_DIR}/factory_settings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/apply.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ini_store_portable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ini_document.cpp
)
if(WIN32)
    target_sources(corvane_win32 PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/file_store_win32.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ini_store_win32.cpp
    )
else()
    target_sources(corvane_core PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/file_store_posix.cpp
    )
endif()
