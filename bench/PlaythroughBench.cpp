// The whole winning playthrough through the real windows, offscreen: from the title's
// "New Game" to the leader's defeat and back to the title, the same route the playthrough test
// takes. Measured twice: as the test plays it, and with the windows painting after every click
// as they do for a player.
#include "Offscreen.h"
#include "Targets.h"
#include "state/GameState.h"
#include "support/FormTest.h"
#include "support/Playthrough.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// Every game starts from a program that has just started: no window, the game record empty,
// and nothing left waiting in the event queue. The test's clicks never run the event loop, so
// without this the updates that a played game leaves behind would pile up from one game to
// the next and slow every later one down.
void freshProgram() {
    unloadEverything();
    QCoreApplication::processEvents();
    theGame() = GameState{};
}

void playthrough(benchmark::State& state, bool painted) {
    ScriptedDialogs dialogs;
    int clicks = 0;
    setAfterEachClick([&clicks, painted] {
        ++clicks;
        if (painted)
            QCoreApplication::processEvents();
    });
    for (auto _ : state) {
        state.PauseTiming();
        freshProgram();
        dialogs.messages.clear();
        state.ResumeTiming();
        if (!playTheWholeGame()) {
            state.SkipWithError("the playthrough did not come back to the title");
            break;
        }
    }
    setAfterEachClick({});
    freshProgram();
    state.counters["clicks"] = benchmark::Counter(clicks, benchmark::Counter::kAvgIterations);
}

} // namespace

int main(int argc, char** argv) {
    prepareOffscreen();
    QApplication app(argc, argv);
    benchmark::RegisterBenchmark("playthrough", playthrough, false)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("playthrough_painted", playthrough, true)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    return runWithTargets(argc, argv,
                          {{"winning playthrough, as the test plays it", "playthrough", "", 0.5},
                           {"winning playthrough, windows painted after every click",
                            "playthrough_painted", "", 0.5}});
}
