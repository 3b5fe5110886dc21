#!/usr/bin/env bash
# Times our RTF reader side by side with `unrtf --html` on the same generated
# 1 MB Chinese RTF (GBK \'hh text, formatting runs, tables).
#
#   rtf/bench/rtf_vs_unrtf.sh [BUILD_DIR]      (default: build)
#
# Both are timed as whole processes (best of RUNS), so our figure includes
# starting Qt; the reader's own in-process time is printed as well.
set -euo pipefail

build=${1:-build}
runs=${RUNS:-5}
command -v unrtf >/dev/null || { echo "unrtf is not installed" >&2; exit 1; }
cmake --build "$build" --target bench_rtfreader -j2 >/dev/null
bench=$(find "$build" -type f -name bench_rtfreader -perm -u+x | head -n1)
[ -n "$bench" ] || { echo "bench_rtfreader not found in $build" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
doc=$tmp/chinese.rtf
"$bench" --write "$doc" 2>/dev/null
echo "document: $(stat -c %s "$doc") bytes"

# best wall time of $runs runs of a command, in microseconds
best_us() {
    local best=0 start end us
    for _ in $(seq "$runs"); do
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1
        end=$(date +%s%N)
        us=$(( (end - start) / 1000 ))
        if [ "$best" -eq 0 ] || [ "$us" -lt "$best" ]; then best=$us; fi
    done
    echo "$best"
}

ours=$(best_us "$bench" --read "$doc" --runs 1)
theirs=$(best_us unrtf --html "$doc")
"$bench" --read "$doc" --runs "$runs" 2>/dev/null | sed 's/^/reader (in process): /'
echo "process, best of $runs: reader $((ours / 1000)) ms, unrtf --html $((theirs / 1000)) ms"
awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "ratio reader/unrtf: %.2f (goal: under 0.50)\n", a / b }'
