#!/usr/bin/env bash
# Builds the Windows program on Debian and tests it under Wine where the release has Wine: Qt
# cross-built once from this machine's own Qt source (cached), the build's own tools built
# natively, then kometa.exe, its zip and its installer in build/windows, every Windows file
# in them checked for ASLR and DEP, and every test.
# Called by ./build.sh windows, which installs what this needs.
set -Eeuo pipefail
. "$(dirname "$0")/../../tools/name_failures.sh"
cd "$(dirname "$0")/../.."
. packaging/rebuild_to_compare.sh
out=$PWD/build/windows
# The installer is tested over an earlier version: this program with a lower number.
earlier_version=0.9.0
earlier_installer=$out/earlier/kometa-$earlier_version-win64-setup.exe

# What the windows preset reads from the environment: the cross-built Qt, and this
# machine's own Qt (moc, rcc) under its multiarch folder.
KOMETA_QT_PREFIX=$(packaging/windows/build_qt.sh)
KOMETA_HOST_MULTIARCH=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
export KOMETA_QT_PREFIX KOMETA_HOST_MULTIARCH
echo "Qt for Windows: $KOMETA_QT_PREFIX"

# The tools that run during the build must be built for this machine.
cmake --preset windows-host >/dev/null
cmake --build --preset windows-host --target picture_to_raw control_layout

# A build folder that found another Qt for Windows, an earlier recipe's, would keep finding it.
fresh=()
if [[ -f $out/cross/CMakeCache.txt ]] &&
    ! grep -qF "Qt6_DIR:PATH=$KOMETA_QT_PREFIX/" "$out/cross/CMakeCache.txt"; then
    fresh=(--fresh)
fi
cmake --preset windows "${fresh[@]}" -DKOMETA_EARLIER_INSTALLER="$earlier_installer" >/dev/null
cmake --build --preset windows
rm -f "$out"/kometa-*-win64.zip "$out"/kometa-*-win64-setup.exe "$out/SHA256SUMS"
cmake --build --preset windows --target package >/dev/null
rm -rf "$out/_CPack_Packages"
# Named for the version the source states, whatever the build folder was configured with.
version=$(tools/source_version.sh)
zip=build/windows/kometa-$version-win64.zip
installer=build/windows/kometa-$version-win64-setup.exe
[[ -f $zip && -f $installer ]] || {
    echo "no packages of version $version, which CMakeLists.txt states: $(cd "$out" && ls kometa-*)" >&2
    exit 1
}
ls -l "$zip" "$installer"
cat "$out/SHA256SUMS"
packaging/windows/check_pe_files.sh "$zip" "$installer"

# Whoever rebuilds a download from its commit must get the same bytes.
packages() {
    cmake --preset windows-host >/dev/null
    cmake --build --preset windows-host --target picture_to_raw control_layout >/dev/null
    cmake --preset windows -DBUILD_TESTING=OFF -DKOMETA_BUILD_BENCHMARKS=OFF >/dev/null
    cmake --build --preset windows --target package >/dev/null
}
rebuild_to_compare packages "$zip" "$installer"

# Without Wine only what needs no Windows runs; what was not checked is said by name.
if ! command -v wine >/dev/null; then
    ctest --test-dir "$out/cross" --output-on-failure -LE wine
    echo "Wine is not installed (this release's archive has none), so these checks did not run:"
    ctest --test-dir "$out/cross" -N -L wine | sed -n 's/^ *Test *#[0-9]*: /  /p'
    exit 0
fi

# The earlier version for the installer's test, built apart.
echo "Building version $earlier_version to install this one over"
cmake --preset windows -B "$out/earlier-build" -DKOMETA_BUILD_VERSION=$earlier_version -DBUILD_TESTING=OFF \
    -DKOMETA_BUILD_BENCHMARKS=OFF -DKOMETA_PACKAGE_DIRECTORY="$out/earlier" >/dev/null
cmake --build "$out/earlier-build" --target package >/dev/null
[[ -f $earlier_installer ]] || { echo "no $earlier_installer" >&2; exit 1; }

# A private Wine, made once; nothing but Kometa and its tests is put into it.
export WINEPREFIX=$out/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [[ ! -f $WINEPREFIX/system.reg ]]; then
    echo "Preparing a Wine prefix in $WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    wineserver --wait
fi
ctest --test-dir "$out/cross" --output-on-failure
wine_version=$(wine --version)
major=${wine_version#wine-}
if ((${major%%.*} < 10)); then
    echo "The UI Automation client's test did not run: $wine_version hangs a client, Debian" \
        "13's Wine 10 does not. After this build, sudo tests/windows/in_fresh_root.sh 13 runs" \
        "the same tests there, without building again."
fi
