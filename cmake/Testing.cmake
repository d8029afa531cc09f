# GoogleTest for both builds: the system package natively, and built from
# Debian's googletest sources with the cross compiler for Windows.
enable_testing()

if(CMAKE_CROSSCOMPILING AND WIN32)
    set(CORVANE_GTEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest sources")
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(${CORVANE_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # Third-party code: its warnings are not ours to fix.
    foreach(t gtest gtest_main gmock gmock_main)
        if(TARGET ${t})
            target_compile_options(${t} PRIVATE -w)
        endif()
    endforeach()
    set(CORVANE_GTEST_LIBS gmock gtest_main)
elseif(WIN32)
    find_package(GTest REQUIRED)
    set(CORVANE_GTEST_LIBS GTest::gmock GTest::gtest_main)
else()
    find_package(GTest REQUIRED)
    set(CORVANE_GTEST_LIBS GTest::gmock GTest::gtest_main)
endif()

include(GoogleTest)

# Natively every test process starts in the same environment whatever the
# caller's session holds (tests/support/test_environment_posix.cpp): no
# locale variable, from which the Linux programs take their language, and a
# configuration folder of the build's, where they keep their settings.
set(CORVANE_TEST_CONFIG_HOME ${CMAKE_BINARY_DIR}/test-config-home)
if(NOT WIN32)
    add_library(corvane_test_environment OBJECT
        ${CMAKE_CURRENT_LIST_DIR}/../tests/support/test_environment_posix.cpp)
    target_compile_definitions(corvane_test_environment PRIVATE
        CORVANE_TEST_CONFIG_HOME="${CORVANE_TEST_CONFIG_HOME}")
endif()

# corvane_add_gtest_suite(name [SERIAL])
# Natively every test case becomes its own CTest test. Under Wine the whole
# suite runs as one process: each Wine start costs far more than a test case.
function(corvane_add_gtest_suite name)
    cmake_parse_arguments(ARG "SERIAL" "" "" ${ARGN})
    add_executable(${name})
    target_link_libraries(${name} PRIVATE ${CORVANE_GTEST_LIBS})
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
        set_tests_properties(${name} PROPERTIES TIMEOUT 900)
        if(ARG_SERIAL)
            set_tests_properties(${name} PROPERTIES RUN_SERIAL TRUE)
        endif()
    else()
        if(TARGET corvane_test_environment)
            target_link_libraries(${name} PRIVATE corvane_test_environment)
        endif()
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
    endif()
endfunction()
