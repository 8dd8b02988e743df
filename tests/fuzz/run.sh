#!/usr/bin/env bash
# Runs every fuzz target for a bounded time, starting from the committed corpus; new inputs
# go to a scratch folder, so the committed corpus stays as it is.
# Usage: run.sh BUILD_DIR SECONDS_PER_TARGET [extra libFuzzer flags]
set -euo pipefail
build=$1
seconds=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for target in parse_number operations; do
    mkdir -p "$scratch/$target"
    echo "fuzzing $target for ${seconds}s"
    "$build/bin/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/${target}-" "$@" "$scratch/$target" "$here/corpus/$target" \
        2>"$scratch/$target.log" || { tail -n 60 "$scratch/$target.log"; exit 1; }
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)|^Done' "$scratch/$target.log"
done
