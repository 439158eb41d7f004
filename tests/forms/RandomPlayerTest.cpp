// A random player: thousands of random scenario steps on the real windows (QUILLMAR_RANDOM_SEED
// and QUILLMAR_RANDOM_ACTIONS choose seed and count), and after each what must always hold. A
// failure prints the seed and the steps since the program last started: a scenario to replay.
#include "combat/Levels.h"
#include "items/Catalogue.h"
#include "support/Scenario.h"
#include "toolkit/Widgets.h"
#include "world/Movement.h"
#include "world/Screens.h"

#include <QLabel>
#include <QSet>
#include <random>

namespace {

// Saved games to load at the title: the story's stages at their places, a rich hero at the
// shop, and a hero of the last level beside the leader, so that play reaches both endings.
QList<GameState> savedGames() {
    GameState leader = heroAt("BanditsCave", "Q2", "x6y5", 3),
              rich = heroAt("Farmin", "Q4", "x7y2");
    for (auto levelUp : {LevelUp2, LevelUp3, LevelUp4, LevelUp5})
        levelUp(leader);
    leader.NumBomb = 3, rich.YourGold = 32000;
    return {heroAt("Farmin", "Q1", "x3y4"), rich, heroAt("TrainingCenter", "Q4", "x6y1", 2),
            heroAt("BanditsCave", "Q4", "x10y8", 3), leader};
}

// What holds between any two actions of a game begun as games begin: the figures keep to their
// ranges and limits (nothing wraps), each stays at its level's value, and the hero stands on a
// cell of a screen.
QString brokenFigure(const GameState& game) {
    const auto outside = [](int value, int lowest, int highest) {
        return value < lowest || value > highest;
    };
    if (std::ranges::any_of(
            items(),
            [&](const Item& item) { return outside(game.*item.count, 0, MostOfAnItem); }) ||
        outside(game.YourLevel, 1, 5) || outside(game.StoryStage, 1, 4) ||
        outside(game.StepsToFight, 0, 5) || game.YourEX < 0 || game.YourGold < 0)
        return QStringLiteral("a count, the level, stage, step count, EX or gold out of range");
    if (game.YourHP > game.YourMaxHP || outside(game.YourTP, 0, game.YourMaxTP) ||
        game.YourAT != game.YourMaxAT || game.YourDE != game.YourMaxDE ||
        game.YourSE != game.YourMaxSE || game.YourSP != game.YourMaxSP ||
        game.YourMaxHP != game.YourMaxTP)
        return QStringLiteral("HP or TP beyond its maximum, or a figure off its level's value");
    if (!cellOfKey(game.Position) || !findScreen(game.Location, game.Quadrant))
        return QStringLiteral("the hero stands nowhere");
    return {};
}

// A control a screen reader could not name or explain: a picture, or a button without a caption
// (but the battle's numbered list), with no name; or a value label, blank or a figure, with no
// description.
bool unexplained(QWidget* control) {
    const auto* button = qobject_cast<QAbstractButton*>(control);
    const auto* label = qobject_cast<QLabel*>(control);
    bool figure = false;
    if (label)
        label->text().trimmed().toInt(&figure);
    return ((qobject_cast<PictureBox*>(control) ||
             (button && button->text().trimmed().isEmpty() &&
              !control->objectName().startsWith(QLatin1String("Do")))) &&
            control->accessibleName().isEmpty()) ||
           (label && !control->objectName().isEmpty() &&
            (figure || label->text().trimmed().isEmpty()) &&
            control->accessibleDescription().isEmpty());
}

class RandomPlayer {
public:
    explicit RandomPlayer(unsigned seed) : random_(seed) {
        const QList<GameState> games = savedGames();
        for (qsizetype game = 0; game < games.size(); ++game)
            write(scenario_.path(QStringLiteral("%1.QSV").arg(game)), recordOf(games[game]));
        restart();
    }

