#!/usr/bin/env bash
# Times `bankc judge` on 40 students' files of one task of the bundled bank, all in one command
# (which judges on every core) against one command per file, one after the other; paired runs,
# per-pair ratios.
#
#   bench/judge_many.sh [BUILD_DIR]      (default: build; RUNS=5 pairs)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/pairing.sh

build=${1:-build}
runs=${RUNS:-5}
cmake --build "$build" --target bankc bank -j2 > /dev/null
bankc=$build/banktool/bankc
bank=$build/bin/dbase/c_qiyuan.db
# A programming task of test set 1 that reads standard input, with its reference as every file.
task=$(sqlite3 "$bank" "select id from c_test where type = '4' and group_id = 1 and coalesce(data_file, '') = '' order by id limit 1")
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
for i in $(seq 40); do
    sqlite3 "$bank" "select answer from c_test where id = $task" > "$folder/pro_$i.c"
done
cat > "$folder/one_by_one.sh" <<SCRIPT
for f in "$folder"/pro_*.c; do "$bankc" judge --bank "$bank" "c_test:$task" "\$f" > /dev/null; done
SCRIPT

A=("$bankc" judge --bank "$bank" "c_test:$task" "$folder"/pro_*.c)
B=(bash "$folder/one_by_one.sh")
paired "$runs" "all at once" "one by one"
echo "(goal: the wall-time ratio at most 0.60)"
