#include "forms/Form1.h"
#include "forms/Form10.h"
#include "forms/Form2.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "forms/Form5.h"
#include "support/FormTest.h"
#include "support/GameSetup.h"
#include "support/ScriptedDialogs.h"

#include <QPointer>

namespace {

// A hero of a new game on the move screen in the training center, then a battle against an
// enemy, opened as an encounter or a talk opens it.
Form3* battleAgainst(const std::string& enemy,
                     const GameState& hero = heroAt("TrainingCenter", "Q1", "x5y5")) {
    theGame() = hero;
    Show<Form2>();
    theGame().EnemyName = enemy;
    Form3::open();
    return Loaded<Form3>();
}

QString lines(Form3* battle) {
    QStringList shown;
    for (const char* line : {"info1", "info2", "info3", "info4", "info5", "info6"})
        shown << caption(battle, line);
    return shown.join('|');
}

bool enabled(Form3* battle, const char* button) {
    return control<QPushButton>(battle, button)->isEnabled();
}

} // namespace

class BattleFlowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { unloadEverything(); }

    // The fifth counted step opens the fight of the place over the hidden move screen, which
    // goes on to show where the hero now stands.
    void theFifthStepOpensAFight() {
        theGame() = heroAt("TrainingCenter", "Q3", "x5y3");
        theGame().StepsToFight = 2; // the move screen's load counts one
        click(&Show<Form2>(), "Command6");
        QCOMPARE(visibleForms(), QStringList{"Form3"});
        Form3* battle = Loaded<Form3>();
        QCOMPARE(lines(battle), QStringLiteral("Bat Whats to Fight!|||||"));
        QCOMPARE(caption(Loaded<Form2>(), "Label4"), QStringLiteral("x6y3"));
        QCOMPARE(theGame().StepsToFight, Integer(0));
        QCOMPARE(caption(battle, "yourHP"), QStringLiteral("20"));
        QCOMPARE(caption(battle, "lblLevel"), QStringLiteral("1"));
        QVERIFY(!control<QPushButton>(battle, "Command1")->isVisible());
        for (const char* list : {"Do1", "Do5", "Do10"})
            QVERIFY(!enabled(battle, list));
        QVERIFY(enabled(battle, "cmbAttack"));
    }

    // The battle window's buttons stand where the layout puts them, in their tab order, and
    // its close box does nothing.
    void layoutAndCloseBox() {
        Form3* battle = battleAgainst("Mole");
        QCOMPARE(battle->size(), QSize(416, 328));
        QCOMPARE(control<QPushButton>(battle, "Do10")->geometry(), QRect(328, 296, 81, 25));
        QCOMPARE(control<QPushButton>(battle, "cmbAttack")->nextInFocusChain()->objectName(),
                 QStringLiteral("cmbDefend"));
        QCOMPARE(control<QPushButton>(battle, "Do1")->nextInFocusChain()->objectName(),
                 QStringLiteral("Do6"));
        QCOMPARE(theGame().EnemyHP, Integer(8));
        pressCloseBox(battle);
        QCOMPARE(visibleForms(), QStringList{"Form3"});
    }

    // One attack beats a slime; only END BATTLE is left, and it brings the move screen back
    // with the new figures and a fresh step count.
    void aWonFightEndsOnTheMoveScreen() {
        Form3* battle = battleAgainst("Slime");
        click(battle, "cmbAttack");
        QCOMPARE(lines(battle), QStringLiteral("Slime Whats to Fight!|You attack the Slime for 8 "
                                               "damage|You've Won|You get 2 Ex, and 2 Gold.||"));
        for (const char* button : {"cmbAttack", "cmbDefend", "cmbUseItem", "cmbTechniques", "Do3"})
            QVERIFY(!enabled(battle, button));
        QVERIFY(control<QPushButton>(battle, "Command1")->isVisibleTo(battle));
        click(battle, "Command1");
        QCOMPARE(visibleForms(), QStringList{"Form2"});
        QCOMPARE(Loaded<Form3>(), nullptr);
        QCOMPARE(caption(Loaded<Form2>(), "YourGold"), QStringLiteral("102"));
        QCOMPARE(theGame().StepsToFight, Integer(5));
        QCOMPARE(theGame().YourEX, Integer(2));
    }

    // The enemy answers every action that does not win: its hit is told, the HP label
    // follows, and the list is cleared and disabled.
    void theEnemyAnswersAndTheListIsCleared() {
        Form3* battle = battleAgainst("LeaderOfBandits");
        click(battle, "cmbUseItem");
        QCOMPARE(control<QPushButton>(battle, "Do1")->text(), QStringLiteral("Bread * 2"));
        QVERIFY(enabled(battle, "Do3"));
        QVERIFY(!enabled(battle, "Do2"));
        click(battle, "Do3");
        QCOMPARE(caption(battle, "info2"), QStringLiteral("You eat the FRUIT, TP goes up by 10"));
        QCOMPARE(caption(battle, "info3"), QStringLiteral("LeaderOfBandits attacks you for 5"));
        QCOMPARE(caption(battle, "yourHP"), QStringLiteral("15"));
        QCOMPARE(control<QPushButton>(battle, "Do1")->text(), QString());
        QVERIFY(!enabled(battle, "Do1"));
        click(battle, "cmbDefend");
        QCOMPARE(caption(battle, "info3"), QStringLiteral("LeaderOfBandits attacks you for 1"));
    }

    // A winning technique leaves the HP and TP labels as they were before it, and a level
    // gained shows only in the message lines.
    void labelsStayStaleAfterAWinningAction() {
        GameState hero = heroAt("TrainingCenter", "Q1", "x5y5");
        hero.HasSlash = True;
        hero.YourEX = 18;
        Form3* battle = battleAgainst("Bat", hero);
        click(battle, "cmbTechniques");
        QCOMPARE(control<QPushButton>(battle, "Do1")->text(), QStringLiteral("Slash -5TP"));
        click(battle, "Do1");
        QCOMPARE(caption(battle, "info5"), QStringLiteral("You are now level 2"));
        QCOMPARE(caption(battle, "info6"),
                 QStringLiteral("AT+2 DE+2 SE+2 SP+2 HP+3 TP+3 You can use SLASH"));
        QCOMPARE(caption(battle, "yourTP"), QStringLiteral("20"));
        QCOMPARE(caption(battle, "lblLevel"), QStringLiteral("1"));
        QCOMPARE(theGame().YourTP, Integer(18));
        click(battle, "Command1");
        QCOMPARE(caption(Loaded<Form2>(), "YourLevel"), QStringLiteral("2"));
        QCOMPARE(caption(Loaded<Form2>(), "yourMaxTP"), QStringLiteral("23"));
    }

    // Death: the message first, then the story screen with the defeat; its OK starts a new
    // game with the same name on the move screen that stayed loaded.
    void deathLeadsToANewGameWithTheSameName() {
        ScriptedDialogs dialogs;
        GameState hero = heroAt("BanditsCave", "Q2", "x5y5", 4);
        hero.YourHP = 1;
        hero.YourGold = 900;
        QPointer<Form3> battle = battleAgainst("LeaderOfBandits", hero);
        Form2* move = Loaded<Form2>();
        QString hitShownDuringMessage;
        dialogs.whileMessageOpen = [&](const QString& message) {
            if (message == QStringLiteral("You are dead"))
                hitShownDuringMessage = caption(battle, "info3");
        };
        click(battle, "cmbDefend");
        QCOMPARE(dialogs.messages, QStringList{"You are dead"});
        QCOMPARE(hitShownDuringMessage, QString());
        QCOMPARE(visibleForms(), QStringList{"Form4"});
        QCOMPARE(caption(Loaded<Form4>(), "Label"), QStringLiteral("You are dead, you have lost."));
        click(Loaded<Form4>(), "Command1");
        QCOMPARE(visibleForms(), QStringList{"Form2"});
        QCOMPARE(Loaded<Form2>(), move);
        QCOMPARE(theGame().YourName, std::string("Ann"));
        QCOMPARE(theGame().YourGold, Integer(100));
        QCOMPARE(theGame().StoryStage, Integer(1));
        QCOMPARE(caption(move, "town"), QStringLiteral("BanditsCave"));
        QVERIFY(shows(move, "map0304", "graYou"));
    }

    // Beating the leader leaves only the closing window.
    void beatingTheLeaderEndsTheGame() {
        GameState hero = heroAt("BanditsCave", "Q2", "x5y5", 4);
        hero.NumBomb = 1;
        hero.HasNuke = True;
        hero.YourTP = 50;
        Form3* battle = battleAgainst("LeaderOfBandits", hero);
        click(battle, "cmbTechniques");
        click(battle, "Do10");
        QCOMPARE(visibleForms(), QStringList{"Form10"});
        QCOMPARE(Loaded<Form2>(), nullptr);
        QCOMPARE(Loaded<Form3>(), nullptr);
        QCOMPARE(theGame().YourGold, Integer(100));
    }

    // An enemy that is not in the roster stops the program with a message.
    void anUnknownEnemyEndsTheProgram() {
        ScriptedDialogs dialogs;
        battleAgainst("slime");
        QCOMPARE(dialogs.messages, QStringList{"ERROR! CAN NOT CONTINUE"});
        QCOMPARE(dialogs.quitRequests, 1);
        QVERIFY(FormRegistry::loadedForms().isEmpty());
    }

    // A new game started after quitting with a fight one step away begins without that fight.
    void aNewGameNeverOpensTheOldGamesFight() {
        ScriptedDialogs dialogs;
        theGame() = heroAt("TrainingCenter", "Q1", "x5y5");
        theGame().StepsToFight = 2; // the move screen's load counts one
        click(&Show<Form2>(), "Command2");
        click(Loaded<Form1>(), "Command1");
        click(Loaded<Form5>(), "Command1");
        click(Loaded<Form4>(), "Command1");
        QCOMPARE(visibleForms(), QStringList{"Form2"});
        QCOMPARE(Loaded<Form3>(), nullptr);
        QCOMPARE(theGame().StepsToFight, Integer(5));
        QCOMPARE(dialogs.messages.size(), 1);
    }
};

QTEST_MAIN(BattleFlowTest)
#include "BattleFlowTest.moc"
