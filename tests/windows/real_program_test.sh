#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real VarnelCalc.exe under Wine, used as a person would on an X display: figures typed
# with xdotool are read back through Ctrl+Shift+C on the clipboard, a second start leaves one
# window, a product link reaches the Windows shell's opener, and the window is pictured.
#
#   real_program_test.sh VarnelCalc.exe [SCREENSHOT.png]
#
# Needs DISPLAY (run under xvfb-run), wine, xdotool and xclip.
set -euo pipefail
program=$1
screenshot=${2:-}
source "$(dirname "$0")/wine_session.sh"

# Wine's shell opens web addresses with winebrowser, which hands them to xdg-open: a stub
# earlier on PATH records them instead.
mkdir -p "$scratch/bin"
printf '#!/bin/sh\necho "$@" >>"%s/opened"\n' "$scratch" >"$scratch/bin/xdg-open"
chmod +x "$scratch/bin/xdg-open"
export PATH=$scratch/bin:$PATH

"$wine" "$program" &
window=
wait_for 90 main_window && window=$(main_window)
check "the window opens" "$([ -n "$window" ]; echo $?)" "no window titled Varnel Interactive Calculator"
[ -n "$window" ] || exit 1
sleep 2

# Wine draws the frame itself: the X window is the client area and Windows' own frame.
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window on X: ${WIDTH}x${HEIGHT}"

xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
# The impressions box has the focus first; each box selects its text on entry. Tab goes on to
# clicks, CTR, its tenths and eCPM.
for figure in 1000 Tab Tab 2 Tab 5 Tab 2; do
    if [ "$figure" = Tab ]; then xdotool key --delay 100 Tab; else xdotool type --delay 80 "$figure"; fi
done
sleep 1
xdotool key --delay 100 ctrl+shift+c
sleep 1
copied=$(xclip -o -selection clipboard 2>/dev/null | tr -d '\r' || true)
yearly=$(printf '%s\n' "$copied" | awk -F '\t' '$1 ~ /^Yearly/ { print $2 }')
check "typed figures give the yearly \$730.00 on the clipboard" \
    "$([ "$yearly" = '$730.00' ]; echo $?)" "yearly: '$yearly'; clipboard: $(printf '%s' "$copied" | head -c 300)"

[ -z "$screenshot" ] || import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$screenshot"

# A second start ends and leaves the one window.
start=$SECONDS
status=0
timeout 60 "$wine" "$program" || status=$?
# A window going while xdotool looks makes it fail with an X error: it looks again.
one_window() { [ "$(xdotool search --onlyvisible --name '^Varnel Interactive Calculator' | wc -l)" = 1 ]; }
check "a second start ends (exit $status after $((SECONDS - start)) s) and one window stays" \
    "$([ "$status" = 0 ] && wait_for 10 one_window; echo $?)" "not one window"

# Alt+R opens the recommended tools; Tab enters the first product page at its first link.
xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool key --delay 200 alt+r Tab Return
wait_for 20 test -s "$scratch/opened" || true
opened=$(cat "$scratch/opened" 2>/dev/null || true)
check "a product link reaches the shell's opener" \
    "$(printf '%s' "$opened" | grep -q '^http://www.varnelcalc.example/'; echo $?)" "opened: '$opened'"

xdotool windowclose "$window" 2>/dev/null || xdotool key --window "$window" alt+F4
wait_for 30 sh -c "! xdotool search --onlyvisible --name '^Varnel Interactive Calculator' >/dev/null"
report
