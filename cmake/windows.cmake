# SPDX-License-Identifier: MIT
# The whole program for Windows: the MinGW-w64 cross build against the Windows toolkit (a
# static Qt and libcsv that scripts/windows-toolkit.sh builds from Debian's sources), with
# this machine's Qt as the host tools. Tests run under Wine, which draws its windows on the
# X display the tests are given.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

set(VARNELCALC_WINDOWS_TOOLKIT "$ENV{HOME}/.cache/varnelcalc/mingw-qt-6.4.2"
    CACHE PATH "The Windows toolkit's prefix")
list(APPEND CMAKE_FIND_ROOT_PATH ${VARNELCALC_WINDOWS_TOOLKIT})
list(APPEND CMAKE_PREFIX_PATH ${VARNELCALC_WINDOWS_TOOLKIT})
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# Static, so that the programs run without the MinGW runtime DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

include(${CMAKE_CURRENT_LIST_DIR}/wine.cmake)
