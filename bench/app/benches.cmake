# The program's start-up and show timings beside a bare Win32 window (Windows
# build, run under Wine): build/windows/bench/corvane_app_bench.exe [RUNS].
if(WIN32)
    add_executable(corvane_app_bench ${CMAKE_CURRENT_LIST_DIR}/app_bench_win32.cpp)
    target_link_libraries(corvane_app_bench PRIVATE corvane_e2e_driver)
    if(MINGW)
        target_link_options(corvane_app_bench PRIVATE -municode)
    endif()
    target_compile_definitions(corvane_app_bench PRIVATE
        CORVANE_BENCH_DIST_DIR="Z:${CORVANE_DIST_DIR}"
        CORVANE_BENCH_ASSETS_DIR="Z:${CMAKE_SOURCE_DIR}/assets"
        CORVANE_BENCH_WORK_DIR="Z:${CMAKE_BINARY_DIR}/bench-work")
    add_dependencies(corvane_app_bench corvane_demo)

    # How long the window does not answer during a full write and a full
    # read of a slow mouse: build/windows/bench/corvane_busy_bench.exe [RUNS].
    add_executable(corvane_busy_bench ${CMAKE_CURRENT_LIST_DIR}/busy_bench_win32.cpp)
    target_link_libraries(corvane_busy_bench PRIVATE corvane_e2e_driver corvane_app)
    target_include_directories(corvane_busy_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    if(MINGW)
        target_link_options(corvane_busy_bench PRIVATE -municode)
    endif()
    target_compile_definitions(corvane_busy_bench PRIVATE
        CORVANE_BENCH_DIST_DIR="Z:${CORVANE_DIST_DIR}"
        CORVANE_BENCH_WORK_DIR="Z:${CMAKE_BINARY_DIR}/bench-work")
    add_dependencies(corvane_busy_bench corvane_demo)
endif()

# corvanectl's whole runs against the simulated mouse beside their bounds
# (native; best from the native-release build): corvane_ctl_bench [RUNS].
if(NOT WIN32)
    add_executable(corvane_ctl_bench ${CMAKE_CURRENT_LIST_DIR}/ctl_bench.cpp)
    target_include_directories(corvane_ctl_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(corvane_ctl_bench PRIVATE
        CORVANECTL_PATH="$<TARGET_FILE:corvanectl>")
    add_dependencies(corvane_ctl_bench corvanectl)
endif()

# The Linux window's start-up beside a bare Qt window program, and both
# programs' resident memory (native; from the native-release build):
# corvane_startup_bench [RUNS]. It starts a private Xvfb when no DISPLAY is set.
if(NOT WIN32)
    add_executable(corvane_bare_qt_window ${CMAKE_CURRENT_LIST_DIR}/bare_window_qt.cpp)
    target_link_libraries(corvane_bare_qt_window PRIVATE Qt6::Widgets)
    add_executable(corvane_startup_bench ${CMAKE_CURRENT_LIST_DIR}/startup_bench_qt.cpp
        ${CMAKE_SOURCE_DIR}/tests/linux/e2e/x_session.cpp)
    target_link_libraries(corvane_startup_bench PRIVATE corvane_settings Qt6::Gui
        ${CORVANE_XCB_LIBRARY})
    target_include_directories(corvane_startup_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(corvane_startup_bench PRIVATE
        CORVANE_PATH="$<TARGET_FILE:corvane>"
        CORVANE_BARE_WINDOW_PATH="$<TARGET_FILE:corvane_bare_qt_window>")
    add_dependencies(corvane_startup_bench corvane corvane_bare_qt_window)
    set_target_properties(corvane_startup_bench corvane_bare_qt_window PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endif()

# The Linux window into the tray beside a bare Qt program with a tray icon,
# on a private Xvfb with trayer (native; from the native-release build):
# corvane_tray_startup_bench [RUNS]. And the re-read after a plug of the
# simulated mouse at 1 ms per transfer, from the merged event, beside its
# transfers: corvane_plug_bench [ROUNDS].
if(NOT WIN32)
    add_executable(corvane_bare_qt_tray ${CMAKE_CURRENT_LIST_DIR}/bare_tray_qt.cpp)
    target_link_libraries(corvane_bare_qt_tray PRIVATE Qt6::Widgets)
    add_executable(corvane_tray_startup_bench ${CMAKE_CURRENT_LIST_DIR}/tray_startup_bench_qt.cpp
        ${CMAKE_SOURCE_DIR}/tests/linux/e2e/x_session.cpp)
    target_link_libraries(corvane_tray_startup_bench PRIVATE Qt6::Gui ${CORVANE_XCB_LIBRARY})
    target_include_directories(corvane_tray_startup_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(corvane_tray_startup_bench PRIVATE
        CORVANE_PATH="$<TARGET_FILE:corvane>"
        CORVANE_BARE_TRAY_PATH="$<TARGET_FILE:corvane_bare_qt_tray>")
    add_dependencies(corvane_tray_startup_bench corvane corvane_bare_qt_tray)

    add_executable(corvane_plug_bench ${CMAKE_CURRENT_LIST_DIR}/plug_bench_qt.cpp
        ${CMAKE_SOURCE_DIR}/tests/linux/e2e/x_session.cpp)
    target_link_libraries(corvane_plug_bench PRIVATE corvane_app_qt corvane_simulator
        ${CORVANE_XCB_LIBRARY})
    target_include_directories(corvane_plug_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(corvane_plug_bench PRIVATE
        CORVANE_ASSETS_DIR="${PROJECT_SOURCE_DIR}/assets")
    set_target_properties(corvane_tray_startup_bench corvane_bare_qt_tray corvane_plug_bench
        PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endif()
