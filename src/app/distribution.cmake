# The two executables of the same sources and their distribution folders:
#   dist/Corvane/      Corvane1.0.exe (real HID port), Skins/CHS, Skins/EN, config.bin
#   dist/CorvaneDemo/  the same program linked with the simulated mouse, with
#                      its settings file (memory file and wire log beside it)
# each with corvanectl.exe beside the program (its --simulate takes the
# demo's settings file too), and a zip of each folder.
enable_language(RC)

set(CORVANE_DIST_DIR ${CMAKE_BINARY_DIR}/dist CACHE INTERNAL "Distribution folders")
set(_app_dir ${CMAKE_CURRENT_SOURCE_DIR})
set(_assets_dir ${CMAKE_SOURCE_DIR}/assets)

function(corvane_add_program target folder port_source description)
    set(CORVANE_ICON_FILE ${_assets_dir}/corvane.ico)
    set(CORVANE_MANIFEST_FILE ${_app_dir}/resources/corvane.manifest)
    set(CORVANE_FILE_DESCRIPTION "${description}")
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${_app_dir}/resources/corvane.rc.in ${rc} @ONLY)
    set_source_files_properties(${rc} PROPERTIES
        OBJECT_DEPENDS "${CORVANE_ICON_FILE};${CORVANE_MANIFEST_FILE}")

    set(out ${CORVANE_DIST_DIR}/${folder})
    add_executable(${target} WIN32
        ${_app_dir}/program_main_win32.cpp ${_app_dir}/${port_source} ${rc})
    target_link_libraries(${target} PRIVATE corvane_app corvane_simulator)
    if(MINGW)
        target_link_options(${target} PRIVATE -municode)
    endif()
    set_target_properties(${target} PROPERTIES
        OUTPUT_NAME "Corvane1.0"
        RUNTIME_OUTPUT_DIRECTORY ${out})

    add_dependencies(${target} corvanectl)
    set(extra_commands COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:corvanectl> ${out}/)
    foreach(file IN LISTS ARGN)
        list(APPEND extra_commands COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${out}/)
    endforeach()
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E remove_directory ${out}/Skins
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${_assets_dir}/Skins/CHS ${out}/Skins/CHS
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${_assets_dir}/Skins/EN ${out}/Skins/EN
        COMMAND ${CMAKE_COMMAND} -E copy ${CORVANE_FACTORY_CONFIG} ${out}/config.bin
        ${extra_commands}
        COMMAND ${CMAKE_COMMAND} -E rm -f ${CORVANE_DIST_DIR}/${folder}.zip
        COMMAND ${CMAKE_COMMAND} -E tar cf ${CORVANE_DIST_DIR}/${folder}.zip --format=zip ${folder}
        WORKING_DIRECTORY ${CORVANE_DIST_DIR}
        COMMENT "Distribution folder and zip ${folder}"
        VERBATIM)
endfunction()

corvane_add_program(corvane_program Corvane program_port_real_win32.cpp
    "Gaming Mouse Setting")
corvane_add_program(corvane_demo CorvaneDemo program_port_demo_win32.cpp
    "Gaming Mouse Setting (demo with a simulated mouse)"
    ${_app_dir}/resources/demo/simulated-mouse.ini)

install(DIRECTORY ${CORVANE_DIST_DIR}/Corvane/ DESTINATION Corvane)
install(DIRECTORY ${CORVANE_DIST_DIR}/CorvaneDemo/ DESTINATION CorvaneDemo
    PATTERN "simulated-mouse.bin" EXCLUDE PATTERN "simulated-mouse-wire.log" EXCLUDE
    PATTERN "str.ini" EXCLUDE)
