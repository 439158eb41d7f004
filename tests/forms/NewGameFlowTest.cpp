#include "forms/Form1.h"
#include "forms/Form2.h"
#include "forms/Form4.h"
#include "forms/Form5.h"
#include "state/NewGame.h"
#include "support/FormTest.h"
#include "support/ScriptedDialogs.h"
#include "toolkit/Twips.h"

#include <QLabel>

namespace {

// The status panel of the move screen, as "level gold hp/maxhp tp/maxtp".
QString statusPanel() {
    Form2* move = Loaded<Form2>();
    return QStringLiteral("%1 %2 %3/%4 %5/%6")
        .arg(caption(move, "YourLevel"), caption(move, "YourGold"), caption(move, "yourHP"),
             caption(move, "yourMaxHP"), caption(move, "yourTP"), caption(move, "yourMaxTP"));
}

// Walks from the title through the name entry, pressing the given keys first.
Form5& openNameEntry() {
    click(&Show<Form1>(), "Command1");
    return *Loaded<Form5>();
}

// Continue on the name entry, then OK on the story screen.
void continueIntoTheGame(Form5& entry) {
    click(&entry, "Command1");
    click(Loaded<Form4>(), "Command1");
}

} // namespace

class NewGameFlowTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        unloadEverything();
        theGame() = GameState();
    }

    // New Game replaces the title with a fresh name entry: "Hero", upper-case keys.
    void nameEntryOpensFreshWithHero() {
        Form5& entry = openNameEntry();
        QCOMPARE(Loaded<Form1>(), nullptr);
        QCOMPARE(caption(&entry, "YouName"), QStringLiteral("Hero"));
        QCOMPARE(control<QPushButton>(&entry, "Command2")->text(), QStringLiteral("A"));
        QCOMPARE(control<QPushButton>(&entry, "Command38")->text(), QStringLiteral("~"));
        QCOMPARE(control<QPushButton>(&entry, "Command40")->text(), QStringLiteral("Lower Case"));
        QCOMPARE(control<QPushButton>(&entry, "Command38")->geometry().topLeft(),
                 QPoint(twipsToPixels(120 + 600 * 11), twipsToPixels(2520)));
    }

    // Keys append their character in the current case; the toggle swaps every caption and
    // its own, and leaves what was typed alone.
    void keysTypeInTheCurrentCase() {
        Form5& entry = openNameEntry();
        click(&entry, "Command2");
        click(&entry, "Command40");
        QCOMPARE(control<QPushButton>(&entry, "Command27")->text(), QStringLiteral("z"));
        QCOMPARE(control<QPushButton>(&entry, "Command28")->text(), QStringLiteral("1"));
        QCOMPARE(control<QPushButton>(&entry, "Command38")->text(), QStringLiteral("0"));
        QCOMPARE(control<QPushButton>(&entry, "Command40")->text(), QStringLiteral("Upper Case"));
        for (const char* key : {"Command2", "Command28", "Command31", "Command39", "Command37"})
            click(&entry, key);
        click(&entry, "Command40");
        for (const char* key : {"Command31", "Command36", "Command27"})
            click(&entry, key);
        QCOMPARE(caption(&entry, "YouName"), QStringLiteral("HeroAa13 9#(Z"));
        QCOMPARE(control<QPushButton>(&entry, "Command28")->text(), QStringLiteral("!"));
        QCOMPARE(control<QPushButton>(&entry, "Command40")->text(), QStringLiteral("Lower Case"));
    }

    // Continue stores the name exactly as shown, even an empty one, and the king greets it.
    void theNameIsKeptExactlyAsTyped() {
        ScriptedDialogs dialogs;
        Form5& entry = openNameEntry();
        click(&entry, "Command30");
        continueIntoTheGame(entry);
        QCOMPARE(theGame().YourName, std::string());
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].endsWith(QStringLiteral("Here is [100] gold. Good Luck, ")));

        unloadEverything();
        Form5& again = openNameEntry();
        click(&again, "Command39");
        click(&again, "Command39");
        continueIntoTheGame(again);
        QCOMPARE(theGame().YourName, std::string("Hero  "));
        QCOMPARE(dialogs.messages[1], QString::fromStdString(kingsMessage("Hero  ")));
    }

    // The story screen starts with a single blank before the opening story.
    void storyScreenTellsTheOpeningStory() {
        Form5& entry = openNameEntry();
        click(&entry, "Command1");
        QCOMPARE(Loaded<Form5>(), nullptr);
        QCOMPARE(caption(Loaded<Form4>(), "Label"), QString::fromStdString(" " + openingStory()));
    }

    // OK opens the move screen with the first screen and the hero, then the king's message;
    // only after it closes do the starting figures reach the panel. The place readouts keep
    // what the move screen's own load showed.
    void okStartsTheGameInOrder() {
        ScriptedDialogs dialogs;
        theGame().YourLevel = 3;
        theGame().YourGold = 250;
        QString panelDuringMessage;
        dialogs.whileMessageOpen = [&](const QString&) { panelDuringMessage = statusPanel(); };
        continueIntoTheGame(openNameEntry());

        QCOMPARE(panelDuringMessage, QStringLiteral("3 250 0/0 0/0"));
        QCOMPARE(statusPanel(), QStringLiteral("1 100 20/20 20/20"));
        Form2* move = Loaded<Form2>();
        QCOMPARE(visibleForms(), QStringList{"Form2"});
        QVERIFY(shows(move, "map0304", "graYou"));
        QVERIFY(shows(move, "map0305", "graC4"));
        QVERIFY(shows(move, "graright", "CanGo"));
        QVERIFY(shows(move, "graleft", "CanNotGo"));
        QCOMPARE(caption(move, "town"), QString());
        QCOMPARE(caption(move, "Label4"), QString());
        const GameState& game = theGame();
        QCOMPARE(game.YourName, std::string("Hero"));
        QCOMPARE(game.Location, std::string("Farmin"));
        QCOMPARE(game.Position, std::string("x3y4"));
        QCOMPARE(game.StoryStage, Integer(1));
        QCOMPARE(game.CellOpen(3, 4), True);
    }

    // The name entry's close box goes back to the title; the story's acts as OK.
    void closeBoxesOfNameEntryAndStory() {
        ScriptedDialogs dialogs;
        pressCloseBox(&openNameEntry());
        QCOMPARE(visibleForms(), QStringList{"Form1"});
        Form5& entry = openNameEntry();
        click(&entry, "Command1");
        pressCloseBox(Loaded<Form4>());
        QCOMPARE(visibleForms(), QStringList{"Form2"});
        QCOMPARE(dialogs.messages.size(), 1);
    }

    // At the story's last stage the story screen tells only the closing story and OK leads to
    // the title, starting nothing.
    void closingStageTellsTheClosingStory() {
        ScriptedDialogs dialogs;
        theGame().StoryStage = ClosingStoryStage;
        Form4& story = Show<Form4>();
        QCOMPARE(caption(&story, "Label"), QString::fromStdString(closingStory()));
        click(&story, "Command1");
        QCOMPARE(visibleForms(), QStringList{"Form1"});
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(theGame().StoryStage, ClosingStoryStage);
    }
};

QTEST_MAIN(NewGameFlowTest)
#include "NewGameFlowTest.moc"
