#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds, once, the Windows toolkit the Windows preset links against: Qt 6 (Core, Gui,
# Widgets, Test and the windows platform plugin, static) cross-compiled with MinGW-w64 from
# Debian's own qt6-base source package, using this machine's Qt as the host tools.
#
#   scripts/windows-toolkit.sh PREFIX
#
# PREFIX holds the installed toolkit and a stamp of the recipe it was built from; when the
# stamp matches this script, nothing is done. The sources and build tree live in PREFIX.work
# and are removed after a successful install.
set -euo pipefail
prefix=${1:?usage: $0 PREFIX}
here=$(cd "$(dirname "$0")/.." && pwd)
recipe=$(cat "$0" "$here/cmake/mingw-w64.cmake" | sha256sum | cut -c1-16)
if [ "$(cat "$prefix/recipe" 2>/dev/null)" = "$recipe" ]; then
    exit 0
fi

work=$prefix.work
mkdir -p "$work"
cd "$work"

# Debian's archive is the only source: a private list with a deb-src entry, so the machine's
# own apt configuration stays untouched.
fetch_source() {
    local package=$1
    mkdir -p apt/lists/partial apt/archives
    if [ ! -f apt/sources.list ]; then
        # The same suites the machine's own lists use.
        echo "deb-src http://deb.debian.org/debian bookworm main" > apt/sources.list
    fi
    local apt=(apt-get -q -o Dir::Etc::SourceList="$work/apt/sources.list"
        -o Dir::Etc::SourceParts=/dev/null -o Dir::State::Lists="$work/apt/lists"
        -o Dir::Cache::Archives="$work/apt/archives")
    [ -f apt/updated ] || { "${apt[@]}" update >/dev/null && touch apt/updated; }
    "${apt[@]}" source --download-only "$package"
}

if [ ! -d qtbase ]; then
    ls qt6-base_*.dsc >/dev/null 2>&1 || fetch_source qt6-base
    rm -rf qtbase.tmp
    dpkg-source --no-check -x qt6-base_*.dsc qtbase.tmp >/dev/null
    # With OpenGL off the Windows plugin still reaches for the dynamic-GL context, and with
    # Direct2D off it still reaches for the DirectWrite font database: guard both by the
    # feature that really provides them.
    plugin=qtbase.tmp/src/plugins/platforms/windows
    sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
        $plugin/qwindowswindow.cpp
    sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
        $plugin/qwindowsintegration.cpp
    mv qtbase.tmp qtbase
fi

export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

off=(network sql dbus xml concurrent printsupport opengl vulkan direct2d zstd icu glib freetype
     jpeg tabletevent)
features=()
for feature in "${off[@]}"; do features+=("-DFEATURE_$feature=OFF"); done

cmake -S qtbase -B build -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DBUILD_SHARED_LIBS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_testlib=ON -DFEATURE_widgets=ON \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
    -DFEATURE_system_harfbuzz=OFF "${features[@]}" "${launcher[@]}" >configure.log
nice cmake --build build --parallel "${VARNELCALC_TOOLKIT_JOBS:-2}"
cmake --install build >/dev/null
echo "$recipe" > "$prefix/recipe"
cd / && rm -rf "$work"
