#!/usr/bin/env bash
# Start-up of the whole program to its first painted window, against a bare
# Qt window, in one run: both end right after their first paint
# (TELUVAR_EXIT_AFTER_PAINT) and are started in turn, ROUNDS times each.
# Prints the median wall time of each and the median of the rounds' ratios:
# a machine whose speed drifts during the run moves both runs of a round
# together, so the ratio of each round is steadier than a ratio of medians.
#   bench/startup.sh [build-dir] [rounds]
set -euo pipefail
build=${1:-build}
rounds=${2:-30}
program=$build/src/app/teluvar
bare=$build/bench/bare_window
for exe in "$program" "$bare"; do
    [[ -x $exe ]] || { echo "missing $exe (cmake --build $build --target teluvar bare_window)" >&2; exit 1; }
done
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export TELUVAR_EXIT_AFTER_PAINT=1

# Wall time of one run in microseconds.
run_us() {
    local t0=$EPOCHREALTIME
    "$1" >/dev/null 2>&1
    local t1=$EPOCHREALTIME
    echo $(( (${t1/./} - ${t0/./}) ))
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

run_us "$program" >/dev/null  # warm the file cache
run_us "$bare" >/dev/null
p=() b=() r=()
for ((i = 0; i < rounds; ++i)); do
    tp=$(run_us "$program")
    tb=$(run_us "$bare")
    p+=("$tp") b+=("$tb")
    r+=("$(awk -v p="$tp" -v b="$tb" 'BEGIN { printf "%.4f", p / b }')")
done
mp=$(printf '%s\n' "${p[@]}" | median)
mb=$(printf '%s\n' "${b[@]}" | median)
mr=$(printf '%s\n' "${r[@]}" | median)
awk -v p="$mp" -v b="$mb" -v r="$mr" -v n="$rounds" 'BEGIN {
    printf "teluvar      %8.1f ms (median of %d)\n", p / 1000, n
    printf "bare window  %8.1f ms (median of %d)\n", b / 1000, n
    printf "ratio        %8.2f (median of the rounds)\n", r
}'
