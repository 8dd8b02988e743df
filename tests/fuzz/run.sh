#!/usr/bin/env bash
# Runs every fuzz target for a bounded time, starting from the committed corpus; new inputs
# go to a scratch folder, so the committed corpus stays as it is.
set -Eeuo pipefail
. "$(dirname "$0")/../../tools/name_failures.sh"
if (($# < 2)); then
    echo "usage: $0 BUILD_DIR SECONDS_PER_TARGET [extra libFuzzer flags]" >&2
    exit 2
fi
build=$1
seconds=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The targets are single-threaded, so they run side by side, one core each.
targets=(parse_number operations)
pids=()
for target in "${targets[@]}"; do
    mkdir -p "$scratch/$target"
    echo "fuzzing $target for ${seconds}s"
    "$build/bin/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/${target}-" "$@" "$scratch/$target" "$here/corpus/$target" \
        2>"$scratch/$target.log" &
    pids+=($!)
done
failed=0
for i in "${!targets[@]}"; do
    target=${targets[$i]}
    if wait "${pids[$i]}"; then
        echo "$target:"
        grep -E '^stat::(number_of_executed_units|peak_rss_mb)|^Done' "$scratch/$target.log"
    else
        echo "$target failed:"
        tail -n 60 "$scratch/$target.log"
        failed=1
    fi
done
exit $failed
