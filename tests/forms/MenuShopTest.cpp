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
    theGame() = hero;
    click(&Show<Form2>(), "Command7");
    return Loaded<Form6>();
}

// HP and TP with their maxima as a form shows them, as "hp/max tp/max".
QString health(QWidget* form) {
    return QStringLiteral("%1/%2 %3/%4")
        .arg(caption(form, "yourHP"), caption(form, "yourMaxHP"), caption(form, "yourTP"),
             caption(form, "yourMaxTP"));
}

// A hero at the shop counter, welcomed, with the shop open.
Form11* openShop(ScriptedDialogs& dialogs, Integer gold, Integer bread) {
    theGame() = heroAt("Farmin", "Q4", "x7y2");
    theGame().YourGold = gold;
    theGame().NumBread = bread;
    click(&Show<Form2>(), "Command8");
    dialogs.messages.clear();
    return Loaded<Form11>();
}

// The techniques page's learned marks, in its row order: SLASH first.
const char* const learnedMarks[] = {
    "lblSlash",     "lblStrike",    "lblBandage",       "lblDSlash",   "lblDStrike",
    "lblHeatSword", "lblColdSword", "lblElectricSword", "lblLBandage", "lblNuke"};

} // namespace

class MenuShopTest : public QObject {
    Q_OBJECT
private slots:
    void init() { unloadEverything(); }

    // Menu shows the status page over the hidden move screen, filled with the hero's figures
    // and items.
    void theMenuShowsTheHerosFigures() {
        GameState hero = heroAt("Farmin", "Q1", "x3y4");
        hero.YourEX = 7;
        hero.YourSE = 9;
        hero.NumLBread = 3;
        Form6* page = openMenu(hero);
        QCOMPARE(visibleForms(), QStringList{"Form6"});
        QVERIFY(Loaded<Form2>());
        QCOMPARE(caption(page, "lblName"), QStringLiteral("Ann"));
        QCOMPARE(caption(page, "lblLevel"), QStringLiteral("1"));
        QCOMPARE(caption(page, "lblGold"), QStringLiteral("100"));
        QCOMPARE(health(page), QStringLiteral("20/20 20/20"));
        QCOMPARE(caption(page, "lblAT"), QStringLiteral("10/10"));
        QCOMPARE(caption(page, "lblDE"), QStringLiteral("7/7"));
        QCOMPARE(caption(page, "lblSE"), QStringLiteral("9/8"));
        QCOMPARE(caption(page, "lblSP"), QStringLiteral("6/6"));
        QCOMPARE(caption(page, "neededex"), QStringLiteral("20"));
        QCOMPARE(caption(page, "lblex"), QStringLiteral("7"));
        QCOMPARE(caption(page, "lblBread"), QStringLiteral("2"));
        QCOMPARE(caption(page, "lblLBread"), QStringLiteral("3"));
        QCOMPARE(caption(page, "lblFruit"), QStringLiteral("1"));
        QCOMPARE(caption(page, "lblBomb"), QStringLiteral("0"));
    }

    // Bread at 15 of 20 HP gives 20 of 20 and uses one; the hidden move screen's panel follows
    // at once, and Quit shows it.
    void breadRestoresHPUpToTheMaximum() {
        ScriptedDialogs dialogs;
        GameState hero = heroAt("Farmin", "Q1", "x3y4");
        hero.YourHP = 15;
        Form6* page = openMenu(hero);
        QCOMPARE(caption(page, "yourHP"), QStringLiteral("15"));
        click(page, "Command1");
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(theGame().YourHP, Integer(20));
        QCOMPARE(theGame().NumBread, Integer(1));
        QCOMPARE(caption(page, "lblBread"), QStringLiteral("1"));
        QCOMPARE(health(page), QStringLiteral("20/20 20/20"));
        QCOMPARE(health(Loaded<Form2>()), QStringLiteral("20/20 20/20"));
        click(page, "Command13");
        QCOMPARE(visibleForms(), QStringList{"Form2"});
        QCOMPARE(health(Loaded<Form2>()), QStringLiteral("20/20 20/20"));
    }

    // With no bread the page says so and nothing changes.
    void noBreadIsToldAndChangesNothing() {
        ScriptedDialogs dialogs;
        GameState hero = heroAt("Farmin", "Q1", "x3y4");
        hero.YourHP = 15;
        hero.NumBread = 0;
        Form6* page = openMenu(hero);
        const GameState before = theGame();
        click(page, "Command1");
        QCOMPARE(dialogs.messages, QStringList{"You do not have any bread"});
        QCOMPARE(theGame(), before);
        QCOMPARE(caption(page, "lblBread"), QStringLiteral("0"));
        QCOMPARE(health(page), QStringLiteral("15/20 20/20"));
    }

    // Page 2 replaces the status page: a new hero has learned nothing, a hero with SLASH sees
    // YES in its row only.
    void page2MarksTheLearnedTechniques() {
        for (const Flag slash : {False, True}) {
            unloadEverything();
            GameState hero = heroAt("Farmin", "Q1", "x3y4");
            hero.HasSlash = slash;
            click(openMenu(hero), "Command12");
            QCOMPARE(visibleForms(), QStringList{"Form7"});
            QCOMPARE(Loaded<Form6>(), nullptr);
            QStringList marks;
            for (const char* mark : learnedMarks)
                marks << caption(Loaded<Form7>(), mark);
            QCOMPARE(marks.count(QStringLiteral("NO")), slash == True ? 9 : 10);
            QCOMPARE(marks.first(), slash == True ? QStringLiteral("YES") : QStringLiteral("NO"));
        }
    }

