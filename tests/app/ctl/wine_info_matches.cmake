# Under Wine: `corvanectl.exe info --simulate` prints what the native program
# prints (the golden output), once CR LF line ends are LF.
#   cmake -DCTL=corvanectl.exe -DGOLDEN=info-simulate.txt -P wine_info_matches.cmake
foreach(name SENSOR_TYPE MEMORY_FILE WIRE_LOG REPLY_FAULT FAIL_FROM_TRANSFER COMMAND_FIRST
        FOREIGN_DEVICES MOUSE_PRESENT UNOPENABLE UNOPENABLE_CHANNEL DELAY_MS)
    unset(ENV{CORVANE_SIM_${name}})
endforeach()
execute_process(COMMAND wine ${CTL} info --simulate
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "corvanectl.exe info --simulate ended with ${rc}: ${err}")
endif()
string(REPLACE "\r\n" "\n" out "${out}")
file(READ ${GOLDEN} golden)
if(NOT out STREQUAL golden)
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/wine-info.txt "${out}")
    message(FATAL_ERROR "corvanectl.exe info --simulate differs from ${GOLDEN}; "
                        "its output is in ${CMAKE_CURRENT_BINARY_DIR}/wine-info.txt")
endif()
