# Drawing costs of the main window (Windows build; run under Wine):
#   scripts/wine-env.sh -- wine build/windows/bench/ui/corvane_draw_bench.exe
if(WIN32)
    add_executable(corvane_draw_bench ${CMAKE_CURRENT_LIST_DIR}/draw_bench_win32.cpp)
    target_link_libraries(corvane_draw_bench PRIVATE corvane_ui_main)
    target_compile_definitions(corvane_draw_bench PRIVATE
        CORVANE_ASSETS_DIR_W=L"${PROJECT_SOURCE_DIR}/assets")
    set_target_properties(corvane_draw_bench PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench/ui)
    if(MINGW)
        target_link_options(corvane_draw_bench PRIVATE -municode)
    endif()
endif()
