# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix and checks that each file a desktop needs is
# where it looks for it. Run as: cmake -DBUILD_DIR=... -DPREFIX=... -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()
set(id example.varnelcalc.VarnelCalc)
foreach(expected
        bin/VarnelCalc
        bin/varnelcalc-cli
        share/man/man1/varnelcalc-cli.1.gz
        share/applications/${id}.desktop
        share/metainfo/${id}.metainfo.xml
        share/icons/hicolor/16x16/apps/${id}.png
        share/icons/hicolor/48x48/apps/${id}.png
        share/icons/hicolor/128x128/apps/${id}.png)
    if(NOT EXISTS "${PREFIX}/${expected}")
        message(FATAL_ERROR "not installed: ${expected}")
    endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
