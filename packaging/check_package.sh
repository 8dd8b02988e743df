#!/usr/bin/env bash
# Builds the .deb from a configured build folder and checks what it would install:
# the files a desktop needs, dependencies computed from the linked libraries, an
# executable whose libraries all resolve, and what Debian's own checkers say: lintian with
# no error or warning, and hardening-check.
set -Eeuo pipefail
. "$(dirname "$0")/../tools/name_failures.sh"
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
version=$("$(dirname "$0")/../tools/source_version.sh")
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] ||
    { echo "the package is version $(dpkg-deb -f "$deb" Version); CMakeLists.txt says $version"; exit 1; }
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
        found=$(dpkg -S "$candidate" 2>/dev/null | head -n 1 | cut -d: -f1) || true
        [[ -n $found ]] && { echo "$found"; return; }
    done
    return 0
}
for library in $(readelf -d "$build/bin/kometa" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    # Without /usr merged, a library is in one of the two folders only.
    path=
    for folder in "/lib/$multiarch" "/usr/lib/$multiarch"; do
        [[ -e $folder/$library ]] && { path=$folder/$library; break; }
    done
    [[ -n $path ]] || { echo "$library is in neither /lib/$multiarch nor /usr/lib/$multiarch"; exit 1; }
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
# Control-flow protection is compiled in, whatever the start files carry: every function the
# program makes visible begins with a landing pad, the one instruction an indirect call or
# jump may arrive at: endbr64 on x86-64; bti, or paciasp that is one too, on 64-bit ARM. Read
# off the build's program, whose symbols name the functions, with the binary tools of the
# package's processor.
tools=$(dpkg-architecture -a "$arch" -qDEB_HOST_GNU_TYPE 2>/dev/null)
case $arch in
amd64) pads=endbr64 ;;
arm64) pads='bti|paciasp' ;;
*) pads= ;;
esac
if [[ -n $pads ]]; then
    # The first instruction at each symbol's address, then the visible functions' addresses.
    first=$("$tools-objdump" -d --no-show-raw-insn "$build/bin/kometa" | awk '
        /^[0-9a-f]+ <.*>:$/ { address = $1; want = 1; next }
        want && /^ *[0-9a-f]+:/ { sub(/^ *[0-9a-f]+:[ \t]*/, ""); print address, $1; want = 0 }')
    counts=$("$tools-readelf" -sW "$build/bin/kometa" | awk -v pads="^($pads)$" '
        NR == FNR { first[$1] = $2; next }
        $4 == "FUNC" && $5 != "LOCAL" && $7 != "UND" { functions++; if (first[$2] ~ pads) padded++ }
        END { print padded + 0, functions + 0 }' <(echo "$first") -)
    read -r padded functions <<<"$counts"
    # Only the C library's start code, built without them, may lack one.
    if ((functions == 0 || padded * 100 < functions * 95)); then
        echo "control-flow protection: landing pads ($pads) begin $padded of $functions visible functions"
        exit 1
    fi
    echo "control-flow protection: landing pads ($pads) begin $padded of $functions visible functions"
fi
# Some lines cannot say yes, and are shown without failing the check. Fortify: no call here
# copies into a buffer whose size the compiler knows (the copies are into strings and images
# sized at run time), so no call is turned into a checked one. Control-flow and branch
# protection: a program carries the processor's property note only where every file linked
# into it does, the C library's start files included; where they do not (x86-64 on Debian 12,
# 13 and testing, 64-bit ARM on Debian 12), the landing pads counted above stand for it. The
# check for the other processor's protection never applies.
lenient=(--nofortify)
start_notes=$(readelf -n "$("$compiler" -print-file-name=Scrt1.o)")
grep -q 'x86 feature: IBT, SHSTK' <<<"$start_notes" || lenient+=(--nocfprotection)
if grep -q -- --nobranchprotection <<<"$(hardening-check --help || true)" &&
    ! grep -q 'AArch64 feature: BTI, PAC' <<<"$start_notes"; then
    lenient+=(--nobranchprotection)
fi
hardening-check "${lenient[@]}" "$build/bin/kometa" "$work/root/usr/bin/kometa"
# hardening-check tells stack clash protection by x86's instructions alone; elsewhere every
# compile of the build must have asked for it.
if [[ $arch != amd64 ]]; then
    # grep -c counts 0 with a failure of its own, which is the case to tell.
    compiles=$(grep -c '"command":' "$build/compile_commands.json" || true)
    protected=$(grep -c '"command":.*-fstack-clash-protection' "$build/compile_commands.json" || true)
    ((compiles > 0 && protected == compiles)) ||
        { echo "stack clash protection asked for in $protected of $compiles compiles"; exit 1; }
    echo "stack clash protection: asked for in all $compiles compiles"
fi
echo "package checks passed"
