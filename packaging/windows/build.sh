#!/usr/bin/env bash
# Builds the Windows program on Debian and tests it under Wine: Qt cross-built once from this
# machine's own Qt source (cached), the build's own tools built natively, then kometa.exe, its
# zip and its installer in build/windows, and every test that runs under Wine.
# Called by ./build.sh windows, which installs what this needs.
set -euo pipefail
cd "$(dirname "$0")/../.."
top=$PWD
out=$top/build/windows

# What the windows preset reads from the environment: the cross-built Qt, and this
# machine's own Qt (moc, rcc) under its multiarch folder.
KOMETA_QT_PREFIX=$(packaging/windows/build_qt.sh)
KOMETA_HOST_MULTIARCH=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
export KOMETA_QT_PREFIX KOMETA_HOST_MULTIARCH
echo "Qt for Windows: $KOMETA_QT_PREFIX"

# The tools that run during the build must be built for this machine.
cmake --preset windows-host >/dev/null
cmake --build --preset windows-host --target picture_to_raw control_layout

cmake --preset windows >/dev/null
cmake --build --preset windows
cmake --build --preset windows --target package >/dev/null
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
