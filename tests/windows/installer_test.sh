#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows installer as a user meets it: packed from the build, run silently in a fresh
# Wine prefix, it puts both programs and a Start-menu entry in place, and the entry starts the
# calculator; its uninstaller, run silently, leaves no file, no entry and no uninstall key.
#
#   installer_test.sh BUILD_DIR
#
# Needs DISPLAY (run under xvfb-run), cpack with makensis, Wine with its 32-bit loader (the
# installer is a 32-bit program) and xdotool.
set -euo pipefail
build=$1
source "$(dirname "$0")/wine_session.sh"

cpack -G NSIS --config "$build/CPackConfig.cmake" -B "$scratch/pack" >/dev/null
installer=$(ls "$scratch"/pack/VarnelCalc-*-windows-x64.exe)

# The uninstall key as the registry files hold it, in the 32-bit view or the 64-bit one.
uninstall_keys() {
    grep -ci 'CurrentVersion\\\\Uninstall\\\\VarnelCalc\]' "$WINEPREFIX/system.reg" || true
}

program_folder="$WINEPREFIX/drive_c/Program Files/VarnelCalc"
menu_folder="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
menu_folder+="/Varnel Interactive Calculator"
entry='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Varnel Interactive Calculator'
entry+='\Varnel Interactive Calculator.lnk'

# Wine finishes its registry writes when its server ends, so each step waits for that.
"$wine" "$installer" /S
wineserver -w
missing=
for file in VarnelCalc.exe varnelcalc-cli.exe Uninstall.exe; do
    [ -f "$program_folder/$file" ] || missing+=" $file"
done
check "the installer puts both programs and the uninstaller in Program Files" \
    "$([ -z "$missing" ]; echo $?)" "missing:$missing"
check "the installer makes the Start-menu entry and its uninstaller's" \
    "$([ -f "$menu_folder/Varnel Interactive Calculator.lnk" ] && [ -f "$menu_folder/Uninstall.lnk" ]
        echo $?)" \
    "$(ls "$menu_folder" 2>&1 | tr '\n' ' ')"
check "the installer records its uninstaller" "$([ "$(uninstall_keys)" != 0 ]; echo $?)" "no key"

version=$("$wine" "C:\\Program Files\\VarnelCalc\\varnelcalc-cli.exe" --version 2>&1 |
    head -n 1 | tr -d '\r')
check "the installed command-line program starts" \
    "$([[ $version == "varnelcalc-cli "* ]]; echo $?)" "it said '$version'"

# As the Start menu opens it: through the shell, which returns once the program is started.
"$wine" start "$entry" >/dev/null 2>&1 || true
window=
wait_for 90 main_window && window=$(main_window)
check "the Start-menu entry opens the calculator" "$([ -n "$window" ]; echo $?)" "no window"
# The calculator has been seen; it ends with the rest of this prefix's programs.
wineserver -k
wineserver -w

# The uninstaller copies itself elsewhere and goes on from there: the server's end covers it.
"$wine" "$program_folder/Uninstall.exe" /S
wineserver -w
check "the uninstaller removes the program folder" "$([ ! -e "$program_folder" ]; echo $?)" \
    "left: $(ls "$program_folder" 2>&1 | tr '\n' ' ')"
check "the uninstaller removes the Start-menu entries" "$([ ! -e "$menu_folder" ]; echo $?)" \
    "left: $(ls "$menu_folder" 2>&1 | tr '\n' ' ')"
check "the uninstaller removes its uninstall key" "$([ "$(uninstall_keys)" = 0 ]; echo $?)" \
    "$(uninstall_keys) keys left"
check "nothing reached this machine's own menus" \
    "$([ -z "$(find "$HOME/.local/share/applications" "$HOME/.config/menus" -newer "$installer" \
        -iname '*Varnel*' 2>/dev/null)" ]; echo $?)" "entries in $HOME"

report
