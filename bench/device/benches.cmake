# Figures of the full read and the full write against the simulated mouse.
if(NOT WIN32)
    find_package(benchmark QUIET)
    if(benchmark_FOUND)
        add_executable(corvane_device_bench ${CMAKE_CURRENT_LIST_DIR}/link_bench.cpp)
        target_link_libraries(corvane_device_bench PRIVATE corvane_simulator benchmark::benchmark)
    endif()
endif()
