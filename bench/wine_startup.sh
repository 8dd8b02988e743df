#!/usr/bin/env bash
# Start-up of the Windows program under Wine beside its floors built the same way: the bare
# window with the calculator's controls and fonts, and a bare window without them; all run
# from the unpacked zip so that they load the same DLLs and plugins. Needs
# ./build.sh windows first, and startup_bench from a native Release build.
# Usage: bench/wine_startup.sh [RUNS]
set -Eeuo pipefail
. "$(dirname "$0")/../tools/name_failures.sh"
cd "$(dirname "$0")/.."
runs=${1:-21}
windows=$PWD/build/windows
work=$(mktemp -d)
export WINEPREFIX=$windows/wine WINEDEBUG=-all
trap 'wineserver --kill 2>/dev/null || true; rm -rf "$work"' EXIT

(cd "$work" && cmake -E tar xf "$windows"/kometa-*-win64.zip)
folder=$(dirname "$(find "$work" -name kometa.exe)")
cp "$windows/cross/bin/faces_floor.exe" "$windows/cross/bin/reference_window.exe" "$folder/"
# A Windows desktop has its system processes running before any program starts.
wineserver --persistent >/dev/null 2>&1 || true # one may be running already
build/bin/startup_bench "$runs" "kometa.exe=wine $folder/kometa.exe" \
    "faces_floor.exe=wine $folder/faces_floor.exe" \
    "reference_window.exe=wine $folder/reference_window.exe" 2>/dev/null
