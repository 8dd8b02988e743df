#!/usr/bin/env bash
# Runs one of the README's commands as a new user would: in a brand-new minimal Debian root
# of the named release, as root, on a clone of this checkout's last commit, and says how
# long it took and how much disk it added. Needs root; installs debootstrap if it is missing.
#
#   packaging/in_fresh_root.sh 12|13|testing run|test|windows|arm64 [ARCHITECTURE]
#
# The root is of this machine's architecture, or of the one named: an arm64 root on amd64
# runs every program under qemu-user, as an arm64 machine would run them, only slower.
#
# run passes once the calculator has started (offscreen: the root has no display) and is
# still running 5 seconds later. KOMETA_KEEP_ROOT=1 leaves the root in place afterwards.
set -Eeuo pipefail
. "$(dirname "$0")/../tools/name_failures.sh"
here=$(cd "$(dirname "$0")" && pwd)
. "$here/debian_root.sh"

if (($# < 2 || $# > 3)) || [[ $2 != run && $2 != test && $2 != windows && $2 != arm64 ]]; then
    echo "usage: $0 12|13|testing run|test|windows|arm64 [ARCHITECTURE]" >&2
    exit 2
fi
release=$1 action=$2 arch=${3:-$(dpkg --print-architecture)}
if [[ $(id -u) -ne 0 ]]; then
    echo "$0: run it as root (sudo $0 ...): it makes and enters a Debian root" >&2
    exit 2
fi
if ! command -v debootstrap >/dev/null; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends debootstrap >/dev/null
fi

top=$(git -C "$here/.." rev-parse --show-toplevel)
commit=$(git -C "$top" rev-parse --short HEAD)
codename=$(debian_codename "$release" "$(debian_mirror)")
[[ -n $codename ]] || { echo "$0: no code name found for $release" >&2; exit 1; }
root=$(mktemp -d "${TMPDIR:-/var/tmp}/kometa-$codename.XXXXXX")
[[ -n ${KOMETA_KEEP_ROOT:-} ]] || trap 'remove_debian_root "$root"' EXIT

echo "Debian $release ($codename, $arch): bootstrapping into $root"
make_debian_root "$codename" "$root" "$arch"
# Only what is committed, as a clone from the published repository would have it, and git,
# which whoever cloned it has.
git clone -q --no-hardlinks "$top" "$root/root/kometa"
git -C "$root/root/kometa" checkout -q "$commit"
in_debian_root "$root" sh -c 'apt-get update -q && apt-get install -y -q --no-install-recommends git' \
    >"$root.git.log" 2>&1 || { tail -n 20 "$root.git.log"; exit 1; }
rm -f "$root.git.log"
mib() { du -sxm "$root" | cut -f1; }
before=$(mib)

echo "Debian $release ($codename): ./build.sh $action on $commit"
start=$SECONDS
if [[ $action == run ]]; then
    # build.sh ends by replacing itself with the calculator: it has started once the
    # process runs build/bin/kometa, which its command line names (under an emulator, the
    # process's program is the emulator).
    in_debian_root "$root" sh -c '
        cd /root/kometa
        QT_QPA_PLATFORM=offscreen ./build.sh run & pid=$!
        while kill -0 $pid 2>/dev/null; do
            tr "\0" " " </proc/$pid/cmdline | grep -q "build/bin/kometa" && break
            sleep 0.2
        done
        kill -0 $pid 2>/dev/null || { wait $pid; echo "the command ended with $?"; exit 1; }
        echo $(($(date +%s) - $1)) >/root/started-after
        sleep 5
        kill -0 $pid 2>/dev/null || { echo "kometa ended within 5 s"; exit 1; }
        kill $pid' sh "$(date +%s)"
else
    in_debian_root "$root" sh -c 'cd /root/kometa && ./build.sh "$1"' sh "$action"
fi
seconds=$((SECONDS - start))
# For run, the time until the calculator started, not the 5 seconds it was watched.
[[ $action == run ]] && seconds=$(cat "$root/root/started-after")
grown=$(($(mib) - before))
printf 'Debian %s (%s, %s): ./build.sh %s passed in %d min %d s (%d s), the root grew by %d MiB\n' \
    "$release" "$codename" "$arch" "$action" $((seconds / 60)) $((seconds % 60)) "$seconds" "$grown"
