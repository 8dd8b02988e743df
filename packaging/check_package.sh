#!/usr/bin/env bash
# Builds the .deb from a configured build folder and checks what it would install:
# the files a desktop needs, dependencies computed from the linked libraries, and an
# executable whose libraries all resolve. Usage: check_package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log") || {
    cat "$work/cpack.log"
    exit 1
}
deb=$(ls "$work"/out/kometa_*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
echo "Recommends: $(dpkg-deb -f "$deb" Recommends)"
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
    grep -q "\b$library\b" <<<"$depends" || { echo "missing dependency: $library"; exit 1; }
done

dpkg-deb -x "$deb" "$work/root"
id=example.kometa.Kometa
expected=(usr/bin/kometa "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml")
for size in 16 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${expected[@]}"; do
    [[ -s $work/root/$file ]] || { echo "not in the package: $file"; exit 1; }
done
echo "files: $(cd "$work/root" && find . -type f | sort | tr '\n' ' ')"

if ldd "$work/root/usr/bin/kometa" | grep 'not found'; then
    exit 1
fi
if readelf -d "$work/root/usr/bin/kometa" | grep -E 'RPATH|RUNPATH'; then
    echo "the installed executable carries a library search path"
    exit 1
fi
echo "package checks passed"
