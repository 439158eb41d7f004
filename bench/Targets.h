#pragma once

#include <benchmark/benchmark.h>
#include <string>
#include <utility>
#include <vector>

// What a benchmark of the game is held to: its time over the time of a baseline registered in
// the same program, which does the least work that could do the same job. Times are the
// process's CPU time per iteration, all threads counted: the windows are drawn in software, so
// on a quiet machine it is the real time, and on a busy one it is not inflated by the other
// programs. The real-time ratio is printed beside it.
struct Target {
    std::string what;     // what the line of figures names
    std::string game;     // the game's benchmark, by its registered name
    std::string baseline; // the baseline's benchmark
    double limit = 0;     // the highest ratio we accept; 0 when there is none
};

// Registers a benchmark as RegisterBenchmark does, timed in the process's CPU time, as the
// targets are judged.
template <class... Args>
benchmark::internal::Benchmark* timedBenchmark(const char* name, Args&&... args) {
    return benchmark::RegisterBenchmark(name, std::forward<Args>(args)...)->MeasureProcessCPUTime();
}

// Runs the benchmarks the command line selects, as Google Benchmark's own main() would, then
// prints a line of figures for each target, for example
//   ratio 2.103 (target <= 3, met): move step; game 1.200 ms, baseline 0.571 ms; real-time ...
// Where repetitions were asked for, medians are compared, so that one slow run does not decide.
// Returns non-zero when a target was missed or a figure could not be measured.
int runWithTargets(int argc, char** argv, const std::vector<Target>& targets);
