# SPDX-License-Identifier: MIT
# The engine and its tests for Windows: the MinGW-w64 cross build, each test executable run
# under Wine without a display (the engine's tests are console programs).
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

# Static, so that an executable runs without the MinGW runtime DLLs copied beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

set(VARNELCALC_WINE_ENVIRONMENT -u DISPLAY -u WAYLAND_DISPLAY)
include(${CMAKE_CURRENT_LIST_DIR}/wine.cmake)
