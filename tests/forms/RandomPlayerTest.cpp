// A random player: thousands of random actions on the real windows, and after each one what must
// always hold. QUILLMAR_RANDOM_SEED and QUILLMAR_RANDOM_ACTIONS choose the seed and the count. The
// actions are scenario steps (support/Scenario.h): a failure prints the seed and the steps since
// the program last started, which replay it as a scenario.
#include "combat/Levels.h"
#include "menus/Catalogue.h"
#include "support/Scenario.h"
#include "world/Movement.h"
#include "world/Screens.h"

#include <random>

namespace {

unsigned setting(const char* name, unsigned otherwise) {
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? otherwise : value.toUInt();
}

// Saved games to load at the title: the story's stages at their places, a rich hero at the
// shop, and a hero of the last level beside the leader, so that play reaches both endings.
QList<GameState> savedGames() {
    GameState leader = heroAt("BanditsCave", "Q2", "x6y5", 3);
    for (auto levelUp : {LevelUp2, LevelUp3, LevelUp4, LevelUp5})
        levelUp(leader);
    leader.NumBomb = 3;
    GameState rich = heroAt("Farmin", "Q4", "x7y2", 2);
    rich.YourGold = 32000;
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
    bool counts = false;
    for (const Item& item : items())
        counts = counts || outside(game.*item.count, 0, MostOfAnItem);
    if (counts || outside(game.YourLevel, 1, 5) || outside(game.StoryStage, 1, 4) ||
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

class RandomPlayer {
public:
    explicit RandomPlayer(unsigned seed) : random_(seed) {
        const QList<GameState> games = savedGames();
        for (qsizetype game = 0; game < games.size(); ++game)
            write(scenario_.path(QStringLiteral("%1.QSV").arg(game)), recordOf(games[game]));
        restart();
    }

    // One random action; the problem, if anything that must hold broke.
    QString act() {
        const QStringList choices = possibleSteps();
        const QString chosen = choices[pick(choices.size())];
        steps_ << chosen;
        QString problem = scenario_.play({chosen});
        if (problem.isEmpty() && chosen == QLatin1String("save 0.QSV"))
            problem = saveAndLoad();
        return problem.isEmpty() ? broken() : problem;
    }

    QString replay() const { return steps_.join(QStringLiteral("\", \"")); }
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
        QStringList steps;
        for (const QString& window : visibleForms()) {
            steps << "close " + window;
            for (QPushButton* button : FormRegistry::find(window)->findChildren<QPushButton*>())
                if (button->isVisible() && button->isEnabled())
                    for (int repeat = weights.value(window + '.' + button->objectName(), 1);
                         repeat > 0; --repeat)
                        steps << window + '.' + button->objectName();
        }
        const bool cancel = pick(6) == 0;
        steps.replaceInStrings(QStringLiteral("Form2.Command1"), cancel ? "save" : "save 0.QSV");
        steps.replaceInStrings(QStringLiteral("Form1.Command2"),
                               cancel ? QStringLiteral("load")
                                      : QStringLiteral("load %1.QSV").arg(pick(5)));
        return steps;
    }

    // In the town, where loading counts no step, a game saved and loaded at once is the same
    // record, byte for byte.
    QString saveAndLoad() {
        if (theGame().Location != "Farmin")
            return scenario_.play({"file 0.QSV: saved"});
        ++roundTrips;
        return scenario_.play({"file 0.QSV: saved", "Form2.Command2", "game.YourGold = 12345",
                               "load 0.QSV", "file 0.QSV: saved"});
    }

    // Exactly one window to act on, the about box aside, or the program ended with none left.
    QString broken() {
        if (scenario_.quits > 0) {
            ++ends;
            const QString problem = scenario_.play({"ended"});
            restart();
            return problem;
        }
        QStringList shown = visibleForms();
        shown.removeAll(QStringLiteral("frmAbout"));
        if (shown.size() != 1)
            return "windows on show: " + shown.join(' ');
        return theGame().StoryStage == 0 ? QString() : brokenFigure(theGame());
    }

    void restart() {
        theGame() = GameState();
        scenario_.quits = 0;
        steps_ = QStringList{"title"};
        scenario_.play(steps_);
    }

    int pick(qsizetype count) {
        return std::uniform_int_distribution<int>(0, int(count) - 1)(random_);
    }

    std::mt19937 random_;
    Scenario scenario_;
    QStringList steps_; // since the program last started
};

} // namespace

class RandomPlayerTest : public QObject {
    Q_OBJECT
private slots:
    // Whatever the player does, exactly one window can be acted on (the about box aside) or the
    // program has ended as a button or close box said; the figures keep to their ranges and
    // their level; and a save is the game and loads back as it was saved.
    void whateverThePlayerDoesTheGameHoldsTogether() {
        const unsigned seed = setting("QUILLMAR_RANDOM_SEED", 1);
        const unsigned count = setting("QUILLMAR_RANDOM_ACTIONS", 2000);
        RandomPlayer player(seed);
        for (unsigned action = 1; action <= count; ++action)
            if (const QString problem = player.act(); !problem.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3, after the steps \"%4\"")
                                     .arg(seed)
                                     .arg(action)
                                     .arg(problem, player.replay())));
        qInfo("seed %u: %u actions, %d ends of the program, %d saves loaded back", seed, count,
              player.ends, player.roundTrips);
        QVERIFY(player.ends > 0 && player.roundTrips > 0);
    }
};

QTEST_MAIN(RandomPlayerTest)
#include "RandomPlayerTest.moc"
