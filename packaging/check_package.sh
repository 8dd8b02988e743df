#!/usr/bin/env bash
# Builds the .deb from a configured build folder and checks what it would install:
# the files a desktop needs, dependencies computed from the linked libraries, an
# executable whose libraries all resolve, and what Debian's own checkers say: lintian with
# no error or warning, and hardening-check.
set -euo pipefail
if (($# < 3)); then
    echo "usage: $0 BUILD_DIR APP_ID ICON_SIZE..." >&2
    exit 2
fi
build=$(cd "$1" && pwd)
id=$2
icon_sizes=("${@:3}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log") || {
    cat "$work/cpack.log"
    exit 1
}
deb=$(ls "$work"/out/kometa_*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
# A cross build's package is for another processor: its libraries are looked up in that
# processor's multiarch folders, and its programs run under the emulator KOMETA_EMULATOR
# names.
arch=$(dpkg-deb -f "$deb" Architecture)
multiarch=$(dpkg-architecture -a "$arch" -qDEB_HOST_MULTIARCH 2>/dev/null)
read -r -a emulator <<<"${KOMETA_EMULATOR:-}"
compiler=${KOMETA_COMPILER:-c++}

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
recommends=$(dpkg-deb -f "$deb" Recommends)
echo "Recommends: $recommends"
for package in qt6-translations-l10n qt6-wayland; do
    grep -q "\b$package\b" <<<"$recommends" || { echo "not recommended: $package"; exit 1; }
done
# Every library the executable links must come from a package the Depends line names. The
# package is found by the library, not by a fixed name: a release may rename the package
# that ships it (libqt6core6 became libqt6core6t64 with 64-bit time_t).
owner() {
    local path=$1 candidate found
    # With /usr merged, dpkg may know a library under either of its two paths.
    for candidate in "$path" "$(realpath "$path")" "/usr${path#/usr}" "${path#/usr}"; do
        found=$(dpkg -S "$candidate" 2>/dev/null | head -n 1 | cut -d: -f1)
        [[ -n $found ]] && { echo "$found"; return; }
    done
}
for library in $(readelf -d "$build/bin/kometa" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    path=$(ls "/lib/$multiarch/$library" "/usr/lib/$multiarch/$library" 2>/dev/null | head -n 1)
    package=$(owner "$path")
    [[ -n $package ]] || { echo "no package ships $library ($path)"; exit 1; }
    tr ',|' '\n\n' <<<"$depends" | awk '{ print $1 }' | grep -qxF "$package" ||
        { echo "missing dependency: $package for $library"; exit 1; }
    echo "$library: $package"
done

dpkg-deb -x "$deb" "$work/root"
expected=(usr/bin/kometa "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml"
    usr/share/doc/kometa/copyright usr/share/doc/kometa/changelog.gz
    usr/share/man/man1/kometa.1.gz usr/share/man/ru/man1/kometa.1.gz)
for size in "${icon_sizes[@]}"; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${expected[@]}"; do
    [[ -s $work/root/$file ]] || { echo "not in the package: $file"; exit 1; }
done
echo "files: $(cd "$work/root" && find . -type f | sort | tr '\n' ' ')"

# The dynamic loader lists what the installed program loads, as ldd does.
loader=$(readelf -l "$work/root/usr/bin/kometa" | sed -n 's/.*program interpreter: \(.*\)]$/\1/p')
if "${emulator[@]}" "$loader" --list "$work/root/usr/bin/kometa" | grep 'not found'; then
    exit 1
fi
if readelf -d "$work/root/usr/bin/kometa" | grep -E 'RPATH|RUNPATH'; then
    echo "the installed executable carries a library search path"
    exit 1
fi
# Informational tags are shown but do not fail the check.
lintian_status=0
lintian --info --display-info --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
    lintian_status=$?
grep -v 'running with root privileges' "$work/lintian.log" || true
((lintian_status == 0)) || { echo "lintian reports errors or warnings"; exit 1; }
# Some lines cannot say yes, and are shown without failing the check. Fortify: no call here
# copies into a buffer whose size the compiler knows (the copies are into strings and images
# sized at run time), so no call is turned into a checked one. Control-flow protection:
# where the C library's own start files carry no such note (Debian 12 and 13), no program
# linked with them can. Branch protection exists on 64-bit ARM only.
lenient=(--nofortify)
if ! readelf -n "$("$compiler" -print-file-name=Scrt1.o)" | grep -q 'IBT, SHSTK'; then
    lenient+=(--nocfprotection)
fi
if [[ $arch != arm64 ]] && grep -q -- --nobranchprotection <<<"$(hardening-check --help || true)"; then
    lenient+=(--nobranchprotection)
fi
hardening-check "${lenient[@]}" "$build/bin/kometa" "$work/root/usr/bin/kometa"
# hardening-check tells stack clash protection by x86's instructions alone; elsewhere every
# compile of the build must have asked for it.
if [[ $arch != amd64 ]]; then
    compiles=$(grep -c '"command":' "$build/compile_commands.json")
    protected=$(grep -c '"command":.*-fstack-clash-protection' "$build/compile_commands.json")
    ((compiles > 0 && protected == compiles)) ||
        { echo "stack clash protection asked for in $protected of $compiles compiles"; exit 1; }
    echo "stack clash protection: asked for in all $compiles compiles"
fi
echo "package checks passed"
