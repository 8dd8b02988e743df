# What the tests under Wine share: an X server of their own for Wine to draw on, a Russian
# desktop, and Wine's windows found by their titles. Sourced; the caller has set -euo
# pipefail and a folder WORK of its own, and when it ends, calls end_desktop or kills the
# server itself, whose process id is left in x_server. The screen is 640x480 unless the
# caller names another size.
x_server=
start_desktop() {
    local work=$1 size=${2:-640x480}
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
    x_server=$!
    for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
    export DISPLAY=:$(cat "$work/display")
    # A Russian desktop: results come with a decimal comma.
    unset LC_ALL
    export LANG=ru_RU.UTF-8
}

# Ends Wine and the X server, and removes WORK: the exit trap of a test with nothing else to
# undo.
end_desktop() {
    wineserver --kill 2>/dev/null || true
    [[ -z $x_server ]] || kill "$x_server" 2>/dev/null || true
    rm -rf "$work"
}

# The shown window with this title. X holds Wine's titles in the locale's encoding, which
# xdotool's own search by name does not match against UTF-8; it reads them right.
titled() {
    local id
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
        [[ $(xdotool getwindowname "$id" 2>/dev/null) == "$1" ]] && { echo "$id"; return 0; }
    done
    return 1
}
# Waits up to a minute for the window titled $1, which $2 should show.
window_titled() {
    local started=$SECONDS
    until titled "$1"; do
        ((SECONDS - started < 60)) || { echo "no window titled $1 from $2" >&2; return 1; }
        sleep 0.2
    done
}
