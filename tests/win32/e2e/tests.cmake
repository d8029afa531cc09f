# End-to-end tests: the real executables of both distribution folders,
# driven from a test process under Wine (serially: they share the display
# and the pointer).
if(WIN32)
    set(_e2e_dir ${CMAKE_CURRENT_LIST_DIR})
    add_library(corvane_e2e_driver STATIC ${_e2e_dir}/driver_win32.cpp)
    target_include_directories(corvane_e2e_driver PUBLIC ${_e2e_dir})
    target_link_libraries(corvane_e2e_driver PUBLIC gdiplus shell32 user32 gdi32 ole32)

    corvane_add_gtest_suite(corvane_e2e_tests SERIAL)
    target_sources(corvane_e2e_tests PRIVATE ${_e2e_dir}/e2e_test.cpp ${_e2e_dir}/faults_test.cpp
        ${_e2e_dir}/pages_e2e_test.cpp ${_e2e_dir}/dialogs_e2e_test.cpp
        ${_e2e_dir}/distribution_test.cpp)
    target_link_libraries(corvane_e2e_tests PRIVATE corvane_e2e_driver corvane_app version)
    target_compile_definitions(corvane_e2e_tests PRIVATE
        CORVANE_E2E_DIST_DIR="Z:${CORVANE_DIST_DIR}"
        CORVANE_E2E_ASSETS_DIR="Z:${CMAKE_SOURCE_DIR}/assets"
        CORVANE_E2E_WORK_DIR="Z:${CMAKE_BINARY_DIR}/e2e-work"
        CORVANE_E2E_VERSION="${PROJECT_VERSION}")
    add_dependencies(corvane_e2e_tests corvane_program corvane_demo corvane_program_zip
        corvane_demo_zip)
    set_tests_properties(corvane_e2e_tests PROPERTIES TIMEOUT 600)

    # The driver for scripts: shows the window from the tray and saves a
    # screenshot.
    add_executable(corvane_driver ${_e2e_dir}/driver_main.cpp)
    target_link_libraries(corvane_driver PRIVATE corvane_e2e_driver)
    set_target_properties(corvane_driver PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
    if(MINGW)
        target_link_options(corvane_driver PRIVATE -municode)
    endif()
endif()
