#!/usr/bin/env bash
# The zip's program as a Windows screen reader finds it, read by a UI Automation client of
# our own under Wine 10 or later, at 96 and 192 dpi: every control's name, type, id, focus
# stop and place; the focus followed round the window with Tab and Shift+Tab; the greeting
# and the fault box with their text and OK button; and every answer the program asks
# Windows to raise, read from Wine's +uiautomation trace. Wine 8 hangs such a client: there
# the test says so and is skipped (exit 77); tests/windows/in_fresh_root.sh 13 runs it in
# a brand-new Debian 13 root against this build. It makes a Wine prefix of its own.
set -Eeuo pipefail
. "$(dirname "$0")/../../tools/name_failures.sh"
if (($# != 3)); then
    echo "usage: $0 ZIP CONTROLS CLIENT" >&2
    exit 2
fi
zip=$(realpath "$1")
controls=$(realpath "$2")
client=$(realpath "$3")
version=$(wine --version)
major=${version#wine-}
major=${major%%.*}
if ((major < 10)); then
    echo "$version hangs a UI Automation client; this runs under Wine 10 or later, as in" \
        "Debian 13: sudo tests/windows/in_fresh_root.sh 13 runs it against this build"
    exit 77
fi
echo "$version"
. "$(dirname "$0")/wine_desktop.sh"
work=$(mktemp -d)
trap end_desktop EXIT
# Room for the window at twice its size.
start_desktop "$work" 1024x900
export WINEPREFIX=$work/prefix WINEDEBUG=-all
wineboot --init >/dev/null 2>&1
wineserver --wait
(cd "$work" && cmake -E tar xf "$zip")
program=$(find "$work" -name kometa.exe | head -n 1)
cp "$client" "$work/"
client="$work/$(basename "$client")"

# Where a control's centre is on the screen, from the layout and the window's place.
click() {
    local x y
    read -r x y <<<"$(awk -F '\t' -v name="$1" -v scale="$scale" '
        $1 == name { print int(scale * ($4 + $6 / 2)), int(scale * ($5 + $7 / 2)) }' "$controls")"
    xdotool mousemove --window "$window" "$x" "$y" click 1
    sleep 0.5
}
# Every check runs and says what it saw; the test fails at the end if one did.
failed=0
client() { wine "$client" "$@" || failed=1; }
# A box opened by a click, read by the client, which closes it with Enter on its OK button.
box_from() {
    click "$1"
    client box "$2" "$scale"
}

for scale in 1 2; do
    echo "at $((96 * scale)) dpi:"
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $((96 * scale)) /f \
        >/dev/null 2>&1
    wineserver --wait
    (WINEDEBUG=+uiautomation exec wine "$program" >/dev/null 2>"$work/trace") &
    disown
    window=$(window_titled '   :)' kometa.exe)
    xdotool windowfocus --sync "$window"
    sleep 1
    echo "note: X has the window at $(xdotool getwindowgeometry "$window" | sed -n 's/^ *Position: //p')"
    client window "$scale"
    if ((scale == 1)); then
        client focus
        client answers "$(winepath -w "$work/trace")"
    fi
    box_from Command1 greeting
    click Text1
    xdotool type --delay 100 1E999
    box_from Comsin fault
    wineserver --kill
    sleep 1
done
exit $failed
