#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The installer, packed from the build and run silently in a fresh Wine prefix: both programs,
# the Start-menu entries and the uninstall key are in place, and the entry starts the
# calculator; the uninstaller, run silently, leaves none of them. Needs DISPLAY, cpack with
# makensis, Wine's 32-bit loader (the installer is a 32-bit program) and xdotool.
#
#   installer_test.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/wine_session.sh"
cpack -G NSIS --config "$1/CPackConfig.cmake" -B "$scratch/pack" >/dev/null
installer=$(ls "$scratch"/pack/VarnelCalc-*-windows-x64.exe)
folder="$WINEPREFIX/drive_c/Program Files/VarnelCalc"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Varnel Interactive Calculator"
keys() { grep -ci 'CurrentVersion\\\\Uninstall\\\\VarnelCalc\]' "$WINEPREFIX/system.reg" || true; }

# Wine writes its registry out as its server ends: each step waits for that.
"$wine" "$installer" /S && wineserver -w
check "programs and uninstaller installed" "$(cd "$folder" && ls VarnelCalc.exe varnelcalc-cli.exe Uninstall.exe >/dev/null; echo $?)" "$(ls "$folder" 2>&1)"
check "Start-menu entries made" "$(cd "$menu" && ls 'Varnel Interactive Calculator.lnk' Uninstall.lnk >/dev/null; echo $?)" "$(ls "$menu" 2>&1)"
check "uninstall key recorded" "$([ "$(keys)" != 0 ]; echo $?)" "no key"
version=$("$wine" "$folder/varnelcalc-cli.exe" --version 2>&1 | head -n 1 | tr -d '\r')
check "the installed command line answers" "$([[ $version == "varnelcalc-cli "* ]]; echo $?)" "'$version'"
# Opened through the shell, as the Start menu opens it.
"$wine" start "$(winepath -w "$menu/Varnel Interactive Calculator.lnk" 2>/dev/null)" >/dev/null 2>&1 || true
check "the Start-menu entry opens the calculator" "$(wait_for 90 main_window; echo $?)" "no window"
wineserver -k && wineserver -w

# The uninstaller goes on from a copy of itself: the server's end waits for that too.
"$wine" "$folder/Uninstall.exe" /S && wineserver -w
check "uninstalled: no folder, entries or key" "$([ ! -e "$folder" ] && [ ! -e "$menu" ] && [ "$(keys)" = 0 ]; echo $?)" "$(ls "$folder" "$menu" 2>&1; keys)"
report
