#!/usr/bin/env bash
# Benchmarks Quillmar: installs what is missing, builds build-bench/ (Release) with the
# benchmarks, runs every benchmark program and the start-up comparison, and prints the figures.
# Each program ends with its lines of figures ("ratio ...") and whether each target was met.
# REPETITIONS (default 10) sets how often each benchmark is repeated; medians count. Every
# program runs even when one fails; the script exits non-zero when any target was missed or any
# figure could not be measured.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${build_packages[@]}" qt6-qpa-plugins hyperfine time valgrind
configure build-bench -DCMAKE_BUILD_TYPE=Release -DQUILLMAR_BENCHMARKS=ON
programs=(bench_core bench_move_step bench_playthrough)
cmake --build build-bench --parallel "$(nproc)" --target "${programs[@]}" startup_game startup_minimal
export QT_QPA_PLATFORM=offscreen
# The repetitions of the game's benchmark and its baseline run in random turns, so that a change
# of load on a shared machine falls on both alike.
repetitions=${REPETITIONS:-10}
failed=()
for program in "${programs[@]}"; do
    echo "== $program"
    "build-bench/bench/$program" --benchmark_repetitions="$repetitions" \
        --benchmark_enable_random_interleaving=true --benchmark_min_time=0.2 \
        --benchmark_report_aggregates_only=true || failed+=("$program")
done
echo "== start-up"
bench/startup.sh build-bench || failed+=(start-up)
if [ ${#failed[@]} -gt 0 ]; then
    echo "Targets missed or figures not measured in: ${failed[*]}" >&2
    exit 1
fi
