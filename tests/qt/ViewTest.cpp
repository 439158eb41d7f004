// The desktop view of the windows: every rule of the flow table played again through the
// widgets, with the mouse and the keyboard, and a random player through the widgets; after each,
// every control must be drawn where and as its window says.
#include "qt/QtScenario.h"
#include "windows/FlowTable.h"
#include "windows/RandomPlayer.h"

#include <QTest>

class ViewTest : public QObject {
    Q_OBJECT
private slots:
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
        const auto seed = unsigned(qEnvironmentVariableIntValue("QUILLMAR_RANDOM_SEED"));
        const int asked = qEnvironmentVariableIntValue("QUILLMAR_VIEW_ACTIONS");
        AtTheDesktop desktop;
        RandomPlayer player(seed, &desktop);
        player.alsoCheck = [&desktop](const Flow& flow) {
            return viewDiffers(flow, desktop.desktopView());
        };
        QCOMPARE(playRandomly(player, seed, asked > 0 ? asked : 1500), std::string());
        QCOMPARE(player.seen.size(), std::size_t(13));
    }
};

QTEST_MAIN(ViewTest)
#include "ViewTest.moc"
