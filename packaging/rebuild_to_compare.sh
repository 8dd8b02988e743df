# Whoever rebuilds a package from its commit must get the same bytes: the commit is cloned
# into a fresh folder, built there, and each package compared with this tree's. Sourced by
# the build scripts, run from the top of the tree; the caller has set -Eeuo pipefail.
#
#   rebuild_to_compare BUILD PACKAGE...
#
# BUILD is a command, such as a function of the caller's, that makes the packages in the
# clone's top folder; each PACKAGE is a path from the top of the tree. It runs in a process
# of its own, whose exit removes the clone on every path out and leaves the caller's traps
# as they were.
rebuild_to_compare() (
    build=$1
    shift
    if ! git rev-parse -q --verify HEAD >/dev/null 2>&1; then
        echo "Not rebuilt to compare: this is not a git checkout, and no commit names the source."
        return 0
    elif [[ -n $(git status --porcelain) ]]; then
        echo "Not rebuilt to compare: the tree has changes that are not committed."
        return 0
    fi
    again=$(mktemp -d "${TMPDIR:-/tmp}/kometa-again.XXXXXX")
    trap 'rm -rf "$again"' EXIT
    git clone -q --no-hardlinks "$PWD" "$again/kometa"
    start=$SECONDS
    (cd "$again/kometa" && "$build")
    for package; do
        if [[ ! -f $again/kometa/$package ]]; then
            echo "Rebuilt in a fresh folder, which made no $package:" \
                "$(cd "$again/kometa" && ls "$(dirname "$package")" | tr '\n' ' ')" >&2
            return 1
        elif ! cmp -s "$package" "$again/kometa/$package"; then
            echo "Rebuilt in a fresh folder, $package differs: the build is not reproducible." >&2
            return 1
        fi
    done
    echo "Rebuilt in a fresh folder in $((SECONDS - start)) s: the same bytes."
)
