#!/usr/bin/env bash
# Runs the Windows tests of this checkout's existing build, made by ./build.sh windows, under
# the Wine of a brand-new Debian root: 13 by default, whose Wine 10 lets a UI Automation
# client read the program where Debian 12's Wine 8 hangs one. Nothing is built there, so the
# same zip is tested in minutes; the root has Wine, an X server with its tools, and CMake's
# test driver, and sees the build, the Qt it was built with, that Qt's translations and the
# compiler's runtime at their own paths. Needs root and debootstrap.
#   tests/windows/in_fresh_root.sh [13|testing|CODENAME]
set -Eeuo pipefail
. "$(dirname "$0")/../../tools/name_failures.sh"
top=$(cd "$(dirname "$0")/../.." && pwd)
. "$top/packaging/debian_root.sh"
release=${1:-13}
if [[ $(id -u) -ne 0 ]]; then
    echo "$0: run it as root (sudo $0 ...): it makes and enters a Debian root" >&2
    exit 2
fi
cross=$top/build/windows/cross
[[ -f $cross/CTestTestfile.cmake ]] || { echo "$0: no Windows build in $cross: run ./build.sh windows first" >&2; exit 1; }
command -v debootstrap >/dev/null ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends debootstrap >/dev/null

# What the tests load from this machine: the Qt and the compiler runtime the build names.
qt=$(sed -n 's|^KOMETA_QT_PREFIX:[A-Z]*=||p' "$cross/CMakeCache.txt")
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
# The window tests' Qt translations, from this machine's Qt of the same release.
translations=$(sed -n 's|^Translations = Z:||p' "$cross/bin/qt.conf")
codename=$(debian_codename "$release" "$(debian_mirror)")
root=$(mktemp -d "${TMPDIR:-/var/tmp}/kometa-$codename.XXXXXX")
[[ -n ${KOMETA_KEEP_ROOT:-} ]] || trap 'remove_debian_root "$root"' EXIT
start=$SECONDS
echo "Debian $release ($codename): bootstrapping into $root"
make_debian_root "$codename" "$root"
in_debian_root "$root" sh -c 'apt-get update -q && apt-get install -y -q --no-install-recommends \
    wine wine64 xvfb xdotool xclip x11-utils xauth fonts-liberation fonts-dejavu-core fonts-wine cmake' \
    >"$root.install.log" 2>&1 || { tail -n 20 "$root.install.log"; exit 1; }
rm -f "$root.install.log"
echo "Ready in $((SECONDS - start)) s: $(in_debian_root "$root" wine --version)"
export KOMETA_ROOT_BINDS="$top $qt $translations $runtime /usr/x86_64-w64-mingw32/lib"
in_debian_root "$root" sh -c '
    export WINEPREFIX=/root/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    wineboot --init >/dev/null 2>&1 && wineserver --wait
    ctest --test-dir "$1" -L wine --output-on-failure' sh "$cross"
echo "The Windows tests passed under $codename's Wine in $((SECONDS - start)) s in all"
