#!/usr/bin/env bash
# Checks every Windows executable and DLL of the zip and of the installer, as hardening-check
# checks the .deb's program:
#   - ASLR: the loader may place it anywhere, above 4 GiB too. The flags say so, and the
#     relocations must be there, without which the loader places it at its fixed address
#     whatever the flags say;
#   - DEP: its data never runs;
#   - no section both writable and executable.
# The installer is unpacked as 7-Zip reads it: what it installs, the NSIS plugins it runs and
# the uninstaller it writes. Fails, naming each file and what it lacks.
#
# NSIS's own stub, the installer and the uninstaller it writes, is built without relocations
# by NSIS itself (a stub with them breaks under Windows' mandatory ASLR), though makensis sets
# the ASLR flags on it. That lack is named on every run and, alone, does not fail the check.
# Usage: check_pe_files.sh ZIP INSTALLER
set -Eeuo pipefail
. "$(dirname "$0")/../../tools/name_failures.sh"
if (($# != 2)); then
    echo "usage: $0 ZIP INSTALLER" >&2
    exit 2
fi
zip=$(realpath "$1")
installer=$(realpath "$2")
objdump=x86_64-w64-mingw32-objdump
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Debian 12's 7-Zip is 7zz; from Debian 13 on, the same program is 7z.
sevenzip=$(command -v 7zz || command -v 7z) || { echo "$0: 7-Zip is not installed" >&2; exit 1; }
mkdir "$work/zip" "$work/installer"
(cd "$work/zip" && cmake -E tar xf "$zip")
"$sevenzip" x -y -o"$work/installer" "$installer" >/dev/null
cp "$installer" "$work/installer/"

# What a file lacks, one word each; nothing for a sound file.
lacks() {
    local headers sections
    headers=$("$objdump" -p "$1")
    sections=$("$objdump" -h "$1")
    grep -qw DYNAMIC_BASE <<<"$headers" || echo "ASLR"
    grep -qw HIGH_ENTROPY_VA <<<"$headers" || echo "high-entropy-ASLR"
    grep -q 'relocations stripped' <<<"$headers" && echo "relocations"
    awk '/Base Relocation Directory/ && $3 ~ /^0+$/ { found = 1 } END { exit !found }' \
        <<<"$headers" && echo "relocations"
    grep -qw NX_COMPAT <<<"$headers" || echo "DEP"
    # objdump marks a section that is not writable READONLY, and one that runs CODE.
    awk '/^ *[0-9]+ / { name = $2 } /CODE/ && !/READONLY/ { print "W^X(" name ")" }' <<<"$sections"
}

checked=0 failed=0
stub_note=
while IFS= read -r -d '' file; do
    "$objdump" -p "$file" >/dev/null 2>&1 || continue # not a PE file
    checked=$((checked + 1))
    name=${file#"$work/"}
    missing=$(lacks "$file" | sort -u | tr '\n' ' ')
    missing=${missing% }
    stub=no
    if [[ $file == "$work/installer/$(basename "$installer")" ]] ||
        "$sevenzip" l "$file" 2>/dev/null | grep -q '^Type = Nsis'; then
        stub=yes
    fi
    if [[ -z $missing ]]; then
        continue
    elif [[ $stub == yes && $missing == relocations ]]; then
        stub_note+="  $name: no relocations, so it loads at its fixed address"$'\n'
    else
        echo "$name lacks: $missing" >&2
        failed=$((failed + 1))
    fi
done < <(find "$work/zip" "$work/installer" -type f -print0 | sort -z)

((checked > 0)) || { echo "no Windows executable or DLL found" >&2; exit 1; }
if [[ -n $stub_note ]]; then
    echo "NSIS's installer stub has ASLR's flags but no relocations, as NSIS builds it:"
    printf '%s' "$stub_note"
fi
if ((failed)); then
    echo "$failed of $checked Windows files lack ASLR, DEP or W^X" >&2
    exit 1
fi
echo "$checked Windows files checked: ASLR with high-entropy addresses, DEP, no section both writable and executable"