    // Page 1 brings back a fresh status page showing what was eaten before.
    void page1ComesBackWithCurrentValues() {
        GameState hero = heroAt("Farmin", "Q1", "x3y4");
        hero.YourHP = 15;
        QPointer<Form6> first = openMenu(hero);
        click(first, "Command1");
        click(first, "Command12");
        QVERIFY(first.isNull());
        click(Loaded<Form7>(), "Command1");
        QCOMPARE(visibleForms(), QStringList{"Form6"});
        QCOMPARE(Loaded<Form7>(), nullptr);
        QCOMPARE(caption(Loaded<Form6>(), "yourHP"), QStringLiteral("20"));
        QCOMPARE(caption(Loaded<Form6>(), "lblBread"), QStringLiteral("1"));
    }

    // Quit or the close box, on either page, shows the same move screen with the current HP
    // and TP, even where its panel was behind.
    void leavingTheMenuShowsTheCurrentHealth() {
        const std::pair<bool, bool> waysOut[] = {
            {false, false}, {false, true}, {true, false}, {true, true}};
        for (const auto& [onPage2, byCloseBox] : waysOut) {
            unloadEverything();
            Form6* page = openMenu();
            Form2* move = Loaded<Form2>();
            theGame().YourHP = 12;
            theGame().YourTP = 9;
            GameForm* last = page;
            if (onPage2) {
                click(page, "Command12");
                last = Loaded<Form7>();
            }
            if (byCloseBox)
                pressCloseBox(last);
            else
                click(last, onPage2 ? "Command3" : "Command13");
            QCOMPARE(visibleForms(), QStringList{"Form2"});
            QCOMPARE(Loaded<Form2>(), move);
            QCOMPARE(health(move), QStringLiteral("12/20 9/20"));
            QVERIFY(!Loaded<Form6>() && !Loaded<Form7>());
        }
    }

    // 100 gold buys ten breads and no more; Done shows the gold left on the move screen.
    void buyingBreadUntilTheGoldRunsOut() {
        ScriptedDialogs dialogs;
        Form11* shop = openShop(dialogs, 100, 2);
        for (int bought = 0; bought < 10; ++bought)
            click(shop, "Command1");
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(caption(shop, "numbread"), QStringLiteral("12"));
        QCOMPARE(caption(shop, "numgold"), QStringLiteral("0"));
        click(shop, "Command1");
        QCOMPARE(dialogs.messages, QStringList{"YOU DO NOT HAVE THAT MUCH GOLD!"});
        QCOMPARE(theGame().NumBread, Integer(12));
        QCOMPARE(theGame().YourGold, Integer(0));
        QCOMPARE(caption(Loaded<Form2>(), "YourGold"), QStringLiteral("100"));
        click(shop, "Command11");
        QCOMPARE(visibleForms(), QStringList{"Form2"});
        QCOMPARE(Loaded<Form11>(), nullptr);
        QCOMPARE(caption(Loaded<Form2>(), "YourGold"), QStringLiteral("0"));
    }

    // A full count with too little gold gives both messages, the gold one first, and buys
    // nothing.
    void aFullCountWithLittleGoldGivesBothMessages() {
        ScriptedDialogs dialogs;
        Form11* shop = openShop(dialogs, 5, 9999);
        const GameState before = theGame();
        click(shop, "Command1");
        QCOMPARE(dialogs.messages, (QStringList{"YOU DO NOT HAVE THAT MUCH GOLD!",
                                                "You can not have more then 9999 bread."}));
        QCOMPARE(theGame(), before);
        QCOMPARE(caption(shop, "numbread"), QStringLiteral("9999"));
        QCOMPARE(caption(shop, "numgold"), QStringLiteral("5"));
    }

    // The shop's close box acts as Done.
    void theShopsCloseBoxActsAsDone() {
        ScriptedDialogs dialogs;
        Form11* shop = openShop(dialogs, 100, 2);
        click(shop, "Command1");
        pressCloseBox(shop);
        QCOMPARE(visibleForms(), QStringList{"Form2"});
        QCOMPARE(Loaded<Form11>(), nullptr);
        QCOMPARE(caption(Loaded<Form2>(), "YourGold"), QStringLiteral("90"));
    }

    // The shop can be resized, and nothing in it moves.
    void resizingTheShopMovesNothing() {
        ScriptedDialogs dialogs;
        Form11* shop = openShop(dialogs, 100, 2);
        const QList<QWidget*> controls = shop->findChildren<QWidget*>();
        QList<QRect> placed;
        for (const QWidget* widget : controls)
            placed << widget->geometry();
        const QSize larger = shop->size() + QSize(200, 120);
        shop->resize(larger);
        QCOMPARE(shop->size(), larger);
        for (qsizetype index = 0; index < controls.size(); ++index)
            QCOMPARE(controls[index]->geometry(), placed[index]);
    }
};

QTEST_MAIN(MenuShopTest)
#include "MenuShopTest.moc"
