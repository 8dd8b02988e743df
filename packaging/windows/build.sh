#!/usr/bin/env bash
# Builds the Windows program on Debian and tests it under Wine: Qt cross-built once from this
# machine's own Qt source (cached), the converter tool built natively, then kometa.exe, its
# zip and its installer in build/windows, and every test that runs under Wine.
# Called by ./build.sh windows, which installs what this needs.
set -euo pipefail
cd "$(dirname "$0")/../.."
top=$PWD
out=$top/build/windows

qt=$(packaging/windows/build_qt.sh)
echo "Qt for Windows: $qt"

# The picture converter runs during the build, so it must be built for this machine.
cmake -S . -B "$out/host" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DKOMETA_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$out/host" --target picture_to_raw

cmake -S . -B "$out/cross" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$top/packaging/windows/mingw-w64.cmake" \
    -DKOMETA_QT_PREFIX="$qt" -DCMAKE_PREFIX_PATH="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DKOMETA_HOST_TOOLS="$out/host/bin" -DCMAKE_CROSSCOMPILING_EMULATOR=wine \
    -DKOMETA_PACKAGE_DIRECTORY="$out" -DBUILD_TESTING=ON -DKOMETA_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$out/cross"
cmake --build "$out/cross" --target package >/dev/null
rm -rf "$out/_CPack_Packages"
ls -l "$out"/kometa-*-win64.zip "$out"/kometa-*-win64-setup.exe

# A private Wine, made once; nothing but Kometa and its tests is put into it.
export WINEPREFIX=$out/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [[ ! -f $WINEPREFIX/system.reg ]]; then
    echo "Preparing a Wine prefix in $WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    wineserver --wait
fi
ctest --test-dir "$out/cross" --output-on-failure
