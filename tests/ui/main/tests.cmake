include(${CMAKE_CURRENT_LIST_DIR}/texts_tests.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/window_tests.cmake)
