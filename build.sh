#!/usr/bin/env bash
# Brings a fresh Debian 12, 13 or testing machine to a built Kometa, then starts the calculator
# (./build.sh run) or runs every test (./build.sh test): the Release build's tests, the
# fuzz targets for KOMETA_FUZZ_SECONDS each (default 60), and the whole suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer. ./build.sh windows makes the Windows
# program, its zip and its installer in build/windows, and tests them under Wine where the
# release has Wine. ./build.sh arm64, on an amd64 machine, cross-builds the program and its
# .deb for 64-bit ARM and tests them under qemu-user.
set -Eeuo pipefail
. "$(dirname "$0")/tools/name_failures.sh"
cd "$(dirname "$0")"

action=${1:-}
if [[ $action != run && $action != test && $action != windows && $action != arm64 ]]; then
    echo "usage: $0 run|test|windows|arm64" >&2
    exit 2
fi
if [[ $action == arm64 && $(dpkg --print-architecture) != amd64 ]]; then
    echo "./build.sh arm64 cross-builds from an amd64 machine; this one is $(dpkg --print-architecture)," \
        "where ./build.sh test builds and tests its own program and package." >&2
    exit 2
fi
as_root=()
if [[ $(id -u) -ne 0 ]]; then
    as_root=(sudo)
fi

# What building and running the calculator needs: the compiler, Qt, X's own library (the
# window's place in the screen's pixels), the faces that stand in for the layout's fonts,
# and Qt's own texts in the user's language.
packages=(
    g++ cmake ninja-build qt6-base-dev libfontconfig-dev libxcb1-dev
    fonts-liberation fonts-dejavu-core qt6-translations-l10n
)
# Installed where the release has them, left out with a word where it has not.
optional=()
if [[ $action == windows ]]; then
    packages+=(
        # The cross compiler, the source of this machine's Qt (through apt), GoogleTest's
        # sources, the icon, installer and zip makers, 7-Zip, which unpacks the installer to
        # check its files, and git, which names the commit whose time the packaged files
        # carry and which is built again to compare.
        g++-mingw-w64-x86-64-posix dpkg-dev googletest icoutils nsis zip 7zip git
        # An X server, keys and the clipboard for the tests under Wine.
        xvfb xdotool xclip
    )
    # Wine runs the tests. Debian testing is at times without it; the program and its
    # packages are made all the same, and the tests that need Wine are named as not run.
    optional+=(wine wine64)
fi
if [[ $action == arm64 ]]; then
    packages+=(
        # The cross compiler, GoogleTest's sources, and arm64's own Qt and libraries beside
        # this machine's, through multiarch.
        crossbuild-essential-arm64 googletest
        qt6-base-dev:arm64 libgl-dev:arm64 libx11-dev:arm64 libfontconfig-dev:arm64
        libxcb1-dev:arm64
        # The package tools and checkers, and what the tests of the real program use.
        dpkg-dev file lintian devscripts desktop-file-utils appstream mandoc git
        xvfb dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0
        orca speech-dispatcher openbox xdotool
    )
fi
if [[ $action == test ]]; then
    packages+=(
        # Test frameworks, and the X libraries of the benchmarks that are built with them.
        libgtest-dev libbenchmark-dev pkg-config libx11-dev libxdamage-dev libxtst-dev
        # The real program on the accessibility bus under an X server, and heard through
        # Orca with a window manager, real keys and speech written to a file.
        xvfb dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0
        orca speech-dispatcher openbox xdotool
        # Validators, package tools and Debian's own checkers for the packaging tests.
        desktop-file-utils appstream dpkg-dev file lintian devscripts mandoc
        # The sanitizers and the fuzz targets.
        clang libclang-rt-dev llvm
    )
fi

installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}
# The emulator that runs arm64 programs. Up to Debian 13 it is qemu-user-static's; from
# testing's qemu 11 on, qemu-user's own emulators are static, and qemu-user-binfmt is what
# provides that name, so dpkg never calls it installed.
if [[ $action == arm64 ]] && ! command -v qemu-aarch64-static >/dev/null &&
    ! installed qemu-user-binfmt; then
    packages+=(qemu-user-static)
