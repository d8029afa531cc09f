target_sources(corvane_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/system_facts.cpp
)
if(WIN32)
    target_sources(corvane_win32 PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/system_facts_win32.cpp
    )
else()
    target_sources(corvane_core PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/system_facts_posix.cpp
    )
endif()
