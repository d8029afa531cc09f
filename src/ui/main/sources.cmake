# The main window: its texts and key names, and its window logic and host.
include(${CMAKE_CURRENT_LIST_DIR}/texts.cmake OPTIONAL)
include(${CMAKE_CURRENT_LIST_DIR}/window.cmake OPTIONAL)
