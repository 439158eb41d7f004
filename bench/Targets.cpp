#include "Targets.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <set>
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

    // A benchmark that failed in any of its runs has no figure.
    Seconds seconds(const std::string& name) const {
        const auto found = seconds_.find(name);
        return found == seconds_.end() || failed_.count(name) ? Seconds{} : found->second;
    }

private:
    void keep(const Run& run) {
        const std::string& name = run.run_name.function_name;
        if (run.error_occurred) {
            failed_.insert(name);
            return;
        }
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.run_type == Run::RT_Aggregate && !median)
            return;
        if (!median && medians_.count(name))
            return;
        if (median)
            medians_.insert(name);
        const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
        seconds_[name] = {run.GetAdjustedCPUTime() / unit, run.GetAdjustedRealTime() / unit};
    }

    std::map<std::string, Seconds> seconds_;
    std::set<std::string> medians_;
    std::set<std::string> failed_;
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

// The verdict on a ratio, judged as measured, not as printed: "target <= 3, met".
std::string targetText(double limit, double ratio) {
    if (limit <= 0)
        return "no target";
    char text[64];
    std::snprintf(text, sizeof text, "target <= %g, %s", limit, ratio <= limit ? "met" : "MISSED");
    return text;
}

// Prints the target's line of figures; false when it was missed or could not be measured.
bool report(const Target& target, const KeepingReporter& kept) {
    const Seconds game = kept.seconds(target.game);
    const Seconds baseline = kept.seconds(target.baseline);
    if (game.cpu <= 0 || baseline.cpu <= 0) {
        std::printf("not measured: %s\n", target.what.c_str());
        return false;
    }
    const double ratio = game.cpu / baseline.cpu;
    std::printf("ratio %.3f (%s): %s; game %s, baseline %s; real-time ratio %.3f\n", ratio,
                targetText(target.limit, ratio).c_str(), target.what.c_str(),
                readable(game.cpu).c_str(), readable(baseline.cpu).c_str(),
                game.real / baseline.real);
    return target.limit <= 0 || ratio <= target.limit;
}

} // namespace

int runWithTargets(int argc, char** argv, const std::vector<Target>& targets) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    KeepingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    bool allMet = true;
    for (const Target& target : targets)
        allMet = report(target, reporter) && allMet;
    return allMet ? 0 : 1;
}
