#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Pictures the main window on each tab and the About window under a virtual X display and saves them
# in docs/, for the README. Builds what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset default >/dev/null
cmake --build --preset default --target window_screenshot
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" build/default/tests/mainwindow/window_screenshot docs
echo "Saved docs/main-window*.png and docs/about-window.png"
