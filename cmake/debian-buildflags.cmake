# SPDX-License-Identifier: MIT
# The toolchain file of the package build: the compiler and linker flags Debian builds its
# packages with, asked of dpkg-buildflags when the build is configured, with every hardening
# feature on (stack protector, fortified functions, read-only relocations bound at start).
# The tests' builds keep their own flags.
if(NOT DEFINED ENV{DEB_BUILD_MAINT_OPTIONS})
    set(ENV{DEB_BUILD_MAINT_OPTIONS} "hardening=+all")
endif()
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    # From the source folder, so that -ffile-prefix-map turns its paths into "."
    execute_process(COMMAND dpkg-buildflags --get ${kind}
                    WORKING_DIRECTORY ${CMAKE_CURRENT_LIST_DIR}/..
                    OUTPUT_VARIABLE ${kind} OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
set(CMAKE_CXX_FLAGS_INIT "${CPPFLAGS} ${CXXFLAGS}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${LDFLAGS}")
