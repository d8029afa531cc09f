# Tests of this area: all portable, into corvane_core_tests.
target_sources(corvane_core_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/text_encoding_test.cpp
)
