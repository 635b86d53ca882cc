# SPDX-License-Identifier: MIT
# A GoogleTest program: one CTest entry per case here; one entry for the whole program
# under an emulator, where every start costs seconds. That entry passes only when
# GoogleTest's own report says that every case ran and passed.
function(add_gtest_program name)
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES
            PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [1-9][0-9]* tests?\\."
            FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]"
            FIXTURES_REQUIRED wine_prefix)
    else()
        include(GoogleTest)
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
    endif()
endfunction()
