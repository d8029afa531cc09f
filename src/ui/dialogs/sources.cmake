# Sources of this area: portable ones into corvane_core, *_win32.cpp into corvane_win32.
target_sources(corvane_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/dialog_tables.cpp
)
