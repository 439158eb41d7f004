#include "forms/Form11.h"
#include "forms/Form2.h"
#include "forms/Form3.h"
#include "forms/Form8.h"
#include "support/FormTest.h"
#include "support/GameSetup.h"
#include "support/ScriptedDialogs.h"

namespace {

// The move screen of a hero standing on a cell, as a saved game would put him there.
Form2& moveScreenAt(const std::string& location, const std::string& quadrant,
                    const std::string& position, Integer storyStage = 1) {
    theGame() = heroAt(location, quadrant, position, storyStage);
    return Show<Form2>();
}

void talk() {
    click(Loaded<Form2>(), "Command8");
}

const QString Advice = QStringLiteral(
    "If you want to destroy the bandits, you should go to the 'Training Center' first.");
const QString Greeting =
    QStringLiteral("Hello! Going thoungh the 'Training Center'? Ok have fun. Oh by the way watch "
                   "out for the 'BATS', 'SLIMES', that are here.");
const QString LeadersWords =
    QStringLiteral("Hey, you can't be here. What, you are here because I destroyed your house? "
                   "Guess who is next... {FIGHT}");

} // namespace

class TalkFlowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { unloadEverything(); }

    // Talk beside nobody shows no message and changes nothing, in the town and in the one
    // screen where nobody lives.
    void talkingToNobodyDoesNothing() {
        ScriptedDialogs dialogs;
        const std::tuple<const char*, const char*, const char*> lonelyCells[] = {
            {"Farmin", "Q1", "x5y3"}, {"TrainingCenter", "Q3", "x6y3"}};
        for (const auto& [location, quadrant, position] : lonelyCells) {
            unloadEverything();
            moveScreenAt(location, quadrant, position);
            const GameState before = theGame();
            talk();
            QVERIFY(dialogs.messages.isEmpty());
            QCOMPARE(theGame(), before);
            QCOMPARE(visibleForms(), QStringList{"Form2"});
        }
    }

    // The townsman's advice moves the story from its first stage to the second once it has
    // been read; the travel window then offers the training center.
    void theTownsmansAdviceOpensTheTrainingCenter() {
        ScriptedDialogs dialogs;
        moveScreenAt("Farmin", "Q1", "x8y1");
        Integer stageWhileReading = 0;
        dialogs.whileMessageOpen = [&](const QString&) {
            stageWhileReading = theGame().StoryStage;
        };
        talk();
        QCOMPARE(dialogs.messages, QStringList{Advice});
        QCOMPARE(stageWhileReading, Integer(1));
        QCOMPARE(theGame().StoryStage, Integer(2));
        click(Loaded<Form2>(), "Command5");
        Form8* travel = Loaded<Form8>();
        QVERIFY(travel && travel->isVisible());
        QVERIFY(control<QPushButton>(travel, "TrainingCenter")->isEnabled());
        QVERIFY(!control<QPushButton>(travel, "BanditsCave")->isEnabled());
    }

    // A stage moves on only from the stage just below: the advice again, or the greeting
    // before the advice, shows the words and changes nothing.
    void talkingOutOfTurnOnlyShowsTheWords() {
        ScriptedDialogs dialogs;
        const std::tuple<const char*, const char*, const char*, Integer, QString> talks[] = {
            {"Farmin", "Q1", "x9y3", 2, Advice},
            {"Farmin", "Q1", "x7y1", 3, Advice},
            {"TrainingCenter", "Q4", "x6y2", 1, Greeting}};
        for (const auto& [location, quadrant, position, stage, words] : talks) {
            unloadEverything();
            dialogs.messages.clear();
            moveScreenAt(location, quadrant, position, stage);
            const GameState before = theGame();
            talk();
            QCOMPARE(dialogs.messages, QStringList{words});
            QCOMPARE(theGame(), before);
            QCOMPARE(visibleForms(), QStringList{"Form2"});
        }
    }

    // The greeter at the training center's entrance moves the story from its second stage to
    // the third; leaving the place then offers the bandits' cave.
    void theGreeterOpensTheCave() {
        ScriptedDialogs dialogs;
        theGame() = heroAt("TrainingCenter", "Q4", "x6y1", 2);
        theGame().StepsToFight = 10; // the walk to the edge below stays clear of fights
        Show<Form2>();
        Integer stageWhileReading = 0;
        dialogs.whileMessageOpen = [&](const QString&) {
            stageWhileReading = theGame().StoryStage;
        };
        talk();
        QCOMPARE(dialogs.messages, QStringList{Greeting});
        QCOMPARE(stageWhileReading, Integer(2));
        QCOMPARE(theGame().StoryStage, Integer(3));
        for (int step = 0; step < 5; ++step)
            click(Loaded<Form2>(), "Command6");
        Form8* travel = Loaded<Form8>();
        QVERIFY(travel && travel->isVisible());
        QVERIFY(control<QPushButton>(travel, "BanditsCave")->isEnabled());
    }

    // The inn wishes good night, then fills HP and TP, shows them on the panel and puts the
    // hero on the bed, redrawn, without counting a step.
    void theInnRestsTheHeroOnTheBed() {
        ScriptedDialogs dialogs;
        theGame() = heroAt("Farmin", "Q2", "x8y2");
        theGame().YourHP = 3;
        theGame().YourTP = 4;
        theGame().StepsToFight = 1;
        Form2& move = Show<Form2>();
        QString seenWhileReading;
        dialogs.whileMessageOpen = [&](const QString&) {
            seenWhileReading = QStringLiteral("%1 %2 %3 %4")
                                   .arg(caption(&move, "yourHP"), caption(&move, "yourTP"))
                                   .arg(theGame().YourHP)
                                   .arg(QString::fromStdString(theGame().Position));
        };
        talk();
        QCOMPARE(dialogs.messages, QStringList{"Hi wecome to the Inn. Good Night."});
        QCOMPARE(seenWhileReading, QStringLiteral("3 4 3 x8y2"));
        QCOMPARE(theGame().YourHP, Integer(20));
        QCOMPARE(theGame().YourTP, Integer(20));
        QCOMPARE(caption(&move, "yourHP"), QStringLiteral("20"));
        QCOMPARE(caption(&move, "yourTP"), QStringLiteral("20"));
        QCOMPARE(theGame().Position, std::string("x7y4"));
        QVERIFY(shows(&move, "map0704", "graYou"));
        QVERIFY(shows(&move, "map0802", "gra001"));
        QCOMPARE(caption(&move, "Label4"), QStringLiteral("x7y4"));
        QCOMPARE(theGame().StepsToFight, Integer(1));
        QCOMPARE(visibleForms(), QStringList{"Form2"});
    }

    // The shop counter welcomes the hero, then the shop opens over the hidden move screen.
    void theShopCounterOpensTheShop() {
        ScriptedDialogs dialogs;
        moveScreenAt("Farmin", "Q4", "x7y2");
        QStringList openWhileReading;
        dialogs.whileMessageOpen = [&](const QString&) { openWhileReading = visibleForms(); };
        talk();
        QCOMPARE(dialogs.messages, QStringList{"Wecome to the Item Shop."});
        QCOMPARE(openWhileReading, QStringList{"Form2"});
        QCOMPARE(visibleForms(), QStringList{"Form11"});
        QVERIFY(Loaded<Form2>());
        QCOMPARE(caption(Loaded<Form11>(), "numgold"), QStringLiteral("100"));
    }

    // Every guard halts the hero, then fights him as a bandit; the step count is left alone.
    void aGuardFightsAfterHisWords() {
        ScriptedDialogs dialogs;
        const std::tuple<const char*, const char*, QString> guards[] = {
            {"Q1", "x8y4", QStringLiteral("Halt you can't be here. {FIGHT}")},
            {"Q3", "x6y7", QStringLiteral("Halt, you can't be here. {FIGHT}")},
            {"Q4", "x10y8", QStringLiteral("Halt, you can't be here. {FIGHT}")}};
        for (const auto& [quadrant, position, words] : guards) {
            unloadEverything();
            dialogs.messages.clear();
            moveScreenAt("BanditsCave", quadrant, position);
            const Integer stepsLeft = theGame().StepsToFight;
            QStringList openWhileReading;
            dialogs.whileMessageOpen = [&](const QString&) { openWhileReading = visibleForms(); };
            talk();
            QCOMPARE(dialogs.messages, QStringList{words});
            QCOMPARE(openWhileReading, QStringList{"Form2"});
            QCOMPARE(visibleForms(), QStringList{"Form3"});
            QCOMPARE(theGame().EnemyName, std::string("Bandit"));
            QCOMPARE(caption(Loaded<Form3>(), "info1"), QStringLiteral("Bandit Whats to Fight!"));
            QCOMPARE(theGame().StepsToFight, stepsLeft);
        }
    }

    // At the third stage the leader's words come first, then the fourth stage and his fight.
    void theLeaderFightsAtTheThirdStage() {
        ScriptedDialogs dialogs;
        moveScreenAt("BanditsCave", "Q2", "x4y5", 3);
        QString seenWhileReading;
        dialogs.whileMessageOpen = [&](const QString&) {
            seenWhileReading =
                QString::number(theGame().StoryStage) + ' ' + visibleForms().join(',');
        };
        talk();
        QCOMPARE(dialogs.messages, QStringList{LeadersWords});
        QCOMPARE(seenWhileReading, QStringLiteral("3 Form2"));
        QCOMPARE(theGame().StoryStage, Integer(4));
        QCOMPARE(theGame().EnemyName, std::string("LeaderOfBandits"));
        QCOMPARE(visibleForms(), QStringList{"Form3"});
        QCOMPARE(caption(Loaded<Form3>(), "info1"),
                 QStringLiteral("Leader Of Bandits Whats to Fight!"));
    }

    // Before the third stage, and after his fight began, the leader only speaks.
    void theLeaderOnlySpeaksAtOtherStages() {
        ScriptedDialogs dialogs;
        for (const Integer stage : {Integer(2), Integer(4)}) {
            unloadEverything();
            dialogs.messages.clear();
            moveScreenAt("BanditsCave", "Q2", "x6y7", stage);
            const GameState before = theGame();
            talk();
            QCOMPARE(dialogs.messages, QStringList{LeadersWords});
            QCOMPARE(theGame(), before);
            QCOMPARE(visibleForms(), QStringList{"Form2"});
        }
    }
};

QTEST_MAIN(TalkFlowTest)
#include "TalkFlowTest.moc"
