// Steps on the real move screen, offscreen: the arrow clicked, the 104 pictures set, the hero
// placed, the readouts written and the window painted. One step stays within a screen, where
// two cells change; the other crosses to the next screen, where the cells show another place.
// Beside them, the least a step could cost: 100 ready pixmaps set on 100 labels, every one
// changing, and the window painted the same way.
#include "LabelGrid.h"
#include "Offscreen.h"
#include "Targets.h"
#include "qt/QtScenario.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

struct Cell {
    const char* quadrant;
    const char* position;
};

bool heroStandsOn(const GameState& game, const Cell& cell) {
    return game.Quadrant == cell.quadrant && game.Position == cell.position;
}

bool paintedEveryTime(const PaintCounter& counter, const benchmark::State& state) {
    return counter.paints >= static_cast<int>(state.iterations());
}

// Up and down in Farmin, where no fight ever opens, between a lower and an upper cell. A click
// that did not move the hero would time a bare repaint, so every step is checked.
void stepUpAndDown(benchmark::State& state, Cell lower, Cell upper) {
    AtTheDesktop desktop;
    Scenario scenario(&desktop);
    scenario.game() = heroAt("Farmin", lower.quadrant, lower.position);
    scenario.flow().openMoveScreen();
    QWidget* move = desktop.desktopView().widgetOf("MoveScreen");
    if (!QTest::qWaitForWindowExposed(move))
        return state.SkipWithError("the move screen was not shown");
    PaintCounter counter;
    move->findChild<QWidget*>(QStringLiteral("map0505"))->installEventFilter(&counter);
    benchmark::IterationCount moves = 0;
    bool up = true;
    for (auto _ : state) {
        click(move, up ? "Command3" : "Command6");
        move->repaint();
        moves += heroStandsOn(scenario.game(), up ? upper : lower);
        up = !up;
    }
    if (moves != state.iterations())
        state.SkipWithError("a click did not move the hero");
    else if (!paintedEveryTime(counter, state))
        state.SkipWithError("the cells were not painted on every step");
}

void moveScreenStep(benchmark::State& state) {
    stepUpAndDown(state, {"Q1", "x3y4"}, {"Q1", "x2y4"});
}

// Between the town's top right and bottom right screens, the pair that differs in most cells.
void moveScreenCrossing(benchmark::State& state) {
    stepUpAndDown(state, {"Q4", "x1y5"}, {"Q2", "x10y5"});
}

void labelsBaseline(benchmark::State& state) {
    LabelGrid grid;
    grid.show();
    if (!QTest::qWaitForWindowExposed(&grid))
        return state.SkipWithError("the label grid was not shown");
    PaintCounter counter;
    grid.cell()->installEventFilter(&counter);
    for (auto _ : state) {
        grid.step();
        grid.repaint();
    }
    if (!paintedEveryTime(counter, state))
        state.SkipWithError("the labels were not painted on every step");
}

} // namespace

int main(int argc, char** argv) {
    prepareOffscreen();
    QApplication app(argc, argv);
    timedBenchmark("move_step", moveScreenStep)->Unit(benchmark::kMicrosecond);
    timedBenchmark("move_crossing", moveScreenCrossing)->Unit(benchmark::kMicrosecond);
    timedBenchmark("move_step_baseline", labelsBaseline)->Unit(benchmark::kMicrosecond);
    return runWithTargets(
        argc, argv,
        {{"one step on the move screen, painted", "move_step", "move_step_baseline", 1.2},
         {"one step crossing to the next screen, painted", "move_crossing", "move_step_baseline",
          1.5}});
}
