# Tests of this area: core ones into corvane_core_tests, Win32 ones into corvane_win32_tests;
# natively the Linux HID port's tests join the core suite.
target_sources(corvane_core_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/scramble_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reports_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/find_mouse_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/protocol_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/protocol_robustness_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/simulated_mouse_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_descriptor_test.cpp
)
if(WIN32)
    target_sources(corvane_win32_tests PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/hid_port_win32_test.cpp
    )
else()
    target_sources(corvane_core_tests PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/hid_port_linux_test.cpp
    )
endif()
