#include "forms/Form1.h"
#include "forms/Form2.h"
#include "forms/Form8.h"
#include "support/FormTest.h"
#include "support/GameSetup.h"
#include "toolkit/Widgets.h"

namespace {

// Loads the move screen on a game standing at a cell, as loading a saved game does.
Form2& moveScreenAt(const std::string& location, const std::string& quadrant,
                    const std::string& position) {
    theGame() = heroAt(location, quadrant, position);
    return Show<Form2>();
}

QString readouts(Form2& move) {
    return caption(&move, "town") + ' ' + caption(&move, "Label7") + ' ' + caption(&move, "Label4");
}

} // namespace

class MoveScreenTest : public QObject {
    Q_OBJECT
private slots:
    void init() { unloadEverything(); }

    // The grid's cells are 495 twips square and 480 apart; the bars frame it; the arrows carry
    // pictures.
    void layoutOfTheMoveScreen() {
        Form2& move = moveScreenAt("Farmin", "Q1", "x3y4");
        QVERIFY(move.windowTitle().startsWith(QStringLiteral("Quillmar v1.0.0")));
        QCOMPARE(move.size(), QSize(492, 473));
        QCOMPARE(control<PictureBox>(&move, "map0101")->geometry(), QRect(80, 40, 33, 33));
        QCOMPARE(control<PictureBox>(&move, "map0304")->geometry(), QRect(176, 104, 33, 33));
        QCOMPARE(control<PictureBox>(&move, "map1010")->geometry(), QRect(368, 328, 33, 33));
        QCOMPARE(control<PictureBox>(&move, "graright")->geometry(), QRect(400, 40, 33, 321));
        for (const char* arrow : {"Command3", "Command4", "Command5", "Command6"})
            QVERIFY(!control<QPushButton>(&move, arrow)->icon().isNull());
    }

    // Loading fills the panel from the game, draws its screen and places the hero.
    void loadingShowsTheGameItFinds() {
        theGame() = heroAt("TrainingCenter", "Q2", "x5y3");
        theGame().YourLevel = 2;
        theGame().YourGold = -7;
        theGame().YourHP = 9;
        Form2& move = Show<Form2>();
        QCOMPARE(caption(&move, "YourLevel"), QStringLiteral("2"));
        QCOMPARE(caption(&move, "YourGold"), QStringLiteral("-7"));
        QCOMPARE(caption(&move, "yourHP"), QStringLiteral("9"));
        QCOMPARE(caption(&move, "yourMaxTP"), QStringLiteral("20"));
        QCOMPARE(readouts(move), QStringLiteral("TrainingCenter Q2 x5y3"));
        QVERIFY(shows(&move, "map0503", "graYou"));
        QVERIFY(shows(&move, "map0407", "graC2"));
        QVERIFY(shows(&move, "map0101", "gra013"));
        QVERIFY(shows(&move, "graleft", "CanGo"));
        QVERIFY(shows(&move, "graup", "CanNotGo"));
    }

    // A step redraws the screen, which erases the hero from the cell he left, then places him.
    void aStepMovesTheHeroPicture() {
        Form2& move = moveScreenAt("Farmin", "Q1", "x3y4");
        click(&move, "Command3");
        QCOMPARE(theGame().Position, std::string("x2y4"));
        QVERIFY(shows(&move, "map0204", "graYou"));
        QVERIFY(shows(&move, "map0304", "gra001"));
        QCOMPARE(readouts(move), QStringLiteral("Farmin Q1 x2y4"));
    }

    // A step into a wall changes nothing at all.
    void aBlockedStepDoesNothing() {
        Form2& move = moveScreenAt("Farmin", "Q1", "x3y2");
        const GameState before = theGame();
        click(&move, "Command5");
        QCOMPARE(theGame(), before);
        QVERIFY(shows(&move, "map0302", "graYou"));
        QCOMPARE(readouts(move), QStringLiteral("Farmin Q1 x3y2"));
    }

    // Crossing an open edge lands on the next screen of the place, with its own edge bars.
    void crossingDrawsTheNextScreen() {
        Form2& move = moveScreenAt("Farmin", "Q1", "x10y7");
        click(&move, "Command6");
        QCOMPARE(readouts(move), QStringLiteral("Farmin Q3 x1y7"));
        QVERIFY(shows(&move, "map0107", "graYou"));
        QVERIFY(shows(&move, "map0708", "graC2"));
        QVERIFY(shows(&move, "graup", "CanGo"));
        QVERIFY(shows(&move, "graright", "CanGo"));
        QVERIFY(shows(&move, "gradown", "CanNotGo"));
        click(&move, "Command3");
        QCOMPARE(readouts(move), QStringLiteral("Farmin Q1 x10y7"));
    }

    // Off the outer edge of a place the travel window opens and the move screen hides, the
    // hero staying where he was.
    void theOuterEdgeOpensTheTravelWindow() {
        Form2& move = moveScreenAt("Farmin", "Q1", "x8y1");
        click(&move, "Command5");
        QCOMPARE(visibleForms(), QStringList{"Form8"});
        QCOMPARE(Loaded<Form2>(), &move);
        QCOMPARE(theGame().Position, std::string("x8y1"));
    }

    // Quit leads to a fresh title and keeps the game's values; so does the close box.
    void quitGoesBackToTheTitleKeepingTheGame() {
        Form2& move = moveScreenAt("BanditsCave", "Q3", "x5y7");
        const GameState before = theGame();
        click(&move, "Command2");
        QCOMPARE(visibleForms(), QStringList{"Form1"});
        QCOMPARE(Loaded<Form2>(), nullptr);
        QCOMPARE(theGame(), before);
        unloadEverything();
        pressCloseBox(&moveScreenAt("Farmin", "Q1", "x3y4"));
        QCOMPARE(visibleForms(), QStringList{"Form1"});
    }

    // A place that names no screen draws nothing (the hero's picture still goes on his
    // cell); the readouts show the fields as they are, and no step can be taken.
    void aPlaceThatNamesNoScreenDrawsNothing() {
        Form2& move = moveScreenAt("farmin", "Q1", "x3y4");
        QVERIFY(control<PictureBox>(&move, "map0101")->picture().isNull());
        QVERIFY(shows(&move, "map0304", "graYou"));
        QCOMPARE(readouts(move), QStringLiteral("farmin Q1 x3y4"));
        const GameState before = theGame();
        click(&move, "Command3");
        QCOMPARE(theGame(), before);
    }

    // A position that names no cell leaves the hero undrawn and every step does nothing.
    void aPositionThatNamesNoCellPlacesNoHero() {
        Form2& move = moveScreenAt("Farmin", "Q1", "x03y4");
        QVERIFY(shows(&move, "map0304", "gra001"));
        QCOMPARE(caption(&move, "Label4"), QStringLiteral("x03y4"));
        const GameState before = theGame();
        for (const char* arrow : {"Command3", "Command4", "Command5", "Command6"})
            click(&move, arrow);
        QCOMPARE(theGame(), before);
    }
};

QTEST_MAIN(MoveScreenTest)
#include "MoveScreenTest.moc"
