# The two executables of the same sources and their distribution folders:
#   dist/Corvane/      Corvane1.0.exe (real HID port), Skins/CHS, Skins/EN, config.bin
#   dist/CorvaneDemo/  the same program linked with the simulated mouse, with
#                      its settings file (memory file and wire log beside it)
# each with corvanectl.exe beside the program (its --simulate takes the
# demo's settings file too). The folders are what the tests and the demo run
# from; the zips users get, dist/<folder>-<version>-windows-x64.zip, are made
# from a staged install of the same files, so that whatever a test run leaves
# in a folder never reaches a zip.
include(${CMAKE_CURRENT_SOURCE_DIR}/resources/version_resource.cmake)

set(CORVANE_DIST_DIR ${CMAKE_BINARY_DIR}/dist CACHE INTERNAL "Distribution folders")
set(_app_dir ${CMAKE_CURRENT_SOURCE_DIR})
set(_assets_dir ${CMAKE_SOURCE_DIR}/assets)

# The user's README.txt, with Windows line ends for Notepad.
set(_readme ${CMAKE_CURRENT_BINARY_DIR}/README.txt)
configure_file(${CMAKE_SOURCE_DIR}/dist/windows/README.txt.in ${_readme} @ONLY NEWLINE_STYLE CRLF)
file(GLOB_RECURSE _skin_files CONFIGURE_DEPENDS ${_assets_dir}/Skins/CHS/* ${_assets_dir}/Skins/EN/*)

function(corvane_add_program target folder port_source description)
    set(CORVANE_ICON_FILE ${_assets_dir}/corvane.ico)
    set(CORVANE_MANIFEST_FILE ${_app_dir}/resources/corvane.manifest)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${_app_dir}/resources/corvane.rc.in ${rc} @ONLY)
    set_source_files_properties(${rc} PROPERTIES
        OBJECT_DEPENDS "${CORVANE_ICON_FILE};${CORVANE_MANIFEST_FILE}")

    set(out ${CORVANE_DIST_DIR}/${folder})
    add_executable(${target} WIN32
        ${_app_dir}/program_main_win32.cpp ${_app_dir}/${port_source} ${rc})
    corvane_add_version_resource(${target} "Corvane1.0.exe" "${description}")
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
        COMMENT "Distribution folder ${folder}"
        VERBATIM)

    # The zip's contents, one install component per zip, staged quietly.
    set(CMAKE_INSTALL_MESSAGE NEVER)
    install(TARGETS ${target} corvanectl RUNTIME DESTINATION ${folder} COMPONENT ${folder})
    install(DIRECTORY ${_assets_dir}/Skins/CHS ${_assets_dir}/Skins/EN
        DESTINATION ${folder}/Skins COMPONENT ${folder})
    install(FILES ${CORVANE_FACTORY_CONFIG} ${CMAKE_SOURCE_DIR}/LICENSE ${_readme} ${ARGN}
        DESTINATION ${folder} COMPONENT ${folder})

    set(zip ${CORVANE_DIST_DIR}/${folder}-${PROJECT_VERSION}-windows-x64.zip)
    set(stage ${CMAKE_BINARY_DIR}/stage/${folder})
    file(MAKE_DIRECTORY ${stage})
    add_custom_command(OUTPUT ${zip}
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${folder}
        COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --component ${folder} --prefix ${stage}
        COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
        COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip ${folder}
        WORKING_DIRECTORY ${stage}
        DEPENDS ${target} corvanectl ${CORVANE_FACTORY_CONFIG} ${CMAKE_SOURCE_DIR}/LICENSE
            ${_readme} ${ARGN} ${_skin_files}
        COMMENT "Zip ${folder}-${PROJECT_VERSION}-windows-x64.zip"
        VERBATIM)
    add_custom_target(${target}_zip ALL DEPENDS ${zip})
endfunction()

corvane_add_program(corvane_program Corvane program_port_real_win32.cpp
    "Gaming Mouse Setting")
corvane_add_program(corvane_demo CorvaneDemo program_port_demo_win32.cpp
    "Gaming Mouse Setting (demo with a simulated mouse)"
    ${_app_dir}/resources/demo/simulated-mouse.ini)
