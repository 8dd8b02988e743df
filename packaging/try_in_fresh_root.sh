#!/usr/bin/env bash
# Installs the .deb into a brand-new minimal Debian root that has none of the build
# packages, then starts kometa there under Xvfb and waits for its window. Needs root,
# debootstrap and the network to the package mirror this machine already uses. The .deb
# must have been built on the same release, which is the default.
set -euo pipefail
if (($# < 1 || $# > 2)); then
    echo "usage: $0 PATH/TO/kometa_VERSION_ARCH.deb [bookworm|trixie]" >&2
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
release=${2:-$(. /etc/os-release && echo "$VERSION_CODENAME")}
root=$(mktemp -d /tmp/kometa-root.XXXXXX)
cleanup() {
    umount "$root/proc" 2>/dev/null || umount -l "$root/proc" 2>/dev/null || true
    # Never delete through a mount that is still there: it would reach the host's files.
    if findmnt -R -n "$root" >/dev/null; then
        echo "mounts remain under $root; left in place" >&2
    else
        rm -rf "$root"
    fi
}
trap cleanup EXIT

# The same mirror the host's apt installs from, as apt itself reads its sources (one-line
# or deb822, with or without options such as signed-by).
mirror=$(apt-get indextargets --format '$(REPO_URI)' 'Created-By: Packages' |
    grep -v security | head -n 1 || true)
[[ -n $mirror ]] || { echo "$0: apt knows no Debian mirror here; run apt-get update" >&2; exit 1; }
echo "bootstrapping Debian $release into $root"
debootstrap --variant=minbase "$release" "$root" "$mirror" >/dev/null
mount -t proc proc "$root/proc"
cp "$deb" "$root/tmp/"

in_root() { chroot "$root" env DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8 "$@"; }
in_root apt-get install -y -q --no-install-recommends "/tmp/$(basename "$deb")" >/tmp/kometa-root-install.log
echo "installed; packages in the root: $(in_root dpkg-query -W | wc -l)"
in_root dpkg -s g++ cmake qt6-base-dev 2>/dev/null | grep -q '^Package' &&
    { echo "build packages found in the root"; exit 1; }
in_root apt-get install -y -q --no-install-recommends xvfb xdotool >/dev/null

in_root sh -c '
    Xvfb :41 -screen 0 640x480x24 >/dev/null 2>&1 & x=$!
    sleep 1
    DISPLAY=:41 LANG=ru_RU.UTF-8 kometa & k=$!
    for i in $(seq 50); do
        if DISPLAY=:41 xdotool search --onlyvisible --name ":\\)" >/dev/null 2>&1; then
            echo "kometa window is shown"; kill $k $x; exit 0
        fi
        sleep 0.1
    done
    echo "no kometa window"; kill $k $x; exit 1'
