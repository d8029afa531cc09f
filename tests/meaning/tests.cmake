# Tests of this area: all portable, into corvane_core_tests.
target_sources(corvane_core_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/button_functions_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/choice_lists_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/key_names_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/key_positions_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/key_assignment_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/function_labels_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/factory_settings_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/apply_test.cpp
)
