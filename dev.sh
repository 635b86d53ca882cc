#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# One entry point for a fresh Debian 12 machine: installs what is missing, builds, then
#   ./dev.sh run    starts the calculator (installs and builds only what the program needs)
#   ./dev.sh test     runs every test, the engine's tests again built for Windows under Wine,
#                     the whole program's Windows suites when the Windows toolkit is there
#                     (or VARNELCALC_WINDOWS=1 builds it first), the fuzzers for FUZZ_SECONDS
#                     each (60 unless set), then every test again in the sanitizer build
#   ./dev.sh windows  builds the Windows toolkit once, then VarnelCalc.exe and
#                     varnelcalc-cli.exe, packed as a zip and an installer
set -euo pipefail
cd "$(dirname "$0")"

# What building and running the program needs: all that `run` installs.
run_packages=(
    cmake ninja-build g++ pkg-config            # build tools
    qt6-base-dev liblitehtml-dev libgumbo-dev   # libraries the program links
    libcsv-dev                                  # the command-line companion's CSV reader
    fonts-dejavu-core fonts-liberation2         # stand-ins for the designed fonts
    dpkg-dev                                    # the Debian package the README offers after run
)

# What only the tests need, installed by `test` on top of the run packages.
test_packages=(
    libgtest-dev libgmock-dev libbenchmark-dev  # test and benchmark libraries
    xvfb xauth libxcb1-dev locales              # windows on a virtual display; a comma locale
    xdotool at-spi2-core dbus-daemon            # held keys under the accessibility bridge
    clang libclang-rt-14-dev                    # fuzzers
    desktop-file-utils appstream man-db         # desktop entry, metainfo, man page checks
    lintian librsvg2-bin                        # the .deb as Debian judges it; icons against their SVG
    # Windows: the Windows-only sources checked, the engine's tests built and run under Wine
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest wine64
    ccache                                      # the test builds reuse earlier compiles
)

# What the Windows build and its tests under Wine need, on top of the test packages.
windows_packages=(
    dpkg-dev nsis zip                           # Debian's sources, packing
    xdotool xclip imagemagick                   # the real program driven under Wine
)

# The installer is a 32-bit program (Debian's NSIS makes no other): its test runs it under
# Wine's 32-bit loader, which Debian serves for the i386 architecture.
installer_packages=(wine wine32:i386)

# The Windows toolkit (a static Qt and libcsv for MinGW-w64), built once outside the tree.
windows_toolkit=${VARNELCALC_WINDOWS_TOOLKIT:-$HOME/.cache/varnelcalc/mingw-qt-6.4.2}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs those of the given packages that are missing.
install_missing_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -q
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
    fi
}

# Lets apt install packages built for i386 beside the machine's own.
add_i386_architecture() {
    dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
}

# The number tests run once more under a comma-decimal locale.
generate_test_locale() {
    if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
        as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
        as_root locale-gen >/dev/null
    fi
}

# The test builds (five of them) go through ccache where it is installed, with paths taken
# from the checkout, so that a fresh clone reuses what an earlier one compiled.
use_ccache() {
    if command -v ccache >/dev/null; then
        export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
        export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
    fi
}

# Configures with the named preset and builds with the build preset of the same name.
build() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
}

# The engine and its tests cross-built for Windows and run under Wine.
windows_engine_tests() {
    build windows-engine
    ctest --preset windows-engine
}

# The whole program for Windows: the toolkit once (about 45 minutes on two cores), then the
# program, its suites and its packages.
windows_build() {
    scripts/windows-toolkit.sh "$windows_toolkit"
    cmake --preset windows -DVARNELCALC_WINDOWS_TOOLKIT="$windows_toolkit" >/dev/null
    cmake --build --preset windows
}

# The Windows suites run when the toolkit is there; building it takes longer than a test
# run should, so only VARNELCALC_WINDOWS=1 asks for that.
windows_tests() {
    if [ ! -d "$windows_toolkit/stamps" ] && [ "${VARNELCALC_WINDOWS:-}" != 1 ]; then
        echo "Windows suites skipped: the Windows toolkit is not built (VARNELCALC_WINDOWS=1 ./dev.sh test, or ./dev.sh windows, builds it once)"
        return
    fi
    add_i386_architecture
    install_missing_packages "${windows_packages[@]}" "${installer_packages[@]}"
    windows_build
    xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" ctest --preset windows
}

# Each fuzzer starts from the seeds kept in the repository and grows its corpus in a
# scratch folder, so a run never changes the checkout.
fuzz() {
    build fuzz
    local scratch
    scratch=$(mktemp -d)
    for target in conversions_fuzz calculator_fuzz entry_fuzz; do
        local corpus=${target%_fuzz}
        mkdir -p "$scratch/$corpus"
        echo "Fuzzing $corpus for ${FUZZ_SECONDS:-60} s"
        ./build/fuzz/fuzz/$target -max_total_time="${FUZZ_SECONDS:-60}" -print_final_stats=1 \
            -artifact_prefix="$scratch/" "$scratch/$corpus" "fuzz/corpus/$corpus" 2>&1 |
            grep -E '^(stat::(number_of_executed_units|average_exec_per_sec)|#[0-9]+\s+DONE)|ERROR|SUMMARY' ||
            true
        if ls "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-* >/dev/null 2>&1; then
            echo "The $corpus fuzzer found a failing input:" "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-* 2>/dev/null
            return 1
        fi
    done
    rm -rf "$scratch"
}

case "${1:-}" in
run)
    install_missing_packages "${run_packages[@]}"
    build app
    exec ./build/default/app/VarnelCalc
    ;;
test)
    install_missing_packages "${run_packages[@]}" "${test_packages[@]}"
    use_ccache
    generate_test_locale
    build default
    xvfb-run -a ctest --preset default
    windows_engine_tests
    windows_tests
    fuzz
    build sanitize
    xvfb-run -a ctest --preset sanitize
    ;;
windows)
    install_missing_packages "${run_packages[@]}" "${test_packages[@]}" "${windows_packages[@]}"
    use_ccache
    windows_build
    (cd build/windows && cpack >/dev/null)
    ls -l build/windows/VarnelCalc-*-windows-x64.*
    ;;
*)
    echo "usage: $0 run|test|windows" >&2
    exit 2
    ;;
esac
