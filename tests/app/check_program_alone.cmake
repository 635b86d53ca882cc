# SPDX-License-Identifier: MIT
# The programs configure and plan their build with none of the test-only packages; building
# them (`./dev.sh run`) builds all that `cmake --install` installs, and nothing of the tests. Run as:
#   cmake -DSOURCE_DIR=... -DSCRATCH=... -DGENERATOR=... -P check_program_alone.cmake
file(REMOVE_RECURSE "${SCRATCH}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" -S "${SOURCE_DIR}" -B "${SCRATCH}" -G "${GENERATOR}"
            -DVARNELCALC_TESTS=OFF
            -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON
            -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the program alone does not configure:\n${output}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" --build "${SCRATCH}" -- -n
                RESULT_VARIABLE result OUTPUT_VARIABLE plan ERROR_VARIABLE plan)
file(REMOVE_RECURSE "${SCRATCH}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "no plan to build the program:\n${plan}")
endif()
if(plan MATCHES "tests/|bench/")
    message(FATAL_ERROR "building the program builds tests or benchmarks too:\n${plan}")
endif()
foreach(made "app/VarnelCalc\n" "cli/varnelcalc-cli\n" "VarnelCalc.1.gz" "varnelcalc-cli.1.gz"
        "changelog.gz")
    string(FIND "${plan}" "${made}" at)
    if(at EQUAL -1)
        message(SEND_ERROR "building the programs does not make ${made}:\n${plan}")
    endif()
endforeach()
