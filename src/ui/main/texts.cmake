# The main window's text tables, key names and message texts.
target_sources(corvane_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/text_table.cpp
    ${CMAKE_CURRENT_LIST_DIR}/key_names.cpp
    ${CMAKE_CURRENT_LIST_DIR}/key_positions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/function_labels.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_messages.cpp
)
