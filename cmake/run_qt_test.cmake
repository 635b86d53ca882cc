# SPDX-License-Identifier: MIT
# Runs a cross-built Qt Test program under the emulator and prints its log. Under Wine, Qt
# Test's own output does not reach standard output, so the program writes it to a file. The
# run passes only when Qt Test's totals say that tests ran and none failed: an emulator that
# ran nothing cannot pass.
#   cmake -DEMULATOR=... -DPROGRAM=... -DLOG=... [-DARGUMENTS=...] -P run_qt_test.cmake
file(REMOVE ${LOG})
# Wine reaches this machine's files through drive Z:.
execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${ARGUMENTS} -o Z:${LOG},txt
                RESULT_VARIABLE exit_code)
if(EXISTS ${LOG})
    file(READ ${LOG} log)
endif()
message("${log}")
if(NOT exit_code EQUAL 0 OR NOT log MATCHES "Totals: [1-9][0-9]* passed, 0 failed")
    message(FATAL_ERROR "${PROGRAM} ended with ${exit_code}")
endif()
