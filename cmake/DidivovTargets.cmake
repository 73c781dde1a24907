# Warnings shared by every target of the project.
add_library(didivov_warnings INTERFACE)
target_compile_options(didivov_warnings INTERFACE -Wall -Wextra -Wno-unused-parameter)

# didivov_library(<name> <folder-alias> SOURCES ... [PCH header...])
# One library target per source folder, with an alias didivov::<folder-alias>.
function(didivov_library name alias)
    cmake_parse_arguments(ARG "SHARED" "" "SOURCES;PCH" ${ARGN})
    if(ARG_SHARED)
        add_library(${name} SHARED ${ARG_SOURCES})
    else()
        add_library(${name} STATIC ${ARG_SOURCES})
    endif()
    add_library(didivov::${alias} ALIAS ${name})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}")
    target_link_libraries(${name} PRIVATE didivov_warnings)
    if(ARG_PCH)
        target_precompile_headers(${name} PRIVATE ${ARG_PCH})
    endif()
endfunction()

# didivov_test(<name> SOURCES ... LIBS ... [DEFINITIONS ...]): one GoogleTest executable, registered
# with CTest as "<name>.<suite>.<test>", so that "ctest -R <name>" selects one executable's tests.
function(didivov_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;DEFINITIONS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} didivov::testsupport GTest::gtest GTest::gtest_main
                                          didivov_warnings)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
    target_precompile_headers(${name} PRIVATE <gtest/gtest.h> <QString>)
    if(ARG_DEFINITIONS)
        target_compile_definitions(${name} PRIVATE ${ARG_DEFINITIONS})
    endif()
    gtest_discover_tests(${name} TEST_PREFIX "${name}." DISCOVERY_MODE PRE_TEST
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;DIDIVOV_BIN_DIR=${DIDIVOV_BIN_DIR}")
endfunction()
