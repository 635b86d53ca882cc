# SPDX-License-Identifier: MIT
# Runs the cross-built test executables under Wine, in a prefix of the build's own made on
# first use, with no Wine diagnostics and no offer to install Mono or Gecko, which the
# programs do not need. Set VARNELCALC_WINE_ENVIRONMENT first to add to the environment.
find_program(VARNELCALC_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CACHE)
if(NOT VARNELCALC_WINE)
    # Without an emulator CTest would not run the tests at all, yet report nothing wrong.
    message(FATAL_ERROR "Wine is needed to run the Windows tests: install the wine64 package")
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR
    /usr/bin/env ${VARNELCALC_WINE_ENVIRONMENT}
    WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
    ${VARNELCALC_WINE})
