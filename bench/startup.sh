#!/usr/bin/env bash
# Start-up of the game beside the least a Qt Widgets program can show: each program runs from
# its launch until its first window has been painted (bench/StartupProbe.cpp ends it there).
# Prints the ratio of instructions counted by valgrind's callgrind (target <= 1.1), the CPU-time
# ratio from hyperfine beside it, and the peak-memory ratio (target <= 1.3) from /usr/bin/time
# -v. Instructions are the judged figure: they do not wander with the machine's load, where
# times on a shared machine do. Ratios are judged as measured, before they are rounded to print.
# Exits non-zero when a target is missed or a figure could not be measured.
# Usage: bench/startup.sh [BUILD_DIR] (default build-bench); ROUNDS sets the rounds of the time
# figure (default 15), RUNS the runs of the memory figure (default 40).
set -euo pipefail
build=${1:-build-bench}
runs=${RUNS:-40}
rounds=${ROUNDS:-15}
game="$build/bench/startup_game"
minimal="$build/bench/startup_minimal"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
missed=0

# The median of the numbers on standard input.
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR) print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Prints a line of figures for a ratio GAME / MINIMAL, with its verdict against TARGET (none
# when empty); marks the run as failed where the target is missed or a figure is missing.
# Usage: judge WHAT GAME MINIMAL TARGET UNIT-TEXT SCALE
judge() {
    local what=$1 game=$2 minimal=$3 target=$4 unit=$5 scale=$6 verdict
    if ! awk -v g="$game" -v m="$minimal" 'BEGIN { exit !(g > 0 && m > 0) }'; then
        echo "not measured: $what"
        missed=1
        return
    fi
    verdict=$(awk -v g="$game" -v m="$minimal" -v t="$target" \
        'BEGIN { if (t == "") print "no target"; else printf "target <= %s, %s", t, (g / m <= t) ? "met" : "MISSED" }')
    [[ $verdict == *MISSED ]] && missed=1
    awk -v g="$game" -v m="$minimal" -v v="$verdict" -v w="$what" -v u="$unit" -v s="$scale" \
        'BEGIN { printf "%s ratio %.3f (%s): game %.1f %s, minimal window %.1f %s\n", w, g / m, v, g / s, u, m / s, u }'
}

# Instructions: callgrind counts every instruction of one run of each, the steady figure on a
# busy machine. A run that does not reach its painted window counts nothing.
instructions() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" 2>&1 |
        awk '/Collected/ { print $NF }' || true
}
judge "start-up instruction" "$(instructions "$game")" "$(instructions "$minimal")" 1.1 \
    "million instructions" 1e6

# Time: hyperfine runs each program directly (no shell). On a shared machine the load drifts
# while a long block of runs of one program goes on, so the two take turns in short rounds and
# the ratio of each round counts; the median round is reported, for information. Columns of
# hyperfine's CSV: command,mean,stddev,median,user,system,min,max (seconds).
touch "$work/rounds"
for _ in $(seq "$rounds"); do
    hyperfine -N --style none --warmup 2 --runs 5 --export-csv "$work/round.csv" \
        -n minimal "$minimal" -n game "$game" >/dev/null || continue
    awk -F, '$1 == "minimal" { mw = $4; mc = $5 + $6 } $1 == "game" { gw = $4; gc = $5 + $6 }
        END { print gc / mc, gw / mw, gc * 1000, mc * 1000 }' "$work/round.csv" >>"$work/rounds"
done
column() { awk -v c="$1" '{ print $c }' "$work/rounds" | median; }
if [ -s "$work/rounds" ]; then
    printf "start-up CPU-time ratio %.3f (no target), real-time ratio %.3f: CPU time to the painted title %.1f ms, minimal window %.1f ms (medians of %s rounds of 5 runs each)\n" \
        "$(column 1)" "$(column 2)" "$(column 3)" "$(column 4)" "$(wc -l <"$work/rounds")"
else
    echo "not measured: start-up time"
    missed=1
fi

# Peak memory: the maximum resident set size of each run, in kilobytes; medians compared.
peak() {
    for _ in $(seq "$runs"); do
        /usr/bin/time -v "$1" 2>&1 >/dev/null | awk '/Maximum resident set size/ { print $NF }'
    done | median
}
judge "peak memory" "$(peak "$game")" "$(peak "$minimal")" 1.3 "MB" 1024

exit "$missed"
