# Brand-new minimal Debian roots, for the scripts that try Kometa where nothing of this
# machine's is installed. Sourced, not run; the caller is root and has set -Eeuo pipefail.
#
# A root is entered with its own mount and process namespaces: its /proc, /dev and /sys are
# mounted only there and go away with its last process, so that deleting the root can never
# reach this machine's files, and nothing started inside outlives it. The network, and with
# it X's abstract sockets, stays shared with this machine.

# The mirror this machine's apt installs from, as apt itself reads its sources (one-line or
# deb822, with or without options such as signed-by), and the security archive's, if any.
debian_mirror() {
    apt-get indextargets --format '$(REPO_URI)' 'Created-By: Packages' |
        grep -v security | head -n 1 || true
}
debian_security_mirror() {
    apt-get indextargets --format '$(REPO_URI)' 'Created-By: Packages' |
        grep security | head -n 1 || true
}

# The code name of a release given as 12, 13, testing or a code name. Testing's is read off
# the mirror, so that it stays right when testing moves on.
debian_codename() {
    local release=$1 mirror=$2 file
    case $release in
    12) echo bookworm ;;
    13) echo trixie ;;
    testing | unstable)
        file=$(mktemp)
        /usr/lib/apt/apt-helper download-file "${mirror%/}/dists/$release/Release" "$file" >/dev/null
        sed -n 's/^Codename: *//p' "$file"
        rm -f "$file"
        ;;
    *) echo "$release" ;;
    esac
}

# Lets this machine run the programs of another architecture's root, as in a brand-new
# arm64 root on amd64: qemu-user's static interpreter, registered with the kernel and opened
# at once (the F flag), so that it serves inside a chroot too. A desktop's systemd registers
# it when the package is installed; a machine without systemd needs it done here.
run_architecture() {
    local arch=$1 cpu conf
    [[ $arch == "$(dpkg --print-architecture)" ]] && return 0
    case $arch in
    arm64) cpu=aarch64 ;;
    amd64) cpu=x86_64 ;;
    *) cpu=$arch ;;
    esac
    # The package's name up to Debian 13; from testing's qemu 11 on, qemu-user-binfmt
    # provides it and registers qemu-user's own static emulator.
    conf=/usr/lib/binfmt.d/qemu-$cpu.conf
    if [[ ! -f $conf ]]; then
        DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends qemu-user-static >/dev/null
    fi
    [[ -e /proc/sys/fs/binfmt_misc/register ]] || mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
    local registered=/proc/sys/fs/binfmt_misc/qemu-$cpu
    if [[ -e $registered ]]; then
        static_emulator "$(sed -n 's/^interpreter //p' "$registered")" "$arch" "$cpu"
        return
    fi
    [[ -f $conf ]] || { echo "qemu-user-static brought no $conf" >&2; return 1; }
    static_emulator "$(cut -d: -f7 "$conf")" "$arch" "$cpu"
    cat "$conf" >/proc/sys/fs/binfmt_misc/register
}

# A root has none of this machine's libraries: only a static emulator runs inside it.
static_emulator() {
    local emulator=$1 arch=$2 cpu=$3
    if [[ ! -e $emulator ]]; then
        echo "the emulator registered for $arch programs, $emulator, is not there" >&2
        return 1
    fi
    # ldd names a static program as such, a static PIE one too, and lists a dynamic one's libraries.
    if ! ldd "$emulator" 2>&1 | grep -qE 'not a dynamic executable|statically linked'; then
        echo "the emulator registered for $arch programs, $emulator, is not static and cannot" \
            "run inside a root. Install qemu-user-static (Debian 12 and 13) or, from qemu 11 on," \
            "qemu-user with qemu-user-binfmt, whose emulators are static; then register it" \
            "again (echo -1 >/proc/sys/fs/binfmt_misc/qemu-$cpu, or restart systemd-binfmt)." >&2
        return 1
    fi
}

# Makes a minimal root of the code name in DIR, for ARCH (this machine's by default), with
# the suites a freshly installed machine of that release has: the release itself, its
# updates and its security archive. Testing has only the first. A debootstrap older than
# the release has no script named for it; unstable's script makes any release after it.
make_debian_root() {
    local codename=$1 root=$2 arch=${3:-$(dpkg --print-architecture)} mirror security script=()
    mirror=$(debian_mirror)
    [[ -n $mirror ]] || { echo "apt knows no Debian mirror here; run apt-get update" >&2; return 1; }
    [[ -e /usr/share/debootstrap/scripts/$codename ]] || script=(/usr/share/debootstrap/scripts/sid)
    run_architecture "$arch"
    debootstrap --variant=minbase --arch="$arch" "$codename" "$root" "$mirror" "${script[@]}" \
        >"$root.debootstrap.log" 2>&1 || {
        tail -n 20 "$root.debootstrap.log" >&2
        return 1
    }
    rm -f "$root.debootstrap.log"
    # A folder from mktemp is closed to all but its owner; the root's own users (apt's
    # download user, man's) must be able to enter it.
    chmod 755 "$root"
    # A mirror that is a snapshot can hold a testing older than the week its index is
    # signed for, which apt then refuses to update from. Said aloud, and allowed only here.
    local until
    until=$(sed -n 's/^Valid-Until: *//p' "$root"/var/lib/apt/lists/*_dists_"${codename}"_Release 2>/dev/null | head -n 1)
    if [[ -n $until ]] && (($(date -d "$until" +%s) < $(date +%s))); then
        echo "note: the mirror's $codename index expired on $until; this root's apt is told to accept it" >&2
        echo 'Acquire::Check-Valid-Until "false";' >"$root/etc/apt/apt.conf.d/99expired-mirror"
    fi
    if [[ $codename == bookworm || $codename == trixie ]]; then
        echo "deb $mirror $codename-updates main" >>"$root/etc/apt/sources.list"
        security=$(debian_security_mirror)
        [[ -n $security ]] && echo "deb $security $codename-security main" >>"$root/etc/apt/sources.list"
    fi
    return 0
}

# Runs a command as root inside the root, with its own mounts and processes, in LANG=C.UTF-8.
# Each folder of this machine that KOMETA_ROOT_BINDS names (blank-separated) is seen at its
# own path inside, for as long as the command runs.
in_debian_root() {
    local root=$1
    shift
    unshare --mount --pid --fork --propagation private sh -c '
        root=$1; shift
        mount -t proc proc "$root/proc"
        mount --rbind /dev "$root/dev"
        mount -t sysfs -o ro sysfs "$root/sys"
        for folder in $KOMETA_ROOT_BINDS; do
            mkdir -p "$root$folder" && mount --bind "$folder" "$root$folder" || exit 1
        done
        exec chroot "$root" env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
            HOME=/root TERM="${TERM:-dumb}" LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"
    ' sh "$root" "$@"
}

# Deletes the root, unless something is still mounted inside it.
remove_debian_root() {
    local root=$1
    if findmnt -R -n "$root" >/dev/null 2>&1 || grep -q " $root/" /proc/mounts; then
        echo "mounts remain under $root; left in place" >&2
    else
        rm -rf "$root"
    fi
}
