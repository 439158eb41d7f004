#pragma once

#include <string>
#include <vector>

// What a benchmark of the game is held to. With a baseline, both are registered in the same
// program and the figure is the game's time over the baseline's; without one, it is the game's
// time in seconds. Times are the process's CPU time per iteration: the windows are drawn in
// software on the one thread, so on a quiet machine it is the real time, and on a busy one it
// is not inflated by the other programs. The real time is printed beside it.
struct Target {
    std::string what;     // what the line of figures names
    std::string game;     // the game's benchmark, by its registered name
    std::string baseline; // empty for an absolute time
    double limit = 0;     // the highest figure we accept; 0 when there is none
};

// Runs the benchmarks the command line selects, as Google Benchmark's own main() would, then
// prints a line of figures for each target, for example
//   ratio 2.10 (target <= 3, met): move step; game 1.200 ms, baseline 0.571 ms; real-time ...
// Where repetitions were asked for, medians are compared, so that one slow run does not decide.
int runWithTargets(int argc, char** argv, const std::vector<Target>& targets);
