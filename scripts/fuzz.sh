#!/usr/bin/env bash
# Fuzzes the save record. Installs clang if it is missing, builds the fuzzer alone into
# build-fuzz/ (a clang build of its own, nothing of Qt compiled), then either
#   scripts/fuzz.sh [SECONDS]  runs it for that long (60 by default) on a corpus that grows from
#                              run to run in build-fuzz/corpus-grown, seeded from fuzz/corpus, and
#                              prints the figures; a crashing input is left in build-fuzz/
#   scripts/fuzz.sh --ctest    runs its bounded CTest pass, as CI does.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing "${build_packages[@]}" clang libclang-rt-14-dev
configure build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUILLMAR_FUZZ=ON
cmake --build build-fuzz --target save_record_fuzzer --parallel "$(nproc)"

if [ "${1:-}" = "--ctest" ]; then
    exec ctest --test-dir build-fuzz/fuzz --output-on-failure
fi

seconds="${1:-60}"
mkdir -p build-fuzz/corpus-grown
log=build-fuzz/fuzz.log
echo "Fuzzing the save record for $seconds s (full log: $log)"
status=0
build-fuzz/fuzz/save_record_fuzzer -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/ build-fuzz/corpus-grown fuzz/corpus >"$log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
    tail -n 40 "$log"
    echo "The fuzzer failed (exit $status); the input that did it is in build-fuzz/" >&2
    exit "$status"
fi
# The last progress line carries coverage (cov), features (ft) and the corpus size.
grep -E '^#[0-9]+' "$log" | tail -n 1
grep -E '^Done|^stat::' "$log"
echo "Executions: $(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
