target_sources(corvane_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/dpi_table.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_encoding.cpp
)
