#!/usr/bin/env bash
# The installer under Wine, in both of its modes, each step silent: an earlier version
# installed, this version installed over it, its program started, and then uninstalled.
# After each step the prefix's files and registry are compared with what they were before
# it, and what differs must be what the step is for, nothing more:
#   - for the current user (/S), into the user's own programs folder and registry; for all
#     users (/S /AllUsers), into the folder /D= names, with Cyrillic letters and blanks;
#   - installing: the zip's files and the uninstaller in that folder, a Start-menu entry
#     NAME, and one entry in the list of installed programs with its name, version, folder
#     and size;
#   - installing over it: no question, the same folder and files, and the entry's version;
#   - uninstalling: the prefix as it was before the first step, empty keys and folders too.
# Wine runs every program as an administrator, so a per-user install is told apart by where
# its files and keys go. It makes a Wine prefix of its own, as a Windows on which Kometa was
# never installed, and leaves the one the other tests share as it was.
set -Eeuo pipefail
. "$(dirname "$0")/../../tools/name_failures.sh"
if (($# != 5)); then
    echo "usage: $0 EARLIER_INSTALLER INSTALLER ZIP NAME HELPERS" >&2
    exit 2
fi
earlier=$(realpath "$1")
installer=$(realpath "$2")
zip=$(realpath "$3")
name=$4
helpers=$(realpath "$5")
. "$(dirname "$0")/wine_desktop.sh"
work=$(mktemp -d)
trap end_desktop EXIT
start_desktop "$work"
# Wine names files in the C library's character set: where ru_RU is not generated, that is
# ASCII, and Cyrillic names could not be written.
export LC_CTYPE=C.UTF-8

# What the package installs, as paths inside its folder; and its kometa.exe.
(cd "$work" && cmake -E tar tf "$zip") | sed -n 's|^[^/]*/||p' | grep -v '/$' | grep . | sort >"$work/package"
mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip" && mv ./*/kometa.exe .)
echo Uninstall.exe >>"$work/package"
sort -o "$work/package" "$work/package"

export WINEPREFIX=$work/prefix
wineboot --init >/dev/null 2>&1
wineserver --wait
drive=$WINEPREFIX/drive_c
user=$(ls "$drive/users" | grep -v '^Public$' | head -n 1)
# The prefix as a list of lines: each file and folder, each registry key and value. What
# Wine itself changes as any program runs is left out: its own folder of Windows, temporary
# files, and the keys Wine keeps of its windows, fonts, printers, network cards and devices
# (Wine 10 writes the last under ControlSet001, which CurrentControlSet stands for, and
# stamps the display's driver date there at every start).
snapshot() {
    wineserver --wait
    (cd "$drive" && find . -mindepth 1 \( -path ./windows -o -path "./users/$user/Temp" \
        -o -path "./users/$user/AppData/Local/Temp" \) -prune -o -printf 'file %P\n') >"$1"
    local hive
    for hive in system user; do
        awk -v hive="$hive" '
            # Wine writes a key only where it has values or no subkeys: each key named is
            # listed with all of its ancestors.
            /^\[/ {
                key = $0; sub(/\] [0-9]+$/, "", key); key = substr(key, 2)
                n = split(key, part, /\\\\/); above = part[1]
                print "key " hive "[" above "]"
                for (i = 2; i <= n; i++) { above = above "\\\\" part[i]; print "key " hive "[" above "]" }
                key = "[" key "]"; next
            }
            /^[@"]/ {
                line = $0
                while (line ~ /\\$/ && (getline more) > 0) { sub(/\\$/, "", line); sub(/^ +/, "", more); line = line more }
                print "value " hive key " " line
            }' "$WINEPREFIX/$hive.reg"
    done | grep -v -E '^(key|value) (system|user)\[(Software\\\\Wine|Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer|Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion\\\\(Fonts|Print|NetworkCards)|System\\\\(CurrentControlSet|ControlSet[0-9]+)|Hardware|Software\\\\Classes\\\\Local Settings)' >>"$1"
    sort -u -o "$1" "$1"
}
# Lines of the second snapshot that the first lacks (+) and the reverse (-).
changes() { diff "$1" "$2" | sed -n 's/^> /+ /p; s/^< /- /p' || true; }
# The lines read that begin with none of the given texts.
other_than() {
    awk 'BEGIN { for (i = 1; i < ARGC; i++) known[i] = ARGV[i]; n = ARGC - 1; ARGC = 1 }
         { for (i = 1; i <= n; i++) if (index($0, known[i]) == 1) next; print }' "$@"
}
fail() { echo "$*" >&2; exit 1; }

# $1: the mode's switches; $2: the folder as Windows names it, given with /D= where $6 is
# set; $3: the same in the prefix; $4: the registry file of the mode's hive; $5: the Start
# menu's programs in the prefix.
try_mode() {
    local switches=$1 folder=$2 path=$3 hive=$4 menu=$5 step version
    local entry="$hive[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\Kometa]"
    local shortcut="file ${menu#"$drive/"}/$name.lnk" files="file ${path#"$drive/"}"
    snapshot "$work/before"

    # As typed into cmd.exe: /D= last and unquoted, blanks and all.
    local command="$(winepath -w "$earlier" 2>/dev/null) /S $switches"
    [[ -n ${6:-} ]] && command+=" /D=$folder"
    wine "$helpers/run_command_line.exe" "$command" >/dev/null 2>&1
    snapshot "$work/earlier"
    changes "$work/before" "$work/earlier" >"$work/step"
    (cd "$path" 2>/dev/null && find . -type f -printf '%P\n' | sort) >"$work/installed" ||
        fail "nothing in $folder"
    diff -u "$work/package" "$work/installed" >&2 || fail "the files in $folder are not the package's"
    grep -qxF "+ $shortcut" "$work/step" || fail "no Start-menu entry $name"
    grep -qxF "+ key $entry" "$work/step" || fail "no entry in the list of installed programs in $hive.reg"
    # The folders above the install's, and the list of installed programs, may be made too.
    local above=${path#"$drive/"}
    {
        while [[ $above == */* ]]; do
            above=${above%/*}
            echo "+ file $above"
        done
        echo "+ key ${entry%\\\\Kometa]}]"
    } >"$work/above"
    step=$(grep -vxF -f "$work/above" "$work/step" | other_than "+ $files/" "+ $files" \
        "+ $shortcut" "+ key $entry" "+ value $entry ")
    [[ -z $step ]] || fail "installing the earlier version also changed:"$'\n'"$step"
    { grep -F "value $entry " "$work/earlier" || fail "the entry has no values"; } | sed 's/^value .*\] /  /'
    for value in InstallLocation EstimatedSize; do
        grep -qF "+ value $entry \"$value\"=" "$work/step" || fail "the entry has no $value"
    done

    # This version over it, with no folder given: it goes where the earlier one is.
    wine "$installer" /S $switches >/dev/null 2>&1
    snapshot "$work/over"
    changes "$work/earlier" "$work/over" >"$work/step"
    step=$(other_than "+ value $entry \"DisplayVersion\"=" "- value $entry \"DisplayVersion\"=" \
        "+ value $entry \"EstimatedSize\"=" "- value $entry \"EstimatedSize\"=" <"$work/step")
    [[ -z $step ]] || fail "installing over the earlier version also changed:"$'\n'"$step"
    version=$(grep -F "+ value $entry \"DisplayVersion\"=" "$work/step") ||
        fail "installing over the earlier version left the entry's DisplayVersion as it was"
    echo "  installed over it: ${version##*\] }"
    cmp -s "$path/kometa.exe" "$work/unpacked/kometa.exe" ||
        fail "the earlier version's kometa.exe was not replaced"

    wine "$path/kometa.exe" >/dev/null 2>&1 &
    disown
    window_titled '   :)' "the installed kometa.exe" >/dev/null
    echo "  the installed kometa.exe shows its window"
    wineserver --kill

    wine "$path/Uninstall.exe" /S >/dev/null 2>&1
    snapshot "$work/after"
    changes "$work/before" "$work/after" >"$work/step"
    [[ ! -s $work/step ]] ||
        fail "after uninstalling, the prefix differs from before installing:"$'\n'"$(cat "$work/step")"
    echo "  uninstalled: every file, folder, shortcut and key it made is gone"
}

local_programs="$drive/users/$user/AppData/Local/Programs/Kometa"
user_menu="$drive/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
echo "for the current user, into its own programs folder and registry:"
try_mode "" 'C:\users\'"$user"'\AppData\Local\Programs\Kometa' "$local_programs" user "$user_menu"

folder='C:\Программы для всех\Комета и память'
all_menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs"
echo "for all users, into $folder:"
try_mode /AllUsers "$folder" "$drive/Программы для всех/Комета и память" system "$all_menu" given
