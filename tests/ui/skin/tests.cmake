# Skin image tests: the committed images in assets/ against the program's
# geometry tables. Native only: they decode with libpng, which the Windows
# cross build does not have (the program itself decodes with GDI+).
target_sources(corvane_core_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/evdev_keys_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/layout_tables_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/skin_core_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/skinned_dialog_frame_test.cpp
)

if(NOT WIN32)
    find_package(PNG REQUIRED)
    target_sources(corvane_core_tests PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/skin_images_test.cpp
    )
    target_link_libraries(corvane_core_tests PRIVATE PNG::PNG)
    target_compile_definitions(corvane_core_tests PRIVATE
        CORVANE_ASSETS_DIR="${PROJECT_SOURCE_DIR}/assets")
endif()

# LoadPng and CMemDC with real pixels, under Wine.
if(WIN32)
    target_sources(corvane_win32_tests PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/load_png_win32_test.cpp
    )
    target_compile_definitions(corvane_win32_tests PRIVATE
        CORVANE_ASSETS_DIR_W=L"${PROJECT_SOURCE_DIR}/assets")
endif()

# The Qt side of the skin layer, on Qt's offscreen platform.
if(NOT WIN32)
    target_sources(corvane_qt_tests PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/skin_qt_test.cpp
    )
endif()
