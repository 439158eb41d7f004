#include "forms/Form1.h"
#include "forms/Form2.h"
#include "forms/Form4.h"
#include "forms/Form5.h"
#include "state/NewGame.h"
#include "support/FormTest.h"
#include "support/ScriptedDialogs.h"

namespace {

// The status panel of the move screen: level, gold, HP and TP with their maxima.
QString statusPanel() {
    return captions(Loaded<Form2>(),
                    {"YourLevel", "YourGold", "yourHP", "yourMaxHP", "yourTP", "yourMaxTP"});
}

Form5& openNameEntry() {
    click(&Show<Form1>(), "Command1");
    return *Loaded<Form5>();
}

// Continue on the name entry, then OK on the story screen.
void continueIntoTheGame(Form5& entry) {
    click(&entry, "Command1");
    click(Loaded<Form4>(), "Command1");
}

QString keyCaptions(Form5& entry) {
    QString shown;
    for (const char* key : {"Command2", "Command27", "Command28", "Command38", "Command40"})
        shown += control<QPushButton>(&entry, key)->text() + ' ';
    return shown;
}

} // namespace

class NewGameFlowTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        unloadEverything();
        theGame() = GameState();
    }

    // Keys type in the current case, the toggle swaps the captions, and the name is kept as shown.
    void theNameIsTypedInTheCurrentCaseAndKeptAsShown() {
        ScriptedDialogs dialogs;
        Form5& entry = openNameEntry();
        QCOMPARE(Loaded<Form1>(), nullptr);
        QCOMPARE(caption(&entry, "YouName"), QStringLiteral("Hero"));
        QCOMPARE(keyCaptions(entry), QStringLiteral("A Z ! ~ Lower Case "));
        click(&entry, "Command2");
        click(&entry, "Command40");
        QCOMPARE(keyCaptions(entry), QStringLiteral("a z 1 0 Upper Case "));
        for (const char* key : {"Command2", "Command28", "Command31", "Command39", "Command37"})
            click(&entry, key);
        click(&entry, "Command40");
        for (const char* key : {"Command31", "Command36", "Command27", "Command39"})
            click(&entry, key);
        QCOMPARE(keyCaptions(entry), QStringLiteral("A Z ! ~ Lower Case "));
        QCOMPARE(caption(&entry, "YouName"), QStringLiteral("HeroAa13 9#(Z "));
        continueIntoTheGame(entry);
        QCOMPARE(theGame().YourName, std::string("HeroAa13 9#(Z "));
        QCOMPARE(dialogs.messages,
                 QStringList{QString::fromStdString(kingsMessage(theGame().YourName))});
    }

    // After any old game, even one at the closing stage one step before a fight, Continue
    // tells the opening story; OK draws the first screen, then the king speaks, and only then
    // do the figures show. The place readouts keep what the move screen's own load showed.
    void okStartsTheGameInOrder() {
        ScriptedDialogs dialogs;
        GameState& old = theGame();
        old.YourLevel = 3, old.YourGold = 250, old.StoryStage = ClosingStoryStage;
        old.Location = "TrainingCenter", old.Quadrant = "Q1", old.Position = "x5y5";
        old.StepsToFight = 1;
        QString panelDuringMessage;
        dialogs.whileMessageOpen = [&](const QString&) { panelDuringMessage = statusPanel(); };
        Form5& entry = openNameEntry();
        click(&entry, "Command1");
        QCOMPARE(caption(Loaded<Form4>(), "Label"), ' ' + QString::fromStdString(openingStory()));
        click(Loaded<Form4>(), "Command1");

        QCOMPARE(panelDuringMessage, QStringLiteral("3|250|0|0|0|0"));
        QCOMPARE(statusPanel(), QStringLiteral("1|100|20|20|20|20"));
        Form2* move = Loaded<Form2>();
        QCOMPARE(visibleForms(), QStringList{"Form2"});
        QVERIFY(shows(move, "map0304", "graYou"));
        QVERIFY(shows(move, "map0505", "gra001"));
        QVERIFY(shows(move, "graleft", "CanNotGo"));
        QCOMPARE(captions(move, {"town", "Label4"}), QStringLiteral("TrainingCenter|x5y5"));
        QCOMPARE(theGame().Location + theGame().Position, std::string("Farminx3y4"));
        QCOMPARE(theGame().StoryStage, Integer(1));
        QCOMPARE(theGame().StepsToFight, Integer(5));
        QCOMPARE(theGame().CellOpen(3, 4), True);
    }

    // Start Over empties the name, and an empty name is kept: the king ends on "Good Luck, ".
    void anEmptyNameIsKept() {
        ScriptedDialogs dialogs;
        Form5& entry = openNameEntry();
        click(&entry, "Command30");
        continueIntoTheGame(entry);
        QCOMPARE(theGame().YourName, std::string());
        QCOMPARE(dialogs.messages, QStringList{QString::fromStdString(kingsMessage(""))});
    }

    // At the last stage the story screen tells the closing story and OK leads to the title.
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