fi
missing=() wanted=()
for package in "${packages[@]}"; do
    installed "$package" || missing+=("$package")
done
for package in "${optional[@]}"; do
    installed "$package" || wanted+=("$package")
done
# arm64's packages are installed beside this machine's own once dpkg knows the architecture.
if [[ $action == arm64 ]] && ! dpkg --print-foreign-architectures | grep -qx arm64; then
    "${as_root[@]}" dpkg --add-architecture arm64
fi
if ((${#missing[@]} + ${#wanted[@]})); then
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    for package in "${wanted[@]}"; do
        candidate=$(apt-cache policy "$package" 2>/dev/null | sed -n 's/^ *Candidate: //p')
        if [[ -n $candidate && $candidate != "(none)" ]]; then
            missing+=("$package")
        else
            echo "Not in this release's archive, so not installed: $package"
        fi
    done
fi
# Installs the packages named. A library of arm64 must be the very version of its twin
# installed here (Multi-Arch: same), and apt refuses where this machine's are older than the
# mirror's: that is said, with the packages to upgrade.
install_packages() {
    local log older
    echo "Installing: $*"
    log=$(mktemp)
    if "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "$@" 2>&1 | tee "$log"; then
        rm -f "$log"
        return 0
    fi
    if grep -q 'unmet dependencies' "$log" && grep -q ':arm64' "$log"; then
        older=$(grep -o '[a-z0-9][a-z0-9.+-]*:arm64' "$log" | sed 's/:arm64$//' | sort -u |
            while read -r name; do
                policy=$(apt-cache policy "$name" 2>/dev/null)
                now=$(sed -n 's/^ *Installed: //p' <<<"$policy")
                candidate=$(sed -n 's/^ *Candidate: //p' <<<"$policy")
                if [[ -n $now && $now != "(none)" && $now != "$candidate" ]]; then
                    echo "$name"
                fi
            done | tr '\n' ' ')
        echo "apt refused arm64's libraries: each must be the same version as the one installed" \
            "for amd64, and some here are older than the mirror's${older:+: $older}." >&2
        echo "Upgrade them first (apt-get install --only-upgrade ${older:-PACKAGES}, or" \
            "apt-get upgrade), then run ./build.sh arm64 again." >&2
    fi
    rm -f "$log"
    exit 1
}
# This machine's own packages first, then arm64's. On Debian testing, qmake6 names itself
# without its architecture in a hook that python3 runs as it is set up, which fails once
# qmake6 of both architectures is unpacked; python3 comes with this machine's packages.
native=() foreign=()
for package in "${missing[@]}"; do
    if [[ $package == *:arm64 ]]; then
        foreign+=("$package")
    else
        native+=("$package")
    fi
done
((${#native[@]} == 0)) || install_packages "${native[@]}"
((${#foreign[@]} == 0)) || install_packages "${foreign[@]}"

if [[ $action == windows ]]; then
    exec packaging/windows/build.sh
fi
if [[ $action == arm64 ]]; then
    exec packaging/arm64/build.sh
fi

if [[ $action == run ]]; then
    # The calculator and everything an install puts beside it (manual pages, changelog):
    # no tests, fuzz targets or benchmarks.
    cmake --preset default -DBUILD_TESTING=OFF -DKOMETA_BUILD_BENCHMARKS=OFF
    cmake --build --preset default
    exec build/bin/kometa
fi

cmake --preset default -DBUILD_TESTING=ON -DKOMETA_BUILD_BENCHMARKS=ON
cmake --build --preset default
ctest --preset default --parallel 2
cmake --preset sanitize
cmake --build --preset sanitize
tests/fuzz/run.sh build/sanitize "${KOMETA_FUZZ_SECONDS:-60}"
ctest --preset sanitize --parallel 2
