# corvanectl: its JSON mapping and a few commands in-process (both builds),
# and natively the built program run as a user runs it.
corvane_add_gtest_suite(corvane_ctl_tests)
# The window's logic too: `set` is compared with what the window stores.
target_link_libraries(corvane_ctl_tests PRIVATE corvane_ctl corvane_ui_main)
target_include_directories(corvane_ctl_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../..)
target_sources(corvane_ctl_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/settings_json_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ctl_inprocess_test.cpp
)
if(NOT WIN32)
    target_sources(corvane_ctl_tests PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/ctl_device_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ctl_files_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ctl_set_test.cpp
    )
    target_compile_definitions(corvane_ctl_tests PRIVATE
        CORVANECTL_PATH="$<TARGET_FILE:corvanectl>"
        CORVANE_CTL_GOLDEN_DIR="${CMAKE_CURRENT_LIST_DIR}/golden")
    add_dependencies(corvane_ctl_tests corvanectl)
endif()
if(CMAKE_CROSSCOMPILING AND WIN32)
    add_test(NAME corvanectl_wine_info_matches_native
        COMMAND ${CMAKE_COMMAND} -DCTL=$<TARGET_FILE:corvanectl>
            -DGOLDEN=${CMAKE_CURRENT_LIST_DIR}/golden/info-simulate.txt
            -P ${CMAKE_CURRENT_LIST_DIR}/wine_info_matches.cmake)
endif()
