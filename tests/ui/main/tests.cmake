include(${CMAKE_CURRENT_LIST_DIR}/texts_tests.cmake OPTIONAL)
include(${CMAKE_CURRENT_LIST_DIR}/window_tests.cmake OPTIONAL)
