# Sourced by each of our scripts right after `set -Eeuo pipefail`: a command whose failure
# stops the script says so, with its file and line, instead of the script ending without a
# word. Only the script's own process speaks: a command that fails inside $(...) is named by
# the line that uses its output, where the failure stops the script.
name_failure() {
    local status=$1 line=$2 command=${BASH_COMMAND%%$'\n'*}
    [[ $BASHPID == "$$" ]] || return 0
    ((${#command} <= 100)) || command="${command:0:100} …"
    echo "${BASH_SOURCE[1]##*/}, line $line: $command (exit $status)" >&2
}
trap 'name_failure $? $LINENO' ERR
