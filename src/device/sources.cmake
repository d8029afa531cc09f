# Sources of this area: portable ones into corvane_core, *_win32.cpp into
# corvane_win32, the Linux HID port into corvane_linux.
target_sources(corvane_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/scramble.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reports.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mouse_link.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hid_survey.cpp
    ${CMAKE_CURRENT_LIST_DIR}/simulated_mouse.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_descriptor.cpp
)
if(WIN32)
    target_sources(corvane_win32 PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/hid_port_win32.cpp
    )
else()
    target_sources(corvane_linux PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/hid_port_linux.cpp
        ${CMAKE_CURRENT_LIST_DIR}/hidapi_calls_linux.cpp
    )
endif()
