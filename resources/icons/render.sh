#!/bin/sh
# SPDX-License-Identifier: MIT
# Renders the program's icon at each size the program and the desktop use, after a change to
# VarnelCalc.svg. Needs rsvg-convert (Debian: librsvg2-bin).
set -eu
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" VarnelCalc.svg --output "$size.png"
done
