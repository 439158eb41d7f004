#include "forms/Form11.h"
#include "forms/Form2.h"
#include "forms/Form6.h"
#include "forms/Form7.h"
#include "support/FormTest.h"
#include "support/GameSetup.h"
#include "support/ScriptedDialogs.h"

#include <QPointer>

namespace {

// The move screen of a new hero in the town, then the first menu page over it.
Form6* openMenu(const GameState& hero = heroAt("Farmin", "Q1", "x3y4")) {
    click(&moveScreenOf(hero), "Command7");
    return Loaded<Form6>();
}

// HP and TP with their maxima as a form shows them.
QString health(QWidget* form) {
    return captions(form, {"yourHP", "yourMaxHP", "yourTP", "yourMaxTP"});
}

// A hero at the shop counter, welcomed, with the shop open.
Form11* openShop(ScriptedDialogs& dialogs, Integer gold) {
    GameState hero = heroAt("Farmin", "Q4", "x7y2");
    hero.YourGold = gold;
    click(&moveScreenOf(hero), "Command8");
    dialogs.messages.clear();
    return Loaded<Form11>();
}

} // namespace

class MenuShopTest : public QObject {
    Q_OBJECT
private slots:
    void init() { unloadEverything(); }

    // The status page shows the hero's figures over the hidden move screen; bread raises HP to
    // 20 of 20 there too, and with none left the page says so.
    void theMenuShowsTheFiguresAndEatingShowsOnTheMoveScreen() {
        ScriptedDialogs dialogs;
        GameState hero = heroAt("Farmin", "Q1", "x3y4");
        hero.YourEX = 7, hero.YourSE = 9, hero.NumLBread = 3, hero.NumBomb = 4;
        hero.YourHP = 15, hero.NumBread = 1;
        Form6* page = openMenu(hero);
        QCOMPARE(visibleForms(), QStringList{"Form6"});
        QCOMPARE(captions(page, {"lblName", "lblLevel", "lblGold", "lblAT", "lblSE", "neededex",
                                 "lblex", "lblLBread", "lblFruit", "lblBomb"}),
                 QStringLiteral("Ann|1|100|10/10|9/8|20|7|3|1|4"));
        QCOMPARE(health(page), QStringLiteral("15|20|20|20"));
        click(page, "Command1");
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(theGame().YourHP, Integer(20));
        QCOMPARE(caption(page, "lblBread"), QStringLiteral("0"));
        QCOMPARE(health(page), QStringLiteral("20|20|20|20"));
        QCOMPARE(health(Loaded<Form2>()), QStringLiteral("20|20|20|20"));
        const GameState before = theGame();
        click(page, "Command1");
        QCOMPARE(dialogs.messages, QStringList{"You do not have any bread"});
        QCOMPARE(theGame(), before);
    }

    // Page 2 marks the learned techniques; Page 1 comes back afresh with what was eaten.
    void thePagesReplaceEachOtherWithCurrentValues() {
        GameState hero = heroAt("Farmin", "Q1", "x3y4");
        hero.YourHP = 15, hero.HasStrike = True;
        QPointer<Form6> first = openMenu(hero);
        click(first, "Command1");
        click(first, "Command12");
        QVERIFY(first.isNull());
        QCOMPARE(visibleForms(), QStringList{"Form7"});
        QCOMPARE(captions(Loaded<Form7>(), {"lblSlash", "lblStrike", "lblNuke"}),
                 QStringLiteral("NO|YES|NO"));
        click(Loaded<Form7>(), "Command1");
        QCOMPARE(visibleForms(), QStringList{"Form6"});
        QCOMPARE(Loaded<Form7>(), nullptr);
        QCOMPARE(captions(Loaded<Form6>(), {"yourHP", "lblBread"}), QStringLiteral("20|1"));
    }

    // Quit on either page shows the same move screen with the current HP and TP.
    void leavingTheMenuShowsTheCurrentHealth() {
        for (const bool onPage2 : {false, true}) {
            unloadEverything();
            Form6* page = openMenu();
            Form2* move = Loaded<Form2>();
            theGame().YourHP = 12;
            theGame().YourTP = 9;
            if (onPage2)
                click(page, "Command12");
            click(onPage2 ? static_cast<QWidget*>(Loaded<Form7>()) : page,
                  onPage2 ? "Command3" : "Command13");
            QCOMPARE(visibleForms(), QStringList{"Form2"});
            QCOMPARE(Loaded<Form2>(), move);
            QCOMPARE(health(move), QStringLiteral("12|20|9|20"));
            QVERIFY(!Loaded<Form6>() && !Loaded<Form7>());
        }
    }

    // 100 gold buys ten breads, then both refusals are told; Done shows the gold on the move
    // screen.
    void buyingBreadUntilTheGoldRunsOut() {
        ScriptedDialogs dialogs;
        Form11* shop = openShop(dialogs, 100);
        for (int bought = 0; bought < 10; ++bought)
            click(shop, "Command1");
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(captions(shop, {"numbread", "numgold"}), QStringLiteral("12|0"));
        click(shop, "Command1");
        QCOMPARE(dialogs.messages, QStringList{"YOU DO NOT HAVE THAT MUCH GOLD!"});
        theGame().NumBread = 9999;
        click(shop, "Command1");
        QCOMPARE(dialogs.messages.mid(1), (QStringList{"YOU DO NOT HAVE THAT MUCH GOLD!",
                                                       "You can not have more then 9999 bread."}));
        QCOMPARE(caption(Loaded<Form2>(), "YourGold"), QStringLiteral("100"));
        click(shop, "Command11");
        QCOMPARE(visibleForms(), QStringList{"Form2"});
        QCOMPARE(Loaded<Form11>(), nullptr);
        QCOMPARE(caption(Loaded<Form2>(), "YourGold"), QStringLiteral("0"));
    }
};

QTEST_MAIN(MenuShopTest)
#include "MenuShopTest.moc"
