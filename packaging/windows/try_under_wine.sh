#!/usr/bin/env bash
# The Windows program as a user gets it, under Wine on an X server: the zip's kometa.exe
# typed into with real keys and clicked with the real pointer, its result read back through
# the clipboard Wine shares with X; then the installer run silently, the installed program
# started, and the uninstaller run. Needs WINEPREFIX to be a prepared Wine prefix. CONTROLS
# is the layout the build writes (controls.tsv); NAME the program's name in the Start menu.
set -euo pipefail
if (($# != 4)); then
    echo "usage: $0 ZIP INSTALLER CONTROLS NAME" >&2
    exit 2
fi
zip=$(realpath "$1")
installer=$(realpath "$2")
controls=$(realpath "$3")
name=$4
work=$(mktemp -d)
pids=()
cleanup() {
    wineserver --kill 2>/dev/null || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
# A Russian desktop: results come with a decimal comma.
unset LC_ALL
export LANG=ru_RU.UTF-8

window_of() {
    local started=$SECONDS
    until xdotool search --onlyvisible --name '^   :\)$' 2>/dev/null | head -n 1; do
        ((SECONDS - started < 60)) || { echo "no window from $1" >&2; return 1; }
        sleep 0.2
    done
}

# Where a control's centre is, in pixels of the client area, from the build's layout.
centre() { awk -F '\t' -v name="$1" '$1 == name { print int($4 + $6 / 2), int($5 + $7 / 2) }' "$controls"; }

(cd "$work" && cmake -E tar xf "$zip")
program=$(find "$work" -name kometa.exe | head -n 1)
wine "$program" >/dev/null 2>&1 &
window=$(window_of "$(basename "$zip")")
echo "the zip's kometa.exe shows its window"
xdotool windowfocus --sync "$window"
sleep 0.5
# The first operand has the focus at start; Tab moves to the second.
xdotool type --delay 100 12
xdotool key Tab
xdotool type --delay 100 30
read -r x y <<<"$(centre Complus)"   # "+"
xdotool mousemove --window "$window" "$x" "$y" click 1
sleep 0.5
read -r x y <<<"$(centre Text3)"     # the result
xdotool mousemove --window "$window" "$x" "$y" click 1
xdotool key ctrl+a ctrl+c
sleep 0.5
result=$(xclip -o -selection clipboard)
echo "12 + 30 gave \"$result\" in the result field, read through the clipboard"
[[ $result == 42 ]]
wineserver --kill
sleep 1

# Wine names files in the C library's character set: where ru_RU is not generated, that is
# ASCII, and a Start-menu entry in Cyrillic could not be written.
export LC_CTYPE=C.UTF-8
wine "$installer" /S '/D=C:\Kometa' >/dev/null 2>&1
wineserver --wait
installed=$WINEPREFIX/drive_c/Kometa
[[ -f $installed/kometa.exe && -f $installed/Uninstall.exe ]]
shortcut=$(find "$WINEPREFIX/drive_c" -path '*Start Menu*' -name "$name.lnk" | head -n 1)
[[ -n $shortcut ]] || { echo "no Start-menu entry" >&2; exit 1; }
# The entry in the list of installed programs, as Wine's registry file writes its letters.
display=$(for ((i = 0; i < ${#name}; i++)); do printf '\\x%x' "'${name:i:1}"; done)
grep -qF "\"DisplayName\"=\"$display\"" "$WINEPREFIX/system.reg" ||
    { echo "no uninstall entry named $name" >&2; exit 1; }
echo "the installer put kometa.exe, its uninstaller, a Start-menu entry and an uninstall entry named $name in place"
wine "$installed/kometa.exe" >/dev/null 2>&1 &
window_of "the installed kometa.exe" >/dev/null
echo "the installed kometa.exe shows its window"
wineserver --kill
sleep 1
wine "$installed/Uninstall.exe" /S '_?=C:\Kometa' >/dev/null 2>&1
wineserver --wait
[[ ! -e $installed/kometa.exe ]] || { echo "the uninstaller left kometa.exe" >&2; exit 1; }
echo "the uninstaller removed it"
