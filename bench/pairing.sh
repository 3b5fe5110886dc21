# Sourced by the benches that compare two whole processes. Timing one after the other lets a
# busy machine favour either side; pairing each run of A with a run of B, alternating which goes
# first, and reporting the spread of the per-pair ratios keeps the comparison honest.
#
#   A=(command ...) B=(command ...)
#   paired RUNS "name of A" "name of B"
#
# Each run's output is discarded; a run that fails stops the bench. /usr/bin/time gives the peak
# resident memory (Debian package `time`).

[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing (Debian package time)" >&2; exit 1; }

# _measure_into FILE CMD...: appends "wall_us peak_kib" of one run of CMD
_measure_into() {
    local file=$1 start end
    shift
    start=$(date +%s%N)
    /usr/bin/time -f %M -o "$_pairs.rss" "$@" > /dev/null 2> "$_pairs.err" ||
        { echo "failed: $*" >&2; cat "$_pairs.err" >&2; exit 1; }
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000 )) $(tail -n1 "$_pairs.rss")" >> "$file"
}

# _spread AWK_EXPR: that expression over the pairs, as "median q1 q3 min max"
_spread() {
    awk "{ print $1 }" "$_pairs" | sort -g | awk '{ v[NR] = $1 }
        function at(p,   i, f) { i = 1 + p * (NR - 1); f = int(i); return v[f] + (i - f) * (v[f + (f < NR)] - v[f]) }
        END { print at(0.5), at(0.25), at(0.75), v[1], v[NR] }'
}

# _row LABEL UNIT A_EXPR B_EXPR: medians (quartiles) of both sides
_row() {
    awk -v label="$1" -v unit="$2" -v na="$_name_a" -v nb="$_name_b" -v a="$(_spread "$3")" -v b="$(_spread "$4")" 'BEGIN {
        split(a, x, " "); split(b, y, " ")
        printf "  %-12s %s %.1f %s (%.1f-%.1f), %s %.1f %s (%.1f-%.1f)\n",
               label, na, x[1], unit, x[2], x[3], nb, y[1], unit, y[2], y[3] }'
}

# _ratio_row LABEL EXPR: median (quartiles; min-max) of the per-pair ratio
_ratio_row() {
    awk -v label="$1" -v r="$(_spread "$2")" 'BEGIN { split(r, x, " ")
        printf "  %-12s %.2f (%.2f-%.2f; %.2f-%.2f)\n", label, x[1], x[2], x[3], x[4], x[5] }'
}

paired() {
    local runs=$1 i
    _name_a=$2 _name_b=$3
    _pairs=$(mktemp)
    local a=$_pairs.a b=$_pairs.b
    : > "$a"
    : > "$b"
    _measure_into /dev/null "${A[@]}" # warms the page cache and the font cache for both
    _measure_into /dev/null "${B[@]}"
    for i in $(seq "$runs"); do
        if (( i % 2 )); then
            _measure_into "$a" "${A[@]}"
            _measure_into "$b" "${B[@]}"
        else
            _measure_into "$b" "${B[@]}"
            _measure_into "$a" "${A[@]}"
        fi
    done
    paste -d' ' "$a" "$b" > "$_pairs" # wall_a mem_a wall_b mem_b

    echo "$runs pairs, the order alternating, after one warm-up run of each;" \
         "load average $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
    echo "medians (quartiles):"
    _row "wall time" ms '$1 / 1000' '$3 / 1000'
    _row "peak memory" MiB '$2 / 1024' '$4 / 1024'
    echo "per-pair ratio $_name_a / $_name_b: median (quartiles; min-max):"
    _ratio_row "wall time" '$1 / $3'
    _ratio_row "peak memory" '$2 / $4'
    rm -f "$_pairs" "$a" "$b" "$_pairs.rss" "$_pairs.err"
}
