#include "forms/Form11.h"
#include "forms/Form2.h"
#include "forms/Form3.h"
#include "forms/Form8.h"
#include "support/FormTest.h"
#include "support/GameSetup.h"
#include "support/Playthrough.h"
#include "support/ScriptedDialogs.h"

// The words of every cell are the talk scripts' own; these tests follow each kind of effect
// once through the windows: what the player sees while the words are open, and after.
class TalkFlowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { unloadEverything(); }

    // Talk beside nobody shows no message and changes nothing.
    void talkingToNobodyDoesNothing() {
        ScriptedDialogs dialogs;
        moveScreenAt("TrainingCenter", "Q3", "x6y3");
        const GameState before = theGame();
        talk();
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(theGame(), before);
        QCOMPARE(visibleForms(), QStringList{"Form2"});
    }

    // The greeter's words are read before the story moves on; the travel window offers the cave.
    void theGreeterOpensTheCave() {
        ScriptedDialogs dialogs;
        GameState hero = heroAt("TrainingCenter", "Q4", "x6y1", 2);
        hero.StepsToFight = 10; // the walk to the edge below stays clear of fights
        moveScreenOf(hero);
        Integer stageWhileReading = 0;
        dialogs.whileMessageOpen = [&](const QString&) {
            stageWhileReading = theGame().StoryStage;
        };
        talk();
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].startsWith(QStringLiteral("Hello! Going thoungh")));
        QCOMPARE(stageWhileReading, Integer(2));
        QCOMPARE(theGame().StoryStage, Integer(3));
        for (int step = 0; step < 5; ++step)
            click(Loaded<Form2>(), "Command6");
        QCOMPARE(visibleForms(), QStringList{"Form8"});
        QCOMPARE(enabledMarks(Loaded<Form8>(), {"BanditsCave"}), QStringLiteral("1"));
    }

    // After "Good Night" the inn fills HP and TP on the panel and redraws the hero on the bed.
    void theInnRestsTheHeroOnTheBed() {
        ScriptedDialogs dialogs;
        GameState hero = heroAt("Farmin", "Q2", "x8y2");
        hero.YourHP = 3, hero.YourTP = 4;
        Form2& move = moveScreenOf(hero);
        QString seenWhileReading;
        dialogs.whileMessageOpen = [&](const QString&) {
            seenWhileReading = captions(&move, {"yourHP", "yourTP", "Label4"}) +
                               QString::fromStdString(theGame().Position);
        };
        talk();
        QCOMPARE(dialogs.messages, QStringList{"Hi wecome to the Inn. Good Night."});
        QCOMPARE(seenWhileReading, QStringLiteral("3|4|x8y2x8y2"));
        QCOMPARE(captions(&move, {"yourHP", "yourTP", "Label4"}), QStringLiteral("20|20|x7y4"));
        QCOMPARE(theGame().YourHP + theGame().YourTP, 40);
        QCOMPARE(theGame().Position, std::string("x7y4"));
        QVERIFY(shows(&move, "map0704", "graYou"));
        QVERIFY(shows(&move, "map0802", "gra001"));
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

    // The leader's words come first, then the next stage and his fight; no step is counted.
    void theLeaderFightsAfterHisWords() {
        ScriptedDialogs dialogs;
        moveScreenAt("BanditsCave", "Q2", "x4y5", 3);
        const Integer stepsLeft = theGame().StepsToFight;
        QString seenWhileReading;
        dialogs.whileMessageOpen = [&](const QString&) {
            seenWhileReading =
                QString::number(theGame().StoryStage) + ' ' + visibleForms().join(',');
        };
        talk();
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].endsWith(QStringLiteral("Guess who is next... {FIGHT}")));
        QCOMPARE(seenWhileReading, QStringLiteral("3 Form2"));
        QCOMPARE(theGame().StoryStage, Integer(4));
        QCOMPARE(visibleForms(), QStringList{"Form3"});
        QCOMPARE(caption(Loaded<Form3>(), "info1"),
                 QStringLiteral("Leader Of Bandits Whats to Fight!"));
        QCOMPARE(theGame().StepsToFight, stepsLeft);
    }
};

QTEST_MAIN(TalkFlowTest)
#include "TalkFlowTest.moc"
