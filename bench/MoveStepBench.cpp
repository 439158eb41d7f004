// One step on the real move screen, offscreen: the arrow clicked, the 104 pictures set, the
// hero placed, the readouts written and the window painted. Beside it, the least a step could
// cost: 100 ready pixmaps set on 100 labels and the window painted the same way.
#include "Offscreen.h"
#include "Targets.h"
#include "forms/Form2.h"
#include "forms/graForm1.h"
#include "support/FormTest.h"
#include "support/GameSetup.h"
#include "world/Screens.h"

#include <QApplication>
#include <QLabel>
#include <array>
#include <benchmark/benchmark.h>

namespace {

// Counts the paint events a widget receives, to be sure a repaint really painted.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

bool paintedEveryTime(const PaintCounter& counter, const benchmark::State& state) {
    return counter.paints >= static_cast<int>(state.iterations());
}

// Up and down between x3y4 and x2y4 of Farmin, where no fight ever opens.
void moveScreenStep(benchmark::State& state) {
    unloadEverything();
    Form2& move = moveScreenAt("Farmin", "Q1", "x3y4");
    if (!QTest::qWaitForWindowExposed(&move))
        return state.SkipWithError("the move screen was not shown");
    PaintCounter counter;
    control(&move, "map0304")->installEventFilter(&counter);
    bool up = true;
    for (auto _ : state) {
        click(&move, up ? "Command3" : "Command6");
        move.repaint();
        up = !up;
    }
    if (!paintedEveryTime(counter, state))
        state.SkipWithError("the cells were not painted on every step");
    if (theGame().Position != "x3y4" && theGame().Position != "x2y4")
        state.SkipWithError("the hero left his two cells");
    unloadEverything();
}

// A window of the move screen's size with a label wherever the screen has a cell.
class LabelGrid : public QWidget {
public:
    LabelGrid() {
        setFixedSize(492, 473);
        for (std::size_t at = 0; at < labels.size(); ++at) {
            labels[at] = new QLabel(this);
            labels[at]->setGeometry(80 + 32 * int(at % 10), 40 + 32 * int(at / 10), 33, 33);
        }
    }
    std::array<QLabel*, 100> labels{};
};

// Two sets of 100 pixmaps at the labels' size, Farmin's first and second screens, each pixmap
// its own, so that every label changes on every step.
using PixmapSet = std::array<QPixmap, 100>;
PixmapSet readyPixmaps(const char* quadrant) {
    const Screen& screen = *findScreen("Farmin", quadrant);
    PixmapSet pixmaps;
    for (std::size_t at = 0; at < pixmaps.size(); ++at) {
        const char tile = screen.tile(int(at / 10) + 1, int(at % 10) + 1);
        const QPixmap& art = graForm1::instance().picture(QLatin1String(pictureOfTile(tile)));
        pixmaps[at] = art.scaled(33, 33, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    return pixmaps;
}

void labelsBaseline(benchmark::State& state) {
    const std::array<PixmapSet, 2> sets{readyPixmaps("Q1"), readyPixmaps("Q2")};
    LabelGrid grid;
    grid.show();
    if (!QTest::qWaitForWindowExposed(&grid))
        return state.SkipWithError("the label grid was not shown");
    PaintCounter counter;
    grid.labels[33]->installEventFilter(&counter);
    std::size_t set = 0;
    for (auto _ : state) {
        for (std::size_t at = 0; at < grid.labels.size(); ++at)
            grid.labels[at]->setPixmap(sets[set][at]);
        grid.repaint();
        set = 1 - set;
    }
    if (!paintedEveryTime(counter, state))
        state.SkipWithError("the labels were not painted on every step");
}

} // namespace

int main(int argc, char** argv) {
    prepareOffscreen();
    QApplication app(argc, argv);
    benchmark::RegisterBenchmark("move_step", moveScreenStep)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("move_step_baseline", labelsBaseline)
        ->Unit(benchmark::kMicrosecond);
    return runWithTargets(
        argc, argv,
        {{"one step on the move screen, painted", "move_step", "move_step_baseline", 3}});
}
