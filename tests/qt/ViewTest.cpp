// The desktop view of the windows: every rule of the flow table played again through the
// widgets, with the mouse and the keyboard, and a random player through the widgets; after each,
// every control must be drawn where and as its window says.
#include "qt/QtScenario.h"
#include "qt/Startup.h"
#include "windows/RandomPlayer.h"
#include "windows/Scenario.h"

#include <QTest>

class ViewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    void theWidgetsFollowTheWindows_data() {
        QTest::addColumn<std::vector<std::string>>("steps");
        for (const FlowRow& row : flowRows())
            QTest::newRow(row.rule.c_str()) << row.steps;
    }

    void theWidgetsFollowTheWindows() {
        QFETCH(std::vector<std::string>, steps);
        AtTheDesktop desktop;
        Scenario scenario(&desktop);
        QCOMPARE(scenario.play(steps), std::string());
        QCOMPARE(viewDiffers(scenario.flow(), desktop.desktopView()), std::string());
    }

    void theWidgetsFollowARandomPlayer() {
        const auto seed = unsigned(fromEnvironment("QUILLMAR_RANDOM_SEED", 0));
        AtTheDesktop desktop;
        RandomPlayer player(seed, &desktop);
        player.alsoCheck = [&desktop](const Flow& flow) {
            return viewDiffers(flow, desktop.desktopView());
        };
        const int actions = fromEnvironment("QUILLMAR_VIEW_ACTIONS", 1500);
        QCOMPARE(playRandomly(player, seed, actions), std::string());
    }
};

QTEST_MAIN(ViewTest)
#include "ViewTest.moc"
