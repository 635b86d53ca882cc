# SPDX-License-Identifier: MIT
# Fails when PROGRAM imports a DLL that a bare Windows does not have: the MinGW runtime or Qt.
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
list(TRANSFORM imports REPLACE "DLL Name: " "")
message(STATUS "${PROGRAM} imports: ${imports}")
foreach(dll IN LISTS imports)
    string(TOLOWER "${dll}" dll)
    if(dll MATCHES "^(libstdc|libgcc|libwinpthread|qt6|libcsv)")
        message(FATAL_ERROR "${PROGRAM} needs ${dll}, which Windows does not have")
    endif()
endforeach()
