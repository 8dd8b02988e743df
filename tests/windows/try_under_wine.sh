#!/usr/bin/env bash
# The Windows program as a user gets it in the zip, under Wine on an X server:
#   - typed into with real keys and clicked with the real pointer, its result read back
#     through the clipboard Wine shares with X;
#   - its greeting and its fault box each ask once for their sound of the user's scheme as
#     they open, without a screen reader and with one (a UI Automation client that has asked
#     for the window, after which Qt plays the sound itself, as Qt 6.8 does for every box);
#   - a UIAutomationCore.dll planted beside kometa.exe and in its working folder is never
#     loaded: not when Qt loads the library first, for the client, and not when the program's
#     own code asks for it first, as a helper that calls that code shows. A helper that asks
#     by the bare name shows that the planted file would be found;
#   - once the program has started, a library found only in its working folder is not
#     loaded by its bare name, which without that start it would be.
# Needs WINEPREFIX to be a prepared Wine prefix. CONTROLS is the layout the build writes
# (controls.tsv); HELPERS the folder of the tests' helpers built for Windows.
set -Eeuo pipefail
. "$(dirname "$0")/../../tools/name_failures.sh"
if (($# != 3)); then
    echo "usage: $0 ZIP CONTROLS HELPERS" >&2
    exit 2
fi
zip=$(realpath "$1")
controls=$(realpath "$2")
helpers=$(realpath "$3")
. "$(dirname "$0")/wine_desktop.sh"
work=$(mktemp -d)
x_server=
sounds=('HKCU\AppEvents\Schemes\Apps\.Default\SystemAsterisk\.Current'
    'HKCU\AppEvents\Schemes\Apps\.Default\SystemHand\.Current')
cleanup() {
    wineserver --kill 2>/dev/null || true
    for key in "${sounds[@]}"; do wine reg delete "${key%\\.Current}" /f >/dev/null 2>&1 || true; done
    wineserver --wait 2>/dev/null || true
    [[ -z $x_server ]] || kill "$x_server" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

start_desktop "$work"

gone() {
    local started=$SECONDS
    while titled "$1" >/dev/null; do
        ((SECONDS - started < 20)) || { echo "the window $1 stayed open" >&2; return 1; }
        sleep 0.2
    done
}

# Where a control's centre is, in pixels of the client area, from the build's layout.
centre() { awk -F '\t' -v name="$1" '$1 == name { print int($4 + $6 / 2), int($5 + $7 / 2) }' "$controls"; }
click() {
    local x y
    read -r x y <<<"$(centre "$1")"
    xdotool mousemove --window "$window" "$x" "$y" click 1
    sleep 0.5
}
# Opens a box with a click, and closes it with Enter on its OK button.
box_from() {
    local box
    click "$1"
    box=$(window_titled "$2" "$1")
    xdotool windowfocus --sync "$box" key Return
    gone "$2"
}

# The zip unpacked, with the planted library beside the program and in the folder it is
# started from.
(cd "$work" && cmake -E tar xf "$zip")
program=$(find "$work" -name kometa.exe | head -n 1)
mkdir "$work/started-from"
cp "$helpers/planted/UIAutomationCore.dll" "$(dirname "$program")/"
cp "$helpers/planted/UIAutomationCore.dll" "$work/started-from/"
# The sounds the user's scheme gives the two kinds of box.
for key in "${sounds[@]}"; do
    wine reg add "$key" /ve /d 'C:\windows\media\chord.wav' /f >/dev/null 2>&1
done

# Starts the program with what Wine's sound library is asked written to LOG.
start_program() {
    # Not watched as a job: its end, when the server is killed, is no news.
    (cd "$work/started-from" && WINEDEBUG=+winmm exec wine "$program" >/dev/null 2>"$1") &
    disown
    window=$(window_titled '   :)' kometa.exe)
    xdotool windowfocus --sync "$window"
    sleep 0.5
}
# The boxes' sounds that LOG shows asked for, as counts of each.
# None at all, which is the fault this looks for, is an empty answer, not a failure.
sounds_in() {
    { grep -o 'SoundName=L"System[A-Za-z]*"' "$1" || true; } | sort | uniq -c |
        awk '{ printf "%s %s; ", $2, $1 }'
}
expected='SoundName=L"SystemAsterisk" 1; SoundName=L"SystemHand" 1; '

start_program "$work/alone.log"
echo "the zip's kometa.exe shows its window"
# The first operand has the focus at start; Tab moves to the second.
xdotool type --delay 100 12
xdotool key Tab
xdotool type --delay 100 30
click Complus
click Text3
xdotool key ctrl+a ctrl+c
sleep 0.5
result=$(xclip -o -selection clipboard)
echo "12 + 30 gave \"$result\" in the result field, read through the clipboard"
[[ $result == 42 ]] || { echo "the result should be 42" >&2; exit 1; }
# "=" greets; 1E999 typed into the emptied first operand overflows the sine. Then the sounds
# the program's log $1 shows both boxes asked for, said with $2.
boxes_sound() {
    box_from Command1 Привет
    click Text1
    xdotool type --delay 100 1E999
    box_from Comsin Ошибка
    wineserver --kill
    sleep 1
    heard=$(sounds_in "$1")
    echo "$2, the greeting and the fault box asked for: ${heard:-no sound}"
    [[ $heard == "$expected" ]] || { echo "they should have asked for: $expected" >&2; exit 1; }
}
boxes_sound "$work/alone.log" "without a screen reader"

start_program "$work/listened.log"
(cd "$work/started-from" && wine "$helpers/ask_for_window.exe" '   :)' 2>/dev/null)
# A press is announced: the program raises it through UI Automation.
click C7
boxes_sound "$work/listened.log" "with a UI Automation client"

# The program's own code asks first, from a folder with the planted library beside it and
# started from another that has it too; a bare name finds the planted one.
cp "$helpers/system_library_user.exe" "$helpers/planted/UIAutomationCore.dll" "$work/"
(cd "$work/started-from" && wine "$work/system_library_user.exe" 2>/dev/null)
marks=$(find "$work" -name '*.loaded' -printf '%P\n')
[[ -z $marks ]] || { echo "the planted library was loaded: $marks" >&2; exit 1; }
echo "the planted UIAutomationCore.dll was loaded neither by Qt, nor by the program, beside it or from the folder it was started from"
(cd "$work" && wine "$work/system_library_user.exe" --bare >/dev/null 2>&1) || true
[[ -e $work/UIAutomationCore.dll.loaded ]] ||
    { echo "a bare name did not find the planted library: this test would see nothing" >&2; exit 1; }
echo "asked for by its bare name, the planted library is loaded: the test would see it"

# Once the program has kept its library search to safe folders, a library that is only in
# the working folder is not loaded by its bare name; without that, it is.
cp "$helpers/planted/UIAutomationCore.dll" "$work/started-from/only_here.dll"
for mode in kept unkept; do
    found=$(cd "$work/started-from" && wine "$work/system_library_user.exe" --$mode only_here.dll 2>/dev/null)
    echo "$mode: $found"
    case $mode:$found in
    kept:*"(none)"* | unkept:*started-from*only_here.dll*) ;;
    *) echo "the library search is not what KeepLibrarySearchToSafeFolders should make it" >&2; exit 1 ;;
    esac
done