    // One random action, and the problem if anything that must hold broke.
    QString act() {
        const QStringList choices = possibleSteps();
        steps << choices[pick(choices.size())];
        QString problem = scenario_.play({steps.last()});
        // What a save wrote is the game, byte for byte; in the town, where loading counts no
        // step, loading it at once gives back the same record.
        if (problem.isEmpty() && steps.last() == QLatin1String("save 0.QSV"))
            problem =
                scenario_.play(theGame().Location == "Farmin" ? (++roundTrips, roundTrip)
                                                              : QStringList{roundTrip.first()});
        if (problem.isEmpty() && scenario_.quits > 0) {
            ++ends;
            problem = scenario_.play({"ended"});
            restart();
        }
        QStringList shown = visibleForms();
        for (const QString& window : shown) {
            seen << window;
            for (QWidget* control : FormRegistry::find(window)->findChildren<QWidget*>())
                if (problem.isEmpty() && unexplained(control))
                    problem = window + '.' + control->objectName() + " says nothing to a reader";
        }
        shown.removeAll(QStringLiteral("frmAbout"));
        if (problem.isEmpty() && shown.size() != 1)
            problem = "windows on show: " + shown.join(' ');
        return problem.isEmpty() && theGame().StoryStage ? brokenFigure(theGame()) : problem;
    }

    QStringList steps;  // since the program last started
    QSet<QString> seen; // the windows on show at some time
    int ends = 0;
    int roundTrips = 0;

private:
    // Every button that can be pressed and every close box; the arrows and the fight, which are
    // the game, come up more often. Save and Load Game answer with a file or a cancel.
    QStringList possibleSteps() {
        static const QHash<QString, int> weights = {{"Form2.Command3", 8}, {"Form2.Command4", 8},
                                                    {"Form2.Command5", 8}, {"Form2.Command6", 8},
                                                    {"Form2.Command8", 4}, {"Form3.cmbAttack", 6},
                                                    {"Form1.Command2", 4}, {"Form5.Command1", 4}};
        QStringList choices;
        for (const QString& window : visibleForms()) {
            choices << "close " + window;
            for (QPushButton* button : FormRegistry::find(window)->findChildren<QPushButton*>())
                for (int repeat = weights.value(window + '.' + button->objectName(), 1);
                     button->isVisible() && button->isEnabled() && repeat > 0; --repeat)
                    choices << window + '.' + button->objectName();
        }
        const bool cancel = pick(6) == 0;
        choices.replaceInStrings(QStringLiteral("Form2.Command1"), cancel ? "save" : "save 0.QSV");
        return choices.replaceInStrings(QStringLiteral("Form1.Command2"),
                                        cancel ? QStringLiteral("load")
                                               : QStringLiteral("load %1.QSV").arg(pick(5)));
    }

    void restart() {
        theGame() = GameState();
        scenario_.quits = 0;
        steps = QStringList{"title"};
        scenario_.play(steps);
    }

    int pick(qsizetype count) {
        return std::uniform_int_distribution<int>(0, int(count) - 1)(random_);
    }

    const QStringList roundTrip = {"file 0.QSV: saved", "Form2.Command2", "game.YourGold = 12345",
                                   "load 0.QSV", "file 0.QSV: saved"};
    std::mt19937 random_;
    Scenario scenario_;
};

} // namespace

class RandomPlayerTest : public QObject {
    Q_OBJECT
private slots:
    // Whatever the player does, exactly one window can be acted on (the about box aside) or the
    // program has ended as a button or close box said; the figures keep to their ranges and
    // their level; and a save is the game and loads back as it was saved.
    void whateverThePlayerDoesTheGameHoldsTogether() {
        const int seed = qEnvironmentVariableIntValue("QUILLMAR_RANDOM_SEED");
        const int asked = qEnvironmentVariableIntValue("QUILLMAR_RANDOM_ACTIONS");
        const int count = asked > 0 ? asked : 2000;
        RandomPlayer player{unsigned(seed)};
        for (int action = 1; action <= count; ++action)
            if (const QString problem = player.act(); !problem.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3, after the steps \"%4\"")
                                     .arg(seed)
                                     .arg(action)
                                     .arg(problem, player.steps.join(QStringLiteral("\", \"")))));
        qInfo("seed %d: %d actions, %d ends of the program, %d saves loaded back", seed, count,
              player.ends, player.roundTrips);
        QVERIFY(player.ends > 0 && player.roundTrips > 0);
        QCOMPARE(player.seen.size(), 13); // every window of the game
    }
};

QTEST_MAIN(RandomPlayerTest)
#include "RandomPlayerTest.moc"
