# SPDX-License-Identifier: MIT
# The engine's tests for Windows: the MinGW-w64 cross build, each test executable run under Wine.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

# Static, so that an executable runs without the MinGW runtime DLLs copied beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Debian's wine64 package installs its loader outside PATH; the wine package adds one on PATH.
find_program(VARNELCALC_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CACHE)
if(NOT VARNELCALC_WINE)
    # Without an emulator CTest would not run the tests at all, yet report nothing wrong.
    message(FATAL_ERROR "Wine is needed to run the Windows tests: install the wine64 package")
endif()
# A prefix of our own, made on first use; no display, no Wine diagnostics, and no offer to
# install Mono or Gecko, which console programs do not need.
set(CMAKE_CROSSCOMPILING_EMULATOR
    /usr/bin/env -u DISPLAY -u WAYLAND_DISPLAY
    WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
    ${VARNELCALC_WINE})
