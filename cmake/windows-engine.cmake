# SPDX-License-Identifier: MIT
# 64-bit Windows from Linux with MinGW-w64 (the posix-threads compilers, which give the
# standard library its std::thread and std::mutex). Test executables run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

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
