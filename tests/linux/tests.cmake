# The Linux window end to end (native only): the built corvane on a private
# Xvfb, driven with real X input (xdotool) and held against the Windows
# program's screenshots; the desktop's tests start a real XEmbed tray
# (trayer) on it. Each test case runs in its own process with its own
# display; the ASan build's corvane runs without a session bus, inside whose
# library LeakSanitizer would report a leak.
if(NOT WIN32)
    add_executable(corvane_linux_e2e_tests
        ${CMAKE_CURRENT_LIST_DIR}/e2e/e2e_main.cpp
        ${CMAKE_CURRENT_LIST_DIR}/e2e/x_session.cpp
        ${CMAKE_CURRENT_LIST_DIR}/e2e/corvane_fixture.cpp
        ${CMAKE_CURRENT_LIST_DIR}/e2e/window_e2e_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/e2e/fidelity_e2e_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/e2e/faults_e2e_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/e2e/desktop_e2e_test.cpp)
    # corvane_app for the desktop's names: the plug control, the tray's wait.
    target_link_libraries(corvane_linux_e2e_tests PRIVATE corvane_app Qt6::Gui
        ${CORVANE_XCB_LIBRARY} GTest::gmock GTest::gtest corvane_test_environment)
    target_include_directories(corvane_linux_e2e_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(corvane_linux_e2e_tests PRIVATE
        CORVANE_PATH="$<TARGET_FILE:corvane>"
        CORVANECTL_PATH="$<TARGET_FILE:corvanectl>"
        CORVANE_WINDOWS_SCREENSHOTS="${PROJECT_SOURCE_DIR}/docs/screenshots"
        CORVANE_E2E_SCREENSHOTS="${CMAKE_BINARY_DIR}/e2e-screenshots")
    add_dependencies(corvane_linux_e2e_tests corvane corvanectl)
    gtest_discover_tests(corvane_linux_e2e_tests DISCOVERY_TIMEOUT 60
        PROPERTIES TIMEOUT 120 LABELS e2e)
endif()
