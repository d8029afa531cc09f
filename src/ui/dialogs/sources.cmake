# Sources of this area: portable ones into corvane_core, *_win32.cpp into corvane_win32.
target_sources(corvane_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/dialog_tables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/skinned_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/choice_list_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fire_key_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hot_key_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/keys_recover_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/media_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/single_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/snipe_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/windows_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_factory.cpp
)
if(WIN32)
    target_sources(corvane_win32 PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/dialog_runner_win32.cpp
    )
endif()
