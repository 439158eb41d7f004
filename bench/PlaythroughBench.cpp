// The whole winning playthrough through the real windows, offscreen: from the title's
// "New Game" to the leader's defeat and back to the title, the same route the playthrough test
// takes. Measured twice: as the test plays it, and with the windows painting after every click
// as they do for a player. Beside each, the least as many clicks could cost: a button that
// writes the count of its clicks on a label, painted or not in the same way.
#include "LabelGrid.h"
#include "Offscreen.h"
#include "Targets.h"
#include "qt/QtScenario.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

// Every game starts from a program that has just started: no window, the game record empty,
// and nothing left waiting in the event queue. The test's clicks never run the event loop, so
// without this the updates that a played game leaves behind would pile up from one game to
// the next and slow every later one down.
void freshProgram() {
    settle();
    QCoreApplication::processEvents();
}

// Lets the windows paint what a click changed, as the event loop does between a player's
// clicks.
void paintIf(bool painted) {
    if (painted)
        QCoreApplication::processEvents();
}

// Counts the paint events of every window while it lives.
class PaintsEverywhere : public PaintCounter {
public:
    PaintsEverywhere() { QCoreApplication::instance()->installEventFilter(this); }
    ~PaintsEverywhere() override { QCoreApplication::instance()->removeEventFilter(this); }
};

// The desktop of the playthrough test, counting its clicks and, when asked, letting the windows
// paint after each.
class CountingDesktop : public AtTheDesktop {
public:
    CountingDesktop(int& clicks, bool painted) : clicks_(clicks), painted_(painted) {}
    void click(Flow& flow, const std::string& window, const std::string& control) override {
        AtTheDesktop::click(flow, window, control);
        ++clicks_;
        paintIf(painted_);
    }

private:
    int& clicks_;
    bool painted_;
};

bool playTheWholeGame(int& clicks, bool painted) {
    CountingDesktop desktop(clicks, painted);
    return Scenario(&desktop).play(winningRoute()).empty();
}

// The clicks of one whole game; 0 when the game could not be played.
int clicksOfOneGame() {
    int clicks = 0;
    freshProgram();
    const bool played = playTheWholeGame(clicks, false);
    freshProgram();
    return played ? clicks : 0;
}

void playthrough(benchmark::State& state, bool painted) {
    int clicks = 0;
    PaintsEverywhere counter;
    for (auto _ : state) {
        state.PauseTiming();
        freshProgram();
        state.ResumeTiming();
        if (!playTheWholeGame(clicks, painted)) {
            state.SkipWithError("the playthrough did not come back to the title");
            break;
        }
    }
    freshProgram();
    state.counters["clicks"] = benchmark::Counter(clicks, benchmark::Counter::kAvgIterations);
    // A painted game that painted less than once a click would time the clicks alone.
    if (painted && counter.paints < clicks)
        state.SkipWithError("the windows were not painted after every click");
}

// A window with one button, which writes how often it was clicked on the window's one label.
class CountingWindow : public QWidget {
public:
    CountingWindow() {
        auto* button = new QPushButton(QStringLiteral("Click"), this);
        button->setObjectName(QStringLiteral("Command1"));
        button->setGeometry(16, 16, 73, 25);
        label->setGeometry(16, 48, 73, 17);
        connect(button, &QPushButton::clicked, this,
                [this] { label->setText(QString::number(++clicks)); });
    }
    QLabel* label = new QLabel(this);
    int clicks = 0;
};

void clicksBaseline(benchmark::State& state, bool painted, int clicks) {
    CountingWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return state.SkipWithError("the window was not shown");
    PaintCounter counter;
    window.label->installEventFilter(&counter);
    for (auto _ : state)
        for (int i = 0; i < clicks; ++i) {
            click(&window, "Command1");
            paintIf(painted);
        }
    state.counters["clicks"] = clicks;
    if (window.clicks != state.iterations() * clicks)
        state.SkipWithError("a click was lost");
    else if (painted && counter.paints < window.clicks)
        state.SkipWithError("the label was not painted after every click");
}

} // namespace

int main(int argc, char** argv) {
    prepareOffscreen();
    QApplication app(argc, argv);
    const int clicks = clicksOfOneGame();
    if (clicks == 0) {
        std::fputs("the playthrough did not come back to the title\n", stderr);
        return 1;
    }
    for (const bool painted : {false, true}) {
        const std::string name = painted ? "playthrough_painted" : "playthrough";
        timedBenchmark(name.c_str(), playthrough, painted)->Unit(benchmark::kMillisecond);
        timedBenchmark((name + "_baseline").c_str(), clicksBaseline, painted, clicks)
            ->Unit(benchmark::kMillisecond);
    }
    // A game's click opens whole windows where a bare click writes one label, so a game's
    // worth of clicks costs some times as much; the limits hold it near what it costs today.
    return runWithTargets(
        argc, argv,
        {{"winning playthrough, as the test plays it", "playthrough", "playthrough_baseline", 8},
         {"winning playthrough, windows painted after every click", "playthrough_painted",
          "playthrough_painted_baseline", 15}});
}
