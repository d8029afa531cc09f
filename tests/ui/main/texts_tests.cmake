target_sources(corvane_core_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/text_table_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_messages_test.cpp
)
