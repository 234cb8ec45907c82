#!/usr/bin/env bash
# Start-up of the whole program against a bare Qt window, in one run, at
# three moments: the first paint (TELUVAR_EXIT_AFTER_PAINT), ready for input
# (TELUVAR_EXIT_WHEN_READY: the event loop has come round to what the first
# paint queued, so input that comes in is taken) and loaded
# (TELUVAR_EXIT_WHEN_LOADED: every step of the load event, run one per turn
# of the loop after the first paint, has run). Each round starts the program
# and the bare window in turn at each moment. Prints the median wall time of
# each and the median of the rounds' ratios: a machine whose speed drifts
# during the run moves both runs of a round together, so the ratio of each
# round is steadier than a ratio of medians. The bare window has nothing
# queued behind its paint, so its three moments are about the same. With
# /usr/bin/time present the peak memory (maximum resident set) of the
# loaded runs is printed too.
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
unset TELUVAR_EXIT_AFTER_PAINT TELUVAR_EXIT_WHEN_READY TELUVAR_EXIT_WHEN_LOADED

# Wall time of one run in microseconds; $1 the moment (paint, ready or
# loaded).
run_us() {
    local var=TELUVAR_EXIT_AFTER_PAINT
    [[ $1 == ready ]] && var=TELUVAR_EXIT_WHEN_READY
    [[ $1 == loaded ]] && var=TELUVAR_EXIT_WHEN_LOADED
    local t0=$EPOCHREALTIME
    env "$var=1" "$2" >/dev/null 2>&1
    local t1=$EPOCHREALTIME
    echo $(( (${t1/./} - ${t0/./}) ))
}

# Peak resident memory of one run to loaded, in KiB.
peak_kb() {
    TELUVAR_EXIT_WHEN_LOADED=1 /usr/bin/time -f %M "$1" 2>&1 >/dev/null | tail -1
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
ratio() { awk -v p="$1" -v b="$2" 'BEGIN { printf "%.4f", p / b }'; }

run_us paint "$program" >/dev/null  # warm the file cache
run_us paint "$bare" >/dev/null
pp=() bp=() rp=() pr=() br=() rr=() pl=() bl=() rl=()
for ((i = 0; i < rounds; ++i)); do
    t1=$(run_us paint "$program")
    t2=$(run_us paint "$bare")
    t3=$(run_us ready "$program")
    t4=$(run_us ready "$bare")
    t5=$(run_us loaded "$program")
    t6=$(run_us loaded "$bare")
    pp+=("$t1") bp+=("$t2") pr+=("$t3") br+=("$t4") pl+=("$t5") bl+=("$t6")
    rp+=("$(ratio "$t1" "$t2")") rr+=("$(ratio "$t3" "$t4")") rl+=("$(ratio "$t5" "$t6")")
done
med() { printf '%s\n' "$@" | median; }
line() { awk -v what="$1" -v p="$2" -v b="$3" -v r="$4" 'BEGIN {
    printf "%-12s teluvar %7.1f ms  bare window %7.1f ms  ratio %5.2f\n", what, p / 1000, b / 1000, r }'; }
line "first paint" "$(med "${pp[@]}")" "$(med "${bp[@]}")" "$(med "${rp[@]}")"
line "ready" "$(med "${pr[@]}")" "$(med "${br[@]}")" "$(med "${rr[@]}")"
line "loaded" "$(med "${pl[@]}")" "$(med "${bl[@]}")" "$(med "${rl[@]}")"
echo "(medians of $rounds rounds; ratios are medians of the rounds)"
if [[ -x /usr/bin/time ]]; then
    mp=$(peak_kb "$program") mb=$(peak_kb "$bare")
    awk -v p="$mp" -v b="$mb" 'BEGIN {
        printf "peak memory  teluvar %7.1f MB  bare window %7.1f MB  ratio %5.2f\n", p / 1024, b / 1024, p / b }'
fi
