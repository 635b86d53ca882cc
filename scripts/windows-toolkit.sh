#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds, once, the Windows toolkit that the `windows` preset links against, from Debian's
# own source packages and with Debian's MinGW-w64 compilers:
#   - Qt 6 (Core, Gui, Widgets, Test and the windows platform plugin, static), with this
#     machine's Qt as the host tools (moc, rcc, uic);
#   - libcsv, the command-line companion's CSV reader.
#
#   scripts/windows-toolkit.sh PREFIX
#
# PREFIX holds the installed toolkit and, per part, a stamp of the recipe it was built from;
# a part whose stamp matches its recipe is not built again. Sources and build trees live in
# PREFIX.work and are removed once everything is installed.
set -euo pipefail
prefix=${1:?usage: $0 PREFIX}
here=$(cd "$(dirname "$0")/.." && pwd)
toolchain=$here/cmake/mingw-w64.cmake
work=$prefix.work
jobs=${VARNELCALC_TOOLKIT_JOBS:-2}

# The source entries of the archives the machine itself installs Debian's packages from, as apt
# resolves its own configuration (whatever mirror or proxy it names): each Debian origin's
# address, suite and component, as a deb-src line.
debian_source_entries() {
    apt-cache policy | awk '
        /^ *-?[0-9]+ [a-z+]+:\/\// { address = $2; split($3, place, "/"); next }
        / release .*o=Debian/ && address != "" {
            print "deb-src " address " " place[1] " " place[2]; address = ""
        }' | sort -u
}

# Downloads a source package and unpacks it into the folder given, through a private list
# with the machine's own Debian entries turned into deb-src ones, so that the machine's apt
# configuration stays untouched.
fetch_source() {
    local package=$1 folder=$2
    [ -d "$work/$folder" ] && return
    mkdir -p "$work/apt/lists/partial" "$work/apt/archives" "$work/download"
    debian_source_entries >"$work/apt/sources.list"
    if [ ! -s "$work/apt/sources.list" ]; then
        echo "No Debian archive in this machine's apt lists: run apt-get update first" >&2
        exit 1
    fi
    local apt=(apt-get -q -o Dir::Etc::SourceList="$work/apt/sources.list"
        -o Dir::Etc::SourceParts=/dev/null -o Dir::State::Lists="$work/apt/lists"
        -o Dir::Cache::Archives="$work/apt/archives")
    [ -f "$work/apt/updated" ] || { "${apt[@]}" update >/dev/null 2>&1 && touch "$work/apt/updated"; }
    (cd "$work/download" && "${apt[@]}" source --download-only "$package" >/dev/null 2>&1)
    rm -rf "$work/$folder.tmp"
    dpkg-source --no-check -x "$work/download/${package}"_*.dsc "$work/$folder.tmp" >/dev/null
    mv "$work/$folder.tmp" "$work/$folder"
}

# The recipe of a part: the text of the function that builds it and of the toolchain file.
recipe_of() {
    { declare -f "$1"; cat "$toolchain"; } | sha256sum | cut -c1-16
}

# Runs the build function named unless the stamp of its recipe is there already.
build_once() {
    local part=$1 recipe
    recipe=$(recipe_of "build_$part")
    if [ "$(cat "$prefix/stamps/$part" 2>/dev/null)" = "$recipe" ]; then
        return
    fi
    echo "Building the Windows toolkit's $part (once) into $prefix"
    "build_$part"
    mkdir -p "$prefix/stamps"
    echo "$recipe" >"$prefix/stamps/$part"
}

build_qt() {
    fetch_source qt6-base qtbase
    local plugin=$work/qtbase/src/plugins/platforms/windows
    # With OpenGL off the Windows plugin still reaches for the dynamic-GL context, and with
    # Direct2D off it still reaches for the DirectWrite font database: guard both by the
    # feature that really provides them.
    sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
        "$plugin/qwindowswindow.cpp"
    sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
        "$plugin/qwindowsintegration.cpp"

    local features=() feature
    # tabletevent: Debian's repacked source drops the third-party code it needs. Nothing here
    # links Qt Network: the program keeps off the network, and links open through the shell.
    for feature in network sql dbus xml concurrent printsupport opengl vulkan direct2d zstd icu \
        glib freetype tabletevent; do
        features+=("-DFEATURE_$feature=OFF")
    done
    local launcher=()
    if command -v ccache >/dev/null; then
        export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
        launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    cmake -S "$work/qtbase" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DBUILD_SHARED_LIBS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
        -DQT_BUILD_BENCHMARKS=OFF -DFEATURE_testlib=ON -DFEATURE_widgets=ON \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
        -DFEATURE_system_jpeg=OFF \
        -DFEATURE_system_harfbuzz=OFF "${features[@]}" "${launcher[@]}" >"$work/qtbase.log"
    nice cmake --build "$work/build" --parallel "$jobs"
    cmake --install "$work/build" >/dev/null
}

# libcsv is one C file; it goes into the prefix as a static library with its header.
build_libcsv() {
    fetch_source libcsv libcsv
    mkdir -p "$prefix/lib" "$prefix/include"
    x86_64-w64-mingw32-gcc-posix -O2 -c "$work/libcsv/libcsv.c" -I"$work/libcsv" \
        -o "$work/libcsv/libcsv.o"
    x86_64-w64-mingw32-ar rcs "$prefix/lib/libcsv.a" "$work/libcsv/libcsv.o"
    cp "$work/libcsv/csv.h" "$prefix/include/csv.h"
}

build_once qt
build_once libcsv
rm -rf "$work"
