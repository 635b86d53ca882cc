# SPDX-License-Identifier: MIT
# The command-line program must run without a display: no Qt GUI library may be linked.
# Run as: cmake -DPROGRAM=... -P links_qt_core_only.cmake
file(GET_RUNTIME_DEPENDENCIES EXECUTABLES "${PROGRAM}" RESOLVED_DEPENDENCIES_VAR libraries
     UNRESOLVED_DEPENDENCIES_VAR unresolved)
set(qt_core_found FALSE)
foreach(library IN LISTS libraries unresolved)
    if(library MATCHES "libQt6(Gui|Widgets|OpenGL)")
        message(FATAL_ERROR "${PROGRAM} links ${library}")
    endif()
    if(library MATCHES "libQt6Core")
        set(qt_core_found TRUE)
    endif()
endforeach()
if(NOT qt_core_found)
    message(FATAL_ERROR "${PROGRAM} does not link Qt Core: is this the right program?")
endif()
