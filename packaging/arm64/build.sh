#!/usr/bin/env bash
# Builds Kometa for 64-bit ARM on an amd64 Debian, as Debian's own cross-builds do: the
# build's own tools natively, then the program, its tests and its .deb with the cross
# compiler against the arm64 libraries of this machine's multiarch. Every test runs with
# each arm64 program under qemu-user: the logic, the window offscreen, the monkey, the
# package checks, and the real program on this machine's X server, accessibility bus and
# screen reader. The package, build/package/kometa_VERSION_arm64.deb, is then made again
# from a fresh clone of the commit and compared.
# Called by ./build.sh arm64, which installs what this needs.
set -Eeuo pipefail
. "$(dirname "$0")/../../tools/name_failures.sh"
cd "$(dirname "$0")/../.."
. packaging/rebuild_to_compare.sh

# Where the arm64 preset finds this machine's own Qt (moc, rcc).
KOMETA_HOST_MULTIARCH=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
export KOMETA_HOST_MULTIARCH

build() {
    cmake --preset arm64-host >/dev/null
    cmake --build --preset arm64-host --target picture_to_raw control_layout >/dev/null
    cmake --preset arm64 "$@" >/dev/null
    cmake --build --preset arm64
}

start=$SECONDS
build
echo "Cross-built for arm64 in $((SECONDS - start)) s"
rm -f build/package/kometa_*_arm64.deb
cmake --build --preset arm64 --target package >/dev/null
# Named for the version the source states, whatever the build folder was configured with.
deb=build/package/kometa_$(tools/source_version.sh)_arm64.deb
[[ -f $deb ]] || { echo "no $deb: $(ls build/package)" >&2; exit 1; }
ls -l "$deb"
grep -F "  $(basename "$deb")" build/package/SHA256SUMS

# Whoever rebuilds the package from its commit must get the same bytes.
package() {
    build -DBUILD_TESTING=OFF >/dev/null
    cmake --build --preset arm64 --target package >/dev/null
}
rebuild_to_compare package "$deb"

start=$SECONDS
ctest --preset arm64 --parallel 2
echo "Tested under qemu-user in $((SECONDS - start)) s"
