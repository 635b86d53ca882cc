# SPDX-License-Identifier: MIT
# Sourced by the tests of the real Windows programs: a fresh Wine prefix in a scratch folder,
# gone on exit (the program's lock lives in it, so no other calculator swallows a start), and
# checks tallied. Wine's menu builder would copy Start-menu entries into this machine's menus.
export WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
wine=$(command -v wine || echo /usr/lib/wine/wine64)
scratch=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT
export WINEPREFIX=$scratch/prefix XDG_DATA_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config
"$wine" cmd /c exit 0 >/dev/null 2>&1

passes=0 failures=0
check() { # NAME CONDITION-RESULT DETAIL
    if [ "$2" = 0 ]; then echo "PASS: $1"; passes=$((passes + 1)); else echo "FAIL: $1 ($3)"; failures=$((failures + 1)); fi
}
wait_for() { # SECONDS COMMAND...: true once the command succeeds
    local until=$((SECONDS + $1)); shift
    until "$@" >/dev/null 2>&1; do [ $SECONDS -lt $until ] || return 1; sleep 0.5; done
}
main_window() { xdotool search --onlyvisible --name '^Varnel Interactive Calculator' | head -n 1; }
report() { echo "$passes passed, $failures failed"; [ "$failures" = 0 ]; }
