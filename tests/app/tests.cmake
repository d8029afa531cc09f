# Tests of this area: core ones into corvane_core_tests, Win32 ones into corvane_win32_tests.
target_sources(corvane_core_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/shell_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/notice_table_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/program_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/factory_config_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/device_events_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tray_rules_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/access_rule_messages_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/program_folders_test.cpp
)
# The Linux program's Qt side, on Qt's offscreen platform.
if(NOT WIN32)
    target_sources(corvane_qt_tests PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/shell_host_qt_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/program_qt_test.cpp
    )
    target_link_libraries(corvane_qt_tests PRIVATE corvane_app_qt corvane_simulator)
endif()
if(CMAKE_CROSSCOMPILING AND WIN32)
    # Wine reaches the build machine's files through drive Z:.
    set(_factory_config "Z:${CORVANE_FACTORY_CONFIG}")
else()
    set(_factory_config "${CORVANE_FACTORY_CONFIG}")
endif()
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/factory_config_test.cpp PROPERTIES
    COMPILE_DEFINITIONS "CORVANE_FACTORY_CONFIG_FILE=\"${_factory_config}\"")
# The Qt sides of the tray, the single instance and the device events, on
# Qt's offscreen platform.
if(NOT WIN32)
    target_sources(corvane_qt_tests PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/device_watch_qt_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/single_instance_qt_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tray_icon_qt_test.cpp
    )
    target_link_libraries(corvane_qt_tests PRIVATE corvane_app_qt corvane_simulator)

    # The tray piece end to end: a small host program under Xvfb with a real
    # XEmbed tray (trayer), driven by real X input (xdotool).
    add_executable(corvane_tray_host ${CMAKE_CURRENT_LIST_DIR}/tray_host_main.cpp)
    target_link_libraries(corvane_tray_host PRIVATE corvane_app_qt)
    add_test(NAME tray_e2e COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/tray_e2e_test.sh
                                   $<TARGET_FILE:corvane_tray_host>)
    set_tests_properties(tray_e2e PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 180)
endif()
if(WIN32)
    target_sources(corvane_win32_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/main_window_win32_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/device_change_win32_test.cpp)
    set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/main_window_win32_test.cpp PROPERTIES
        COMPILE_DEFINITIONS "CORVANE_APP_TEST_ASSETS_DIR=\"Z:${PROJECT_SOURCE_DIR}/assets\"")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/ctl/tests.cmake)
if(WIN32)
    foreach(folder Corvane CorvaneDemo)
        add_test(NAME zip_contents_${folder} COMMAND ${CMAKE_COMMAND}
            -D ZIP=${CORVANE_DIST_DIR}/${folder}-${PROJECT_VERSION}-windows-x64.zip
            -D FOLDER=${folder} -D SKINS=${PROJECT_SOURCE_DIR}/assets/Skins
            -P ${CMAKE_CURRENT_LIST_DIR}/zip_contents_test.cmake)
    endforeach()
endif()
