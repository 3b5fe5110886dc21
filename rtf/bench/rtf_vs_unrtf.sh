#!/usr/bin/env bash
# Times our RTF reader side by side with `unrtf --html` on the same generated
# 1 MB Chinese RTF (GBK \'hh text, formatting runs, tables).
#
#   rtf/bench/rtf_vs_unrtf.sh [BUILD_DIR]      (default: build; RUNS=20 pairs)
#
# Both are timed as whole processes in paired runs, so our figure includes
# starting Qt; the reader's own in-process time is printed as well.
set -euo pipefail
cd "$(dirname "$0")/../.."
source bench/pairing.sh

build=${1:-build}
runs=${RUNS:-20}
command -v unrtf >/dev/null || { echo "unrtf is not installed" >&2; exit 1; }
cmake --build "$build" --target bench_rtfreader -j2 >/dev/null
bench=$(find "$build" -type f -name bench_rtfreader -perm -u+x | head -n1)
[ -n "$bench" ] || { echo "bench_rtfreader not found in $build" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
doc=$tmp/chinese.rtf
"$bench" --write "$doc" 2>/dev/null
echo "document: $(stat -c %s "$doc") bytes"
"$bench" --read "$doc" --runs 5 2>/dev/null | sed 's/^/reader (in process): /'

A=("$bench" --read "$doc" --runs 1)
B=(unrtf --html "$doc")
paired "$runs" reader unrtf
echo "(goal: wall-time ratio under 0.50)"
