#include "support/Playthrough.h"

#include "forms/Form2.h"
#include "forms/Form3.h"
#include "support/FormTest.h"
#include "support/ScriptedDialogs.h"

class PlaythroughTest : public QObject {
    Q_OBJECT
private slots:
    // A player starts a new game, follows the story to the training center, trains to level
    // 5, crosses the bandits' cave, beats the leader and comes back to the title.
    void thePlayerBeatsTheLeaderOfTheBandits() {
        ScriptedDialogs dialogs;

        // The name "Ann" on the keys, the opening story, the king's permission.
        startAsAnn();
        QCOMPARE(visibleForms(), QStringList{"Form2"});
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].endsWith(QStringLiteral("Good Luck, Ann")));

        // Out of the house to the townsman by the west road, then west out of town.
        QVERIFY(meetTheTownsman());
        QCOMPARE(theGame().StoryStage, Integer(2));
        QVERIFY(goToTheTrainingCenter());
        QCOMPARE(place(), QStringLiteral("TrainingCenter Q4 x10y1"));

        // Up to the greeter at the entrance.
        QVERIFY(meetTheGreeter());
        QCOMPARE(theGame().StoryStage, Integer(3));

        // Back and forth beside him: a bat comes on every fifth step, until level 5.
        QVERIFY2(trainToLevelFive(), "still not level 5");
        QCOMPARE(theGame().YourAT, Integer(19));
        QCOMPARE(theGame().HasStrike, True);

        // Out by the entrance, to the cave.
        QVERIFY(goToTheCave());
        QCOMPARE(place(), QStringLiteral("BanditsCave Q4 x10y8"));

        // Through the cave: west along the straw, round the guard of the bottom left, up into
        // the top left and east to the leader's hall.
        QVERIFY(crossTheCaveWest());
        QCOMPARE(place(), QStringLiteral("BanditsCave Q3 x5y10"));
        QVERIFY(climbToTheTopLeft());
        QCOMPARE(place(), QStringLiteral("BanditsCave Q1 x10y2"));
        QVERIFY(enterTheLeadersHall());
        QCOMPARE(place(), QStringLiteral("BanditsCave Q2 x6y1"));
        QVERIFY(walkUpToTheLeader());
        QCOMPARE(place(), QStringLiteral("BanditsCave Q2 x6y5"));

        // The leader speaks, fights and falls; only the closing window is left.
        talk();
        QCOMPARE(theGame().StoryStage, Integer(4));
        QCOMPARE(theGame().EnemyName, std::string("LeaderOfBandits"));
        QVERIFY(fightIfAttacked());
        QCOMPARE(visibleForms(), QStringList{"Form10"});
        QCOMPARE(Loaded<Form2>(), nullptr);
        QCOMPARE(Loaded<Form3>(), nullptr);
        leaveTheClosingWindow();
        QCOMPARE(visibleForms(), QStringList{"Form1"});
        QVERIFY(!dialogs.messages.contains(QStringLiteral("You are dead")));
    }
};

QTEST_MAIN(PlaythroughTest)
#include "PlaythroughTest.moc"
