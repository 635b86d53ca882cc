#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# One entry point for a fresh Debian 12 machine: installs what is missing, builds, then
#   ./dev.sh run    starts the calculator
#   ./dev.sh test   runs every test, then the sanitizer build's tests
set -euo pipefail
cd "$(dirname "$0")"

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev liblitehtml-dev libgumbo-dev
    xvfb xauth fonts-dejavu-core fonts-liberation2 locales
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing_packages() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -q
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
    fi
    # The number tests run once more under a comma-decimal locale.
    if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
        as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
        as_root locale-gen >/dev/null
    fi
}

build() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
}

case "${1:-}" in
run)
    install_missing_packages
    build default
    exec ./build/default/app/VarnelCalc
    ;;
test)
    install_missing_packages
    build default
    xvfb-run -a ctest --preset default
    build sanitize
    xvfb-run -a ctest --preset sanitize
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
