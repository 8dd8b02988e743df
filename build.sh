#!/usr/bin/env bash
# Brings a fresh Debian 12 or Ubuntu 24.04 machine to a built Kometa, then starts the
# calculator (./build.sh run) or runs every test (./build.sh test): the Release build's
# tests, the fuzz targets for KOMETA_FUZZ_SECONDS each (default 60), and the whole suite
# again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"

action=${1:-}
if [[ $action != run && $action != test ]]; then
    echo "usage: $0 run|test" >&2
    exit 2
fi

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libgtest-dev libbenchmark-dev
    libx11-dev libxdamage-dev libxtst-dev
    fonts-liberation fonts-dejavu-core
)
if [[ $action == test ]]; then
    # Validators and package tools for the packaging tests; clang for the sanitizers and
    # the fuzz targets.
    packages+=(desktop-file-utils appstream dpkg-dev file clang libclang-rt-dev llvm)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if ((${#missing[@]})); then
    as_root=()
    if [[ $(id -u) -ne 0 ]]; then
        as_root=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake --preset default
cmake --build --preset default

if [[ $action == run ]]; then
    exec build/bin/kometa
fi

ctest --preset default
cmake --preset sanitize
cmake --build --preset sanitize
tests/fuzz/run.sh build/sanitize "${KOMETA_FUZZ_SECONDS:-60}"
ctest --preset sanitize
