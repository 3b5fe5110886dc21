#!/usr/bin/env bash
# Times the program's start-up, as a whole process until its start screen is first exposed
# (offscreen, on the bundled bank), side by side with a minimal Qt Widgets program that shows one
# window with a Chinese label: wall time and peak memory, paired runs, per-pair ratios.
#
#   bench/start_vs_minimal.sh [BUILD_DIR]      (default: build; RUNS=20 pairs)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/pairing.sh

build=${1:-build}
runs=${RUNS:-20}
cmake --build "$build" --target zhiqiao bank bench_minimal_window -j2 > /dev/null
program=$build/bin/zhiqiao
minimal=$(find "$build" -type f -name bench_minimal_window -perm -u+x | head -n1)
[ -x "$program" ] && [ -n "$minimal" ] || { echo "zhiqiao or bench_minimal_window not found in $build" >&2; exit 1; }

export QT_QPA_PLATFORM=offscreen ZHIQIAO_EXIT_AFTER_EXPOSE=1
A=("$program")
B=("$minimal")
paired "$runs" zhiqiao minimal
echo "(goal: both ratios at most 1.20)"
