#!/usr/bin/env bash
# Installs the .deb into a brand-new minimal Debian root that has none of the build
# packages, then starts kometa there under Xvfb and waits for its window. The root is of the
# package's architecture: an arm64 package goes into an arm64 root, whose every program
# runs under qemu-user here. Needs root, debootstrap and the network to the package mirror
# this machine already uses. The .deb must have been built on the same release, which is
# the default.
set -Eeuo pipefail
. "$(dirname "$0")/../tools/name_failures.sh"
here=$(cd "$(dirname "$0")" && pwd)
. "$here/debian_root.sh"
if (($# < 1 || $# > 2)); then
    echo "usage: $0 PATH/TO/kometa_VERSION_ARCH.deb [12|13|testing|CODENAME]" >&2
    exit 2
fi
if [[ $(id -u) -ne 0 ]]; then
    echo "$0: run it as root (sudo $0 ...): it makes and enters a Debian root" >&2
    exit 2
fi
command -v debootstrap >/dev/null || {
    echo "$0: needs debootstrap: apt-get install --no-install-recommends debootstrap" >&2
    exit 2
}
deb=$(realpath "$1")
arch=$(dpkg-deb -f "$deb" Architecture)
release=${2:-$(. /etc/os-release && echo "$VERSION_CODENAME")}
codename=$(debian_codename "$release" "$(debian_mirror)")
root=$(mktemp -d "${TMPDIR:-/var/tmp}/kometa-root.XXXXXX")
trap 'remove_debian_root "$root"' EXIT

echo "bootstrapping Debian $codename for $arch into $root"
make_debian_root "$codename" "$root" "$arch"
cp "$deb" "$root/tmp/"

in_debian_root "$root" sh -c 'apt-get update -q && apt-get install -y -q --no-install-recommends "$1"' \
    sh "/tmp/$(basename "$deb")" >"$root.install.log" 2>&1 || { tail -n 20 "$root.install.log"; exit 1; }
rm -f "$root.install.log"
echo "installed; packages in the root: $(in_debian_root "$root" dpkg-query -W | wc -l)"
for package in g++ cmake qt6-base-dev; do
    if in_debian_root "$root" dpkg-query -W -f='${Status}' "$package" 2>/dev/null |
        grep -q 'install ok installed'; then
        echo "a build package is installed in the root: $package"
        exit 1
    fi
done
in_debian_root "$root" apt-get install -y -q --no-install-recommends xvfb xdotool >/dev/null

# The server takes a free display number, skipping any held elsewhere on this machine, and
# the window is found by kometa's own process.
in_debian_root "$root" sh -c '
    Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>/tmp/display 2>/dev/null & x=$!
    for i in $(seq 300); do [ -s /tmp/display ] && break; sleep 0.1; done
    export DISPLAY=:$(cat /tmp/display)
    started=$(date +%s)
    LANG=ru_RU.UTF-8 kometa & k=$!
    # Under an emulator everything takes longer; a minute is given.
    while [ $(($(date +%s) - started)) -lt 60 ]; do
        if xdotool search --onlyvisible --pid $k >/dev/null 2>&1; then
            echo "kometa window is shown, $(($(date +%s) - started)) s after it was started"
            kill $k $x; exit 0
        fi
        sleep 0.1
    done
    echo "no kometa window"; kill $k $x; exit 1'
