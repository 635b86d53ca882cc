# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix and checks that each file a desktop needs is
# where it looks for it, and that nothing else is installed.
# Run as: cmake -DBUILD_DIR=... -DPREFIX=... -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()
set(id example.varnelcalc.VarnelCalc)
set(expected
    bin/VarnelCalc
    bin/varnelcalc-cli
    share/man/man1/VarnelCalc.1.gz
    share/man/man1/varnelcalc-cli.1.gz
    share/applications/${id}.desktop
    share/metainfo/${id}.metainfo.xml
    share/icons/hicolor/scalable/apps/${id}.svg
    share/doc/varnelcalc/copyright
    share/doc/varnelcalc/changelog.gz
    share/doc/varnelcalc/README.md.gz)
foreach(size 16 24 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${id}.png)
endforeach()
# Every file in its place, and nothing else: a file no list names is a file nobody checks.
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
    list(JOIN installed "\n  " installed)
    list(JOIN expected "\n  " expected)
    message(FATAL_ERROR "installed:\n  ${installed}\nexpected:\n  ${expected}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
