#include "forms/Form1.h"
#include "forms/Form11.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "forms/Form5.h"
#include "forms/Form6.h"
#include "menus/Catalogue.h"
#include "support/Files.h"
#include "support/GameSetup.h"
#include "support/ScriptedDialogs.h"

#include <QTemporaryDir>

namespace {

// A hero beside the cave's first guard, who fights at every story stage for 8 EX and 8 gold.
GameState besideTheGuard() {
    return heroAt("BanditsCave", "Q1", "x6y5");
}

} // namespace

class LimitsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { unloadEverything(); }

    // Victories add gold and experience up to 32767 and no further: at 32760 gold the first
    // victory makes 32767, and a hero at the last level keeps 32767 experience however many
    // battles he wins.
    void victoriesStopGoldAndExperienceAt32767() {
        ScriptedDialogs dialogs;
        GameState hero = besideTheGuard();
        hero.YourLevel = 5;
        hero.YourAT = 100;
        hero.YourGold = 32760;
        hero.YourEX = 32000;
        Form2* move = &moveScreenOf(hero);
        for (int victory = 1; victory <= 100; ++victory) {
            const Integer before = theGame().YourEX;
            Form3* battle = talkTo<Form3>(theGame());
            click(battle, "cmbAttack");
            QCOMPARE(caption(battle, "info4"), QStringLiteral("You get 8 Ex, and 8 Gold."));
            click(battle, "Command1");
            QCOMPARE(theGame().YourEX, Integer(std::min(before + 8, 32767)));
            QCOMPARE(theGame().YourGold, Integer(32767));
            QCOMPARE(caption(move, "YourGold"), QStringLiteral("32767"));
        }
        QCOMPARE(theGame().YourEX, Integer(32767));
        QCOMPARE(theGame().YourLevel, Integer(5));
        click(move, "Command7");
        QCOMPARE(caption(Loaded<Form6>(), "lblex"), QStringLiteral("32767"));
    }

    // The shop sells each item up to 9999: at 9998 a purchase makes 9999, and from then on,
    // as at 32767 from a saved game, a click only tells the player and takes no gold.
    void shopCountsStopAt9999() {
        ScriptedDialogs dialogs;
        const char* const countLabels[] = {"numbread",     "numlbread", "numfruit",  "numlfruit",
                                           "numchocolate", "nummace",   "numhelmet", "numshoes",
                                           "numboomerang", "numbomb"};
        for (int row = 1; row <= 10; ++row) {
            unloadEverything();
            const Item& item = ::item(row);
            GameState hero = heroAt("Farmin", "Q4", "x7y2");
            hero.YourGold = 32767;
            hero.*item.count = 9998;
            Form11* shop = talkTo<Form11>(hero);
            const QByteArray button = "Command" + QByteArray::number(row);
            dialogs.messages.clear();
            click(shop, button.constData());
            QCOMPARE(dialogs.messages, QStringList());
            QCOMPARE(theGame().*item.count, Integer(9999));
            const Integer gold = Integer(32767 - item.cost);
            for (const Integer count : {Integer(9999), Integer(32767)}) {
                theGame().*item.count = count;
                click(shop, button.constData());
                QCOMPARE(dialogs.messages.size(), 1);
                QVERIFY(dialogs.messages.takeFirst().startsWith("You can not have more then 9999"));
                QCOMPARE(theGame().*item.count, count);
                QCOMPARE(theGame().YourGold, gold);
                QCOMPARE(caption(shop, countLabels[row - 1]), QString::number(count));
            }
        }
    }

    // Food on the menu page never wraps HP or TP round, and a count of 32767 goes down by one.
    void foodOnTheMenuStopsAtTheLimits() {
        ScriptedDialogs dialogs;
        // clang-format off
        const struct { int food; Integer HP, maxHP, TP, maxTP, HPAfter, TPAfter; } meals[] = {
            {2, 32760, 32767, 0, 0, 32767, 0},     // large bread at 32760 HP
            {1, 32767, 32767, 0, 0, 32767, 0},     // bread at 32767 HP
            {1, -32768, 20, 0, 0, -32758, 0},      // bread at -32768 HP, from a saved game
            {4, 0, 0, 32760, 32767, 0, 32767},     // large fruit at 32760 TP
            {5, 1, 32767, 1, 32767, 32767, 32767}, // chocolate at maxima of 32767
        };
        // clang-format on
        for (const auto& meal : meals) {
            unloadEverything();
            GameState hero = heroAt("Farmin", "Q1", "x3y4");
            std::tie(hero.YourHP, hero.YourMaxHP, hero.YourTP, hero.YourMaxTP) =
                std::tuple(meal.HP, meal.maxHP, meal.TP, meal.maxTP);
            hero.NumBread = hero.NumLBread = hero.NumFruit = hero.NumLFruit = hero.NumChocolate =
                32767;
            click(&moveScreenOf(hero), "Command7");
            click(Loaded<Form6>(), ("Command" + QByteArray::number(meal.food)).constData());
            const GameState& game = theGame();
            QCOMPARE(captions(Loaded<Form6>(), {"yourHP", "yourTP"}),
                     QStringLiteral("%1|%2").arg(meal.HPAfter).arg(meal.TPAfter));
            QCOMPARE(std::tuple(game.YourHP, game.YourTP), std::tuple(meal.HPAfter, meal.TPAfter));
            QCOMPARE(game.NumBread + game.NumLBread + game.NumFruit + game.NumLFruit +
                         game.NumChocolate,
                     5 * 32767 - 1);
        }
    }

    // In battle a count of 32767 is used like any other, and gains at the top of the range
    // stop there: bread at 32760 of 32767 HP, a mace on an attack of 32767.
    void itemsInBattleStopAtTheLimits() {
        ScriptedDialogs dialogs;
        GameState hero = besideTheGuard();
        std::tie(hero.YourHP, hero.YourMaxHP, hero.YourAT) = std::tuple(32760, 32767, 32767);
        hero.NumBread = hero.NumMace = 32767;
        Form3* battle = talkTo<Form3>(hero);
        click(battle, "cmbUseItem");
        QCOMPARE(control<QPushButton>(battle, "Do1")->text(), QStringLiteral("Bread * 32767"));
        click(battle, "Do1");
        QCOMPARE(theGame().NumBread, Integer(32766));
        QCOMPARE(caption(battle, "yourHP"), QStringLiteral("32766")); // 32767, then a hit of 1
        click(battle, "cmbUseItem");
        click(battle, "Do6");
        QCOMPARE(theGame().NumMace, Integer(32766));
        QCOMPARE(theGame().BattleAT, Integer(32767));
        click(battle, "cmbAttack");
        QCOMPARE(captions(battle, {"info2", "info3"}),
                 QStringLiteral("You attack the Bandit for 32759 damage|You've Won"));
    }

    // A name of 10,000 letters typed on the name entry is shown whole on the status page,
    // saved, and loaded back with the whole game.
    void aVeryLongNameIsShownSavedAndLoaded() {
        QTemporaryDir folder;
        ScriptedDialogs dialogs;
        theGame() = GameState(); // as the program starts, with no battle fields of earlier tests
        click(&Show<Form1>(), "Command1");
        Form5* entry = Loaded<Form5>();
        click(entry, "Command30");
        for (int letter = 0; letter < 10000; ++letter)
            click(entry, letter % 2 ? "Command2" : "Command3");
        click(entry, "Command1");
        click(Loaded<Form4>(), "Command1");
        const QString name = QStringLiteral("BA").repeated(5000);
        QVERIFY(dialogs.messages.value(0).endsWith(name));
        click(Loaded<Form2>(), "Command7");
        QCOMPARE(caption(Loaded<Form6>(), "lblName"), name);
        click(Loaded<Form6>(), "Command13");
        const QString path = folder.filePath(QStringLiteral("long.QSV"));
        saveAs(dialogs, path);
        const GameState saved = theGame();
        click(Loaded<Form2>(), "Command2");
        theGame() = GameState();
        loadFrom(dialogs, path);
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(theGame() == saved);
        QCOMPARE(theGame().YourName, name.toStdString());
    }
};

QTEST_MAIN(LimitsTest)
#include "LimitsTest.moc"
