#!/bin/sh
# SPDX-License-Identifier: MIT
# Renders the help pane and the four recommendation panes, at the sizes the main window
# gives them, to docs/pages-help.png and docs/pages-recommended.png.
# BUILD_DIR picks another configured build folder (default: the "default" preset's).
set -eu
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build/default}
if [ -z "${BUILD_DIR:-}" ]; then
    cmake --build --preset default --target screenshot_pages
else
    cmake --build "$build" --target screenshot_pages
fi
mkdir -p docs
xvfb-run -a "$build/tests/pages/screenshot_pages" docs
echo "wrote docs/pages-help.png and docs/pages-recommended.png"
