# Sources of this area: portable ones into corvane_core, *_win32.cpp into corvane_win32.
target_sources(corvane_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/skin_dir.cpp
    ${CMAKE_CURRENT_LIST_DIR}/skinned_dialog_frame.cpp
)
if(WIN32)
    target_sources(corvane_win32 PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/gdiplus_session_win32.cpp
        ${CMAKE_CURRENT_LIST_DIR}/load_png_win32.cpp
        ${CMAKE_CURRENT_LIST_DIR}/mem_dc_win32.cpp
        ${CMAKE_CURRENT_LIST_DIR}/dialog_host_win32.cpp
    )
endif()
