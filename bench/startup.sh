#!/usr/bin/env bash
# Start-up of the whole program against a bare Qt window, in one run, at two
# moments: the first paint (TELUVAR_EXIT_AFTER_PAINT) and ready for input
# (TELUVAR_EXIT_WHEN_READY: the rest of the load event, queued behind the
# first paint, has run). Each round starts the program and the bare window in
# turn at each moment. Prints the median wall time of each and the median of
# the rounds' ratios: a machine whose speed drifts during the run moves both
# runs of a round together, so the ratio of each round is steadier than a
# ratio of medians. The bare window has nothing queued behind its paint, so
# both its moments are about the same. With /usr/bin/time present the peak
# memory (maximum resident set) of the ready runs is printed too.
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
unset TELUVAR_EXIT_AFTER_PAINT TELUVAR_EXIT_WHEN_READY

# Wall time of one run in microseconds; $1 the moment (paint or ready).
run_us() {
    local var=TELUVAR_EXIT_AFTER_PAINT
    [[ $1 == ready ]] && var=TELUVAR_EXIT_WHEN_READY
    local t0=$EPOCHREALTIME
    env "$var=1" "$2" >/dev/null 2>&1
    local t1=$EPOCHREALTIME
    echo $(( (${t1/./} - ${t0/./}) ))
}

# Peak resident memory of one run to ready, in KiB.
peak_kb() {
    TELUVAR_EXIT_WHEN_READY=1 /usr/bin/time -f %M "$1" 2>&1 >/dev/null | tail -1
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
ratio() { awk -v p="$1" -v b="$2" 'BEGIN { printf "%.4f", p / b }'; }

run_us paint "$program" >/dev/null  # warm the file cache
run_us paint "$bare" >/dev/null
pp=() bp=() rp=() pr=() br=() rr=()
for ((i = 0; i < rounds; ++i)); do
    t1=$(run_us paint "$program")
    t2=$(run_us paint "$bare")
    t3=$(run_us ready "$program")
    t4=$(run_us ready "$bare")
    pp+=("$t1") bp+=("$t2") pr+=("$t3") br+=("$t4")
    rp+=("$(ratio "$t1" "$t2")") rr+=("$(ratio "$t3" "$t4")")
done
med() { printf '%s\n' "$@" | median; }
awk -v pp="$(med "${pp[@]}")" -v bp="$(med "${bp[@]}")" -v rp="$(med "${rp[@]}")" \
    -v pr="$(med "${pr[@]}")" -v br="$(med "${br[@]}")" -v rr="$(med "${rr[@]}")" -v n="$rounds" 'BEGIN {
    printf "first paint  teluvar %7.1f ms  bare window %7.1f ms  ratio %5.2f\n", pp / 1000, bp / 1000, rp
    printf "ready        teluvar %7.1f ms  bare window %7.1f ms  ratio %5.2f\n", pr / 1000, br / 1000, rr
    printf "(medians of %d rounds; ratios are medians of the rounds)\n", n
}'
if [[ -x /usr/bin/time ]]; then
    mp=$(peak_kb "$program") mb=$(peak_kb "$bare")
    awk -v p="$mp" -v b="$mb" 'BEGIN {
        printf "peak memory  teluvar %7.1f MB  bare window %7.1f MB  ratio %5.2f\n", p / 1024, b / 1024, p / b }'
fi
