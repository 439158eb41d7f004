#include "Targets.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <unistd.h>

namespace {

// A benchmark's time per iteration in seconds: the CPU time of the process, which the other
// programs of a busy machine do not inflate, and the real time, which they do.
struct Seconds {
    double cpu = -1; // negative when the benchmark did not run or failed
    double real = -1;
};

// Shows the runs as usual and keeps each benchmark's times.
class KeepingReporter : public benchmark::ConsoleReporter {
public:
    // Coloured on a terminal only, so that the figures read plainly in a log.
    KeepingReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            keep(run);
        ConsoleReporter::ReportRuns(runs);
    }

    Seconds seconds(const std::string& name) const {
        const auto found = seconds_.find(name);
        return found == seconds_.end() ? Seconds{} : found->second;
    }

private:
    void keep(const Run& run) {
        const std::string& name = run.run_name.function_name;
        if (run.error_occurred) {
            seconds_[name] = {};
            return;
        }
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.run_type == Run::RT_Aggregate && !median)
            return;
        if (!median && medians_.count(name))
            return;
        if (median)
            medians_[name] = true;
        const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
        seconds_[name] = {run.GetAdjustedCPUTime() / unit, run.GetAdjustedRealTime() / unit};
    }

    std::map<std::string, Seconds> seconds_;
    std::map<std::string, bool> medians_;
};

// A time in the unit that reads best.
std::string readable(double seconds) {
    char text[32];
    if (seconds >= 0.1)
        std::snprintf(text, sizeof text, "%.3f s", seconds);
    else if (seconds >= 1e-4)
        std::snprintf(text, sizeof text, "%.3f ms", seconds * 1e3);
    else if (seconds >= 1e-7)
        std::snprintf(text, sizeof text, "%.3f us", seconds * 1e6);
    else
        std::snprintf(text, sizeof text, "%.1f ns", seconds * 1e9);
    return text;
}

// "target <= 3, met": the target and whether the figure met it.
std::string targetText(const char* relation, double limit, const char* unit, double figure) {
    if (limit <= 0)
        return "no target";
    char text[64];
    std::snprintf(text, sizeof text, "target %s %g%s, %s", relation, limit, unit,
                  figure <= limit ? "met" : "MISSED");
    return text;
}

void report(const Target& target, const KeepingReporter& kept) {
    const Seconds game = kept.seconds(target.game);
    const Seconds baseline =
        target.baseline.empty() ? Seconds{1, 1} : kept.seconds(target.baseline);
    if (game.cpu < 0 || baseline.cpu <= 0) {
        std::printf("not measured: %s\n", target.what.c_str());
    } else if (target.baseline.empty()) {
        std::printf("time %s (%s): %s; real time %s\n", readable(game.cpu).c_str(),
                    targetText("<", target.limit, " s", game.cpu).c_str(), target.what.c_str(),
                    readable(game.real).c_str());
    } else {
        const double ratio = game.cpu / baseline.cpu;
        std::printf("ratio %.2f (%s): %s; game %s, baseline %s; real-time ratio %.2f\n", ratio,
                    targetText("<=", target.limit, "", ratio).c_str(), target.what.c_str(),
                    readable(game.cpu).c_str(), readable(baseline.cpu).c_str(),
                    game.real / baseline.real);
    }
}

} // namespace

int runWithTargets(int argc, char** argv, const std::vector<Target>& targets) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    KeepingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    for (const Target& target : targets)
        report(target, reporter);
    return 0;
}
