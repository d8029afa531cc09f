# Drawing costs of the main window, its pages and the key function dialogs
# (Windows build; run under Wine):
#   scripts/wine-env.sh -- wine build/windows/bench/ui/corvane_draw_bench.exe
#   scripts/wine-env.sh -- wine build/windows/bench/ui/corvane_pages_bench.exe
#   scripts/wine-env.sh -- wine build/windows/bench/ui/corvane_dialog_bench.exe
if(WIN32)
    foreach(_bench draw pages dialog)
        add_executable(corvane_${_bench}_bench ${CMAKE_CURRENT_LIST_DIR}/${_bench}_bench_win32.cpp)
        target_link_libraries(corvane_${_bench}_bench PRIVATE corvane_ui_main)
        target_compile_definitions(corvane_${_bench}_bench PRIVATE
            CORVANE_ASSETS_DIR_W=L"${PROJECT_SOURCE_DIR}/assets")
        set_target_properties(corvane_${_bench}_bench PROPERTIES
            RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench/ui)
        if(MINGW)
            target_link_options(corvane_${_bench}_bench PRIVATE -municode)
        endif()
    endforeach()
endif()


# The Linux window's drawing costs with Qt on X beside their floors (native;
# from the native-release build): corvane_window_bench [ROUNDS]. It starts a
# private Xvfb when no DISPLAY is set.
if(NOT WIN32)
    add_executable(corvane_window_bench ${CMAKE_CURRENT_LIST_DIR}/window_bench_qt.cpp
        ${CMAKE_SOURCE_DIR}/tests/linux/e2e/x_session.cpp)
    target_link_libraries(corvane_window_bench PRIVATE corvane_ui_main_qt ${CORVANE_XCB_LIBRARY})
    target_include_directories(corvane_window_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(corvane_window_bench PRIVATE
        CORVANE_ASSETS_DIR="${PROJECT_SOURCE_DIR}/assets")
    set_target_properties(corvane_window_bench PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench/ui)
endif()
