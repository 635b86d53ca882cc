# SPDX-License-Identifier: MIT
# Makes the build's Debian package in a scratch folder and runs lintian on it, pedantic: any
# error or warning fails, and so does any lesser remark not in ACCEPTED (tag names, each kept
# for a reason given where the list is made).
# Run as: cmake -DLINTIAN=... -DBUILD_DIR=... -DSCRATCH=... "-DACCEPTED=tag;tag" -P check_package.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT LINTIAN)
    message("lintian is not installed: the package is not checked")
    return()
endif()
file(REMOVE_RECURSE "${SCRATCH}")
execute_process(COMMAND cpack --config "${BUILD_DIR}/CPackConfig.cmake" -B "${SCRATCH}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB package "${SCRATCH}/*.deb")
if(NOT result EQUAL 0 OR NOT package)
    message(FATAL_ERROR "cpack made no package:\n${output}")
endif()
execute_process(COMMAND "${LINTIAN}" --display-info --pedantic --tag-display-limit 0 "${package}"
                OUTPUT_VARIABLE report ERROR_VARIABLE report)
file(REMOVE_RECURSE "${SCRATCH}")
message("${report}")
# Lines read "E: varnelcalc: tag-name details".
string(REGEX MATCHALL "(^|\n)[EWIPX]: [^:]+: [^ \n]+" remarks "${report}")
foreach(remark IN LISTS remarks)
    string(REGEX REPLACE "^\n?([EWIPX]): [^:]+: (.+)$" "\\1;\\2" remark "${remark}")
    list(GET remark 0 level)
    list(GET remark 1 tag)
    if(level MATCHES "[EW]" OR NOT tag IN_LIST ACCEPTED)
        message(SEND_ERROR "lintian: ${level}: ${tag}")
    endif()
endforeach()
