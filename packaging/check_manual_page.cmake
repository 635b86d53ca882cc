# SPDX-License-Identifier: MIT
# Formats a manual page with warnings on and fails on any warning.
# Run as: cmake -DMAN=... -DPAGE=... -P check_manual_page.cmake
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80
                        "${MAN}" --warnings -E UTF-8 -l -Tutf8 "${PAGE}"
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE warnings)
if(NOT result EQUAL 0 OR NOT warnings STREQUAL "")
    message(FATAL_ERROR "${PAGE}: ${result}\n${warnings}")
endif()
