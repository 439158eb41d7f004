#include "forms/Form2.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "support/FormTest.h"
#include "support/GameSetup.h"
#include "support/ScriptedDialogs.h"

#include <QPointer>

namespace {

QString lines(Form3* battle) {
    return captions(battle, {"info1", "info2", "info3", "info4", "info5", "info6"});
}

} // namespace

class BattleFlowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { unloadEverything(); }

    // A step into a wall is not counted; the fifth step opens the place's fight over the move
    // screen, which shows the new cell.
    void theFifthStepOpensAFight() {
        GameState hero = heroAt("TrainingCenter", "Q3", "x5y4");
        hero.StepsToFight = 2; // the move screen's load counts one
        Form2& move = moveScreenOf(hero);
        click(&move, "Command4");
        QCOMPARE(visibleForms(), QStringList{"Form2"});
        click(&move, "Command6");
        QCOMPARE(visibleForms(), QStringList{"Form3"});
        Form3* battle = Loaded<Form3>();
        QCOMPARE(lines(battle), QStringLiteral("Bat Whats to Fight!|||||"));
        QCOMPARE(caption(Loaded<Form2>(), "Label4"), QStringLiteral("x6y4"));
        QCOMPARE(captions(battle, {"yourHP", "lblLevel"}), QStringLiteral("20|1"));
        QCOMPARE(enabledMarks(battle, {"cmbAttack", "cmbTechniques", "Do1", "Do10", "Command1"}),
                 QStringLiteral("11000"));
        QVERIFY(!control<QPushButton>(battle, "Command1")->isVisible());
    }

    // After a win only END BATTLE is left; it shows the move screen with the new figures.
    void aWonFightEndsOnTheMoveScreen() {
        Form3* battle = openBattle("Slime");
        click(battle, "cmbAttack");
        QCOMPARE(lines(battle), QStringLiteral("Slime Whats to Fight!|You attack the Slime for 8 "
                                               "damage|You've Won|You get 2 Ex, and 2 Gold.||"));
        QCOMPARE(enabledMarks(battle, {"cmbAttack", "cmbDefend", "cmbUseItem", "cmbTechniques",
                                       "Do3", "Command1"}),
                 QStringLiteral("000001"));
        QVERIFY(control<QPushButton>(battle, "Command1")->isVisibleTo(battle));
        click(battle, "Command1");
        QCOMPARE(visibleForms(), QStringList{"Form2"});
        QCOMPARE(Loaded<Form3>(), nullptr);
        QCOMPARE(caption(Loaded<Form2>(), "YourGold"), QStringLiteral("102"));
        QCOMPARE(theGame().StepsToFight, Integer(5));
        QCOMPARE(theGame().YourEX, Integer(2));
    }

    // The enemy answers an action that does not win; HP follows and the list is cleared.
    void theEnemyAnswersAndTheListIsCleared() {
        Form3* battle = openBattle("LeaderOfBandits");
        click(battle, "cmbUseItem");
        QCOMPARE(control<QPushButton>(battle, "Do1")->text(), QStringLiteral("Bread * 2"));
        QCOMPARE(enabledMarks(battle, {"Do1", "Do2", "Do3"}), QStringLiteral("101"));
        click(battle, "Do3");
        QCOMPARE(captions(battle, {"info2", "info3", "yourHP"}),
                 QStringLiteral("You eat the FRUIT, TP goes up by 10|LeaderOfBandits attacks you "
                                "for 5|15"));
        QCOMPARE(control<QPushButton>(battle, "Do1")->text(), QString());
        QVERIFY(!control<QPushButton>(battle, "Do1")->isEnabled());
        click(battle, "cmbDefend");
        QCOMPARE(caption(battle, "info3"), QStringLiteral("LeaderOfBandits attacks you for 1"));
    }

    // A win leaves the HP, TP and level labels stale; the level shows on the move screen.
    void labelsStayStaleAfterAWinningAction() {
        GameState hero = heroAt("TrainingCenter", "Q1", "x5y5");
        hero.HasSlash = True;
        hero.YourEX = 18;
        Form3* battle = openBattle("Bat", hero);
        click(battle, "cmbTechniques");
        click(battle, "Do1");
        QCOMPARE(captions(battle, {"info5", "info6", "yourTP", "lblLevel"}),
                 QStringLiteral("You are now level 2|AT+2 DE+2 SE+2 SP+2 HP+3 TP+3 You can use "
                                "SLASH|20|1"));
        QCOMPARE(theGame().YourTP, Integer(18));
        click(battle, "Command1");
        QCOMPARE(captions(Loaded<Form2>(), {"YourLevel", "yourMaxTP"}), QStringLiteral("2|23"));
    }

    // Death is told before the defeat story, whose OK starts a new game with the same name.
    void deathLeadsToANewGameWithTheSameName() {
        ScriptedDialogs dialogs;
        GameState hero = heroAt("BanditsCave", "Q2", "x5y5", 4);
        hero.YourHP = 1;
        hero.YourGold = 900;
        QPointer<Form3> battle = openBattle("LeaderOfBandits", hero);
        Form2* move = Loaded<Form2>();
        QString seenDuringMessage = QStringLiteral("no message");
        dialogs.whileMessageOpen = [&](const QString& message) {
            if (message == QStringLiteral("You are dead"))
                seenDuringMessage = visibleForms().join(',') + '|' + caption(battle, "info3");
        };
        click(battle, "cmbDefend");
        QCOMPARE(seenDuringMessage, QStringLiteral("Form3|"));
        QCOMPARE(visibleForms(), QStringList{"Form4"});
        QCOMPARE(caption(Loaded<Form4>(), "Label"), QStringLiteral("You are dead, you have lost."));
        click(Loaded<Form4>(), "Command1");
        QCOMPARE(dialogs.messages.first(), QStringLiteral("You are dead"));
        QCOMPARE(dialogs.messages.size(), 2);
        QCOMPARE(visibleForms(), QStringList{"Form2"});
        QCOMPARE(Loaded<Form2>(), move);
        QCOMPARE(theGame().YourName, std::string("Ann"));
        QCOMPARE(theGame().YourGold, Integer(100));
        QCOMPARE(theGame().StoryStage, Integer(1));
        QVERIFY(shows(move, "map0304", "graYou"));
    }

    // An enemy that is not in the roster stops the program with a message.
    void anUnknownEnemyEndsTheProgram() {
        ScriptedDialogs dialogs;
        openBattle("slime");
        QCOMPARE(dialogs.messages, QStringList{"ERROR! CAN NOT CONTINUE"});
        QCOMPARE(dialogs.quitRequests, 1);
        QVERIFY(FormRegistry::loadedForms().isEmpty());
    }
};

QTEST_MAIN(BattleFlowTest)
#include "BattleFlowTest.moc"
