# End-to-end tests of the host build: one ctest test per SCENARIO line in
# tests/e2e/driver/scenarios_*.cpp, each run by run-scenario.sh under Wine
# against the win32 build's quorvan.exe and qdriver.exe.  A scenario file
# added or edited re-runs this at the next build.
set(QUORVAN_WIN32_DIR "$ENV{QUORVAN_WIN32_DIR}" CACHE PATH
    "Build directory of the win32 preset (quorvan.exe, qdriver.exe)")
if(NOT QUORVAN_WIN32_DIR)
    set(QUORVAN_WIN32_DIR "${CMAKE_SOURCE_DIR}/build/win32" CACHE PATH "" FORCE)
endif()

set(E2E_DIR "${CMAKE_SOURCE_DIR}/tests/e2e")
set(E2E_TEMPLATE "${CMAKE_BINARY_DIR}/e2e/prefix-template")
set(E2E_ENV "QUORVAN_WIN32_DIR=${QUORVAN_WIN32_DIR}" "QUORVAN_E2E_TEMPLATE=${E2E_TEMPLATE}")

# The prefix template: wineboot once per build tree (kept while Wine and
# prefix.reg stay the same), copied or overlaid by every scenario.
add_test(NAME e2e.prefix_template COMMAND sh "${E2E_DIR}/make-prefix.sh" "${E2E_TEMPLATE}")
set_tests_properties(e2e.prefix_template PROPERTIES
    FIXTURES_SETUP e2e_prefix LABELS e2e TIMEOUT 240)

file(GLOB E2E_SCENARIO_FILES CONFIGURE_DEPENDS "${E2E_DIR}/driver/scenarios_*.cpp")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${E2E_SCENARIO_FILES})
foreach(scenario_file IN LISTS E2E_SCENARIO_FILES)
    file(STRINGS "${scenario_file}" scenario_lines REGEX "^SCENARIO\\(")
    foreach(line IN LISTS scenario_lines)
        if(NOT line MATCHES "^SCENARIO\\(([A-Za-z0-9_]+), *\"(offline|online|silent)\"\\)")
            message(FATAL_ERROR "${scenario_file}: cannot read the scenario line: ${line}")
        endif()
        set(name "${CMAKE_MATCH_1}")
        set(mode "${CMAKE_MATCH_2}")
        add_test(NAME e2e.${name} COMMAND sh "${E2E_DIR}/run-scenario.sh" ${name} ${mode})
        # run-scenario.sh stops the driver after 240 s, well inside this.
        set_tests_properties(e2e.${name} PROPERTIES
            ENVIRONMENT "${E2E_ENV}"
            FIXTURES_REQUIRED e2e_prefix LABELS e2e TIMEOUT 300)
    endforeach()
endforeach()
