# What the tests under Wine share: an X server of their own for Wine to draw on, a Russian
# desktop, and Wine's windows found by their titles. Sourced; the caller has set -euo
# pipefail, a folder WORK of its own, and kills the server, whose process id is left in
# x_server, when it ends.
start_desktop() {
    local work=$1
    Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
    x_server=$!
    for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
    export DISPLAY=:$(cat "$work/display")
    # A Russian desktop: results come with a decimal comma.
    unset LC_ALL
    export LANG=ru_RU.UTF-8
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
