#include "forms/Form1.h"
#include "forms/Form10.h"
#include "forms/Form2.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "forms/Form5.h"
#include "forms/Form8.h"
#include "support/FormTest.h"
#include "support/ScriptedDialogs.h"

namespace {

// Attacks until the battle on screen is won, then leaves it by END BATTLE. False when the
// hero died or the battle would not end.
bool fightIfAttacked() {
    for (int turn = 0; turn < 40; ++turn) {
        Form3* battle = Loaded<Form3>();
        if (!battle)
            return !Loaded<Form4>();
        const bool won = control<QPushButton>(battle, "Command1")->isEnabled();
        click(battle, won ? "Command1" : "cmbAttack");
    }
    return false;
}

// Clicks the arrows for a path such as "UU L" (up, up, left; blanks only group the steps),
// fighting out every battle that opens on the way. False when the move screen was not there
// to take a step, or a battle went wrong.
bool walk(const char* path) {
    for (const char* direction = path; *direction; ++direction) {
        const char* arrow = *direction == 'U'   ? "Command3"
                            : *direction == 'R' ? "Command4"
                            : *direction == 'L' ? "Command5"
                            : *direction == 'D' ? "Command6"
                                                : nullptr;
        if (!arrow)
            continue;
        Form2* move = Loaded<Form2>();
        if (!move || !move->isVisible())
            return false;
        click(move, arrow);
        if (!fightIfAttacked())
            return false;
    }
    return true;
}

void talk() {
    click(Loaded<Form2>(), "Command8");
}

// Where the hero stands, as "Location Quadrant Position".
QString place() {
    const GameState& game = theGame();
    return QString::fromStdString(game.Location + ' ' + game.Quadrant + ' ' + game.Position);
}

} // namespace

class PlaythroughTest : public QObject {
    Q_OBJECT
private slots:
    // A player starts a new game, follows the story to the training center, trains to level
    // 5, crosses the bandits' cave, beats the leader and comes back to the title.
    void thePlayerBeatsTheLeaderOfTheBandits() {
        ScriptedDialogs dialogs;

        // The name "Ann" on the keys, the opening story, the king's permission.
        click(&Show<Form1>(), "Command1");
        Form5* entry = Loaded<Form5>();
        for (const char* key : {"Command30", "Command2", "Command40", "Command15", "Command15"})
            click(entry, key);
        click(entry, "Command1");
        click(Loaded<Form4>(), "Command1");
        QCOMPARE(visibleForms(), QStringList{"Form2"});
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].endsWith(QStringLiteral("Good Luck, Ann")));

        // Out of the house to the townsman by the west road, then west out of town.
        QVERIFY(walk("DDDD L"));
        talk();
        QCOMPARE(theGame().StoryStage, Integer(2));
        QVERIFY(walk("LL L"));
        click(Loaded<Form8>(), "TrainingCenter");
        QCOMPARE(place(), QStringLiteral("TrainingCenter Q4 x10y1"));

        // Up to the greeter at the entrance.
        QVERIFY(walk("UUUU"));
        talk();
        QCOMPARE(theGame().StoryStage, Integer(3));

        // Back and forth beside him: a bat comes on every fifth step, until level 5.
        for (int round = 0; caption(Loaded<Form2>(), "YourLevel") != QStringLiteral("5"); ++round) {
            QVERIFY2(round < 200, "still not level 5");
            QVERIFY(walk("DU"));
        }
        QCOMPARE(theGame().YourAT, Integer(19));
        QCOMPARE(theGame().HasStrike, True);

        // Out by the entrance, to the cave.
        QVERIFY(walk("DDDD D"));
        click(Loaded<Form8>(), "BanditsCave");
        QCOMPARE(place(), QStringLiteral("BanditsCave Q4 x10y8"));

        // Through the cave: west along the straw, round the guard of the bottom left, up into
        // the top left and east to the leader's hall.
        QVERIFY(walk("UUUUU LLLLLLL L"));
        QCOMPARE(place(), QStringLiteral("BanditsCave Q3 x5y10"));
        QVERIFY(walk("L DDDD LL UUUUUU LLLLL UU U"));
        QCOMPARE(place(), QStringLiteral("BanditsCave Q1 x10y2"));
        QVERIFY(walk("U RR UU R UUUU RRR DDD RR R"));
        QCOMPARE(place(), QStringLiteral("BanditsCave Q2 x6y1"));
        QVERIFY(walk("RRRR"));
        QCOMPARE(place(), QStringLiteral("BanditsCave Q2 x6y5"));

        // The leader speaks, fights and falls; only the closing window is left.
        talk();
        QCOMPARE(theGame().StoryStage, Integer(4));
        QCOMPARE(theGame().EnemyName, std::string("LeaderOfBandits"));
        QVERIFY(fightIfAttacked());
        QCOMPARE(visibleForms(), QStringList{"Form10"});
        QCOMPARE(Loaded<Form2>(), nullptr);
        QCOMPARE(Loaded<Form3>(), nullptr);
        click(Loaded<Form10>(), "Command1");
        QCOMPARE(visibleForms(), QStringList{"Form1"});
        QVERIFY(!dialogs.messages.contains(QStringLiteral("You are dead")));
    }
};

QTEST_MAIN(PlaythroughTest)
#include "PlaythroughTest.moc"
