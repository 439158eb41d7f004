#!/usr/bin/env bash
# Start-up of the game beside the least a Qt Widgets program can show: each program runs from
# its launch until its first window has been painted (bench/StartupProbe.cpp ends it there).
# Prints the time ratio (target <= 1.2) from hyperfine, the same ratio counted in instructions
# by valgrind's callgrind, and the peak-memory ratio (target <= 1.3) from /usr/bin/time -v.
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

# Prints "met" or "MISSED" for a ratio against its target.
verdict() { awk -v r="$1" -v t="$2" 'BEGIN { print (r <= t) ? "met" : "MISSED" }'; }

# The median of the numbers on standard input.
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Time: hyperfine runs each program directly (no shell). On a shared machine the load drifts
# while a long block of runs of one program goes on, so the two take turns in short rounds and
# the ratio of each round counts; the median round is reported. Columns of hyperfine's CSV:
# command,mean,stddev,median,user,system,min,max (seconds).
for _ in $(seq "$rounds"); do
    hyperfine -N --style none --warmup 2 --runs 5 --export-csv "$work/round.csv" \
        -n minimal "$minimal" -n game "$game" >/dev/null
    awk -F, '$1 == "minimal" { mw = $4; mc = $5 + $6 } $1 == "game" { gw = $4; gc = $5 + $6 }
        END { print gc / mc, gw / mw, gc * 1000, mc * 1000, gw * 1000, mw * 1000 }' \
        "$work/round.csv" >>"$work/rounds"
done
column() { awk -v c="$1" '{ print $c }' "$work/rounds" | median | xargs printf "$2"; }
cpuRatio=$(column 1 %.2f)
wallRatio=$(column 2 %.2f)
echo "start-up ratio $cpuRatio (target <= 1.2, $(verdict "$cpuRatio" 1.2)):" \
    "CPU time to the painted title $(column 3 %.1f) ms, minimal window $(column 4 %.1f) ms" \
    "(medians of $rounds rounds of 5 runs each)"
echo "start-up real-time ratio $wallRatio: $(column 5 %.1f) ms, minimal window $(column 6 %.1f) ms"

# Instructions: callgrind counts every instruction of one run of each, the steady figure on a
# busy machine where the times above wander.
instructions() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" 2>&1 |
        awk '/Collected/ { print $NF }'
}
gameInstructions=$(instructions "$game")
minimalInstructions=$(instructions "$minimal")
instructionRatio=$(awk -v g="$gameInstructions" -v m="$minimalInstructions" 'BEGIN { printf "%.2f", g / m }')
awk -v g="$gameInstructions" -v m="$minimalInstructions" -v r="$instructionRatio" \
    -v v="$(verdict "$instructionRatio" 1.2)" \
    'BEGIN { printf "start-up instruction ratio %s (target <= 1.2, %s): %.1f million instructions, minimal window %.1f million\n", r, v, g / 1e6, m / 1e6 }'

# Peak memory: the maximum resident set size of each run, in kilobytes; medians compared.
peak() {
    for _ in $(seq "$runs"); do
        /usr/bin/time -v "$1" 2>&1 >/dev/null | awk '/Maximum resident set size/ { print $NF }'
    done | median
}
gamePeak=$(peak "$game")
minimalPeak=$(peak "$minimal")
memoryRatio=$(awk -v g="$gamePeak" -v m="$minimalPeak" 'BEGIN { printf "%.2f", g / m }')
awk -v g="$gamePeak" -v m="$minimalPeak" -v r="$memoryRatio" -v v="$(verdict "$memoryRatio" 1.3)" \
    'BEGIN { printf "peak memory ratio %s (target <= 1.3, %s): game at the title %.1f MB, minimal window %.1f MB\n", r, v, g / 1024, m / 1024 }'
