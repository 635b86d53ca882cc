# SPDX-License-Identifier: MIT
# The same figures through the Linux program and, under Wine, the Windows one: the output is
# the same byte for byte once the Windows line ends (CR LF) are made LF.
if(NOT EXISTS "${LINUX_CLI}")
    message(FATAL_ERROR "No Linux varnelcalc-cli at ${LINUX_CLI}: build the default preset first")
endif()
foreach(format IN ITEMS text csv json)
    set(arguments --impressions 1000 --ctr 2.5 --ecpm 2 --format ${format})
    execute_process(COMMAND ${LINUX_CLI} ${arguments} OUTPUT_VARIABLE linux RESULT_VARIABLE linux_exit)
    execute_process(COMMAND ${EMULATOR} ${WINDOWS_CLI} ${arguments}
                    OUTPUT_VARIABLE windows RESULT_VARIABLE windows_exit)
    string(REPLACE "\r\n" "\n" windows_lf "${windows}")
    if(NOT linux_exit EQUAL windows_exit OR NOT linux STREQUAL windows_lf)
        message(FATAL_ERROR "--format ${format}: Linux (exit ${linux_exit}):\n${linux}\n"
                            "Windows (exit ${windows_exit}):\n${windows}")
    endif()
    string(FIND "${windows}" "\r\n" crlf)
    message(STATUS "--format ${format}: the same; Windows line ends: ${crlf}")
endforeach()
