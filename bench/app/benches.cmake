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
