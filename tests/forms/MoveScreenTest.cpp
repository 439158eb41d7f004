#include "forms/Form2.h"
#include "forms/Form8.h"
#include "support/FormTest.h"
#include "support/GameSetup.h"
#include "toolkit/Widgets.h"

namespace {

// The place, quadrant and cell readouts.
QString readouts(Form2* move) {
    return captions(move, {"town", "Label7", "Label4"});
}

// Walks off the bottom edge of the training center's last screen into the travel window.
Form8* leaveTheTrainingCenter(Integer storyStage) {
    GameState hero = heroAt("TrainingCenter", "Q4", "x10y1", storyStage);
    hero.StepsToFight = 3;
    click(&moveScreenOf(hero), "Command6");
    return Loaded<Form8>();
}

} // namespace

// The move screen and the travel window it opens at the outer edges of a place.
class MoveScreenTest : public QObject {
    Q_OBJECT
private slots:
    void init() { unloadEverything(); }

    // Loading shows the game's figures, draws its screen and bars on the grid and places the hero.
    void loadingShowsTheGameItFinds() {
        GameState hero = heroAt("TrainingCenter", "Q2", "x5y3");
        hero.YourLevel = 2, hero.YourGold = -7, hero.YourHP = 9;
        Form2& move = moveScreenOf(hero);
        QCOMPARE(captions(&move, {"YourLevel", "YourGold", "yourHP", "yourMaxTP"}),
                 QStringLiteral("2|-7|9|20"));
        QCOMPARE(readouts(&move), QStringLiteral("TrainingCenter|Q2|x5y3"));
        QVERIFY(shows(&move, "map0503", "graYou"));
        QVERIFY(shows(&move, "map0407", "graC2"));
        QVERIFY(shows(&move, "map0101", "gra013"));
        QVERIFY(shows(&move, "graleft", "CanGo"));
        QVERIFY(shows(&move, "graup", "CanNotGo"));
        QCOMPARE(control<PictureBox>(&move, "map0101")->geometry(), QRect(80, 40, 33, 33));
        QCOMPARE(control<PictureBox>(&move, "map1010")->geometry(), QRect(368, 328, 33, 33));
    }

    // A step redraws the screen, erasing the hero's old cell; a crossing draws the next screen.
    void aStepMovesTheHeroAndACrossingDrawsTheNextScreen() {
        Form2& move = moveScreenAt("Farmin", "Q1", "x9y7");
        click(&move, "Command6");
        QVERIFY(shows(&move, "map1007", "graYou"));
        QVERIFY(shows(&move, "map0907", "gra004"));
        QCOMPARE(readouts(&move), QStringLiteral("Farmin|Q1|x10y7"));
        click(&move, "Command6");
        QCOMPARE(readouts(&move), QStringLiteral("Farmin|Q3|x1y7"));
        QVERIFY(shows(&move, "map0107", "graYou"));
        QVERIFY(shows(&move, "map0708", "graC2"));
        QVERIFY(shows(&move, "graup", "CanGo"));
        QVERIFY(shows(&move, "gradown", "CanNotGo"));
    }

    // A saved place or cell that names nothing draws nothing there, and no step can be taken.
    void aSavedPlaceThatNamesNothingDrawsNothing() {
        Form2& move = moveScreenAt("farmin", "Q1", "x3y4");
        QVERIFY(control<PictureBox>(&move, "map0101")->picture().isNull());
        QVERIFY(shows(&move, "map0304", "graYou"));
        QCOMPARE(readouts(&move), QStringLiteral("farmin|Q1|x3y4"));
        unloadEverything();
        Form2& again = moveScreenAt("Farmin", "Q1", "x03y4");
        QVERIFY(shows(&again, "map0304", "gra001"));
        QCOMPARE(caption(&again, "Label4"), QStringLiteral("x03y4"));
        const GameState before = theGame();
        for (const char* arrow : {"Command3", "Command4", "Command5", "Command6"})
            click(&again, arrow);
        QCOMPARE(theGame(), before);
    }

    // Off the outer edge the travel window replaces the move screen; the stage sets its offer.
    void theOuterEdgeOffersThePlacesOfTheStory() {
        const std::pair<Integer, const char*> stages[] = {
            {1, "100"}, {2, "110"}, {3, "111"}, {21, "111"}, {22, "000"}};
        for (const auto& [stage, expected] : stages) {
            unloadEverything();
            Form8* travel = leaveTheTrainingCenter(stage);
            QCOMPARE(visibleForms(), QStringList{"Form8"});
            QVERIFY(Loaded<Form2>());
            QCOMPARE(theGame().Position, std::string("x10y1"));
            QCOMPARE(enabledMarks(travel, {"Farmin", "TrainingCenter", "BanditsCave"}),
                     QString::fromLatin1(expected));
        }
    }

    // Arrival draws the new place, but the readouts name the old one until the next step.
    void arrivalDrawsTheNewPlaceButKeepsTheOldReadouts() {
        Form8* travel = leaveTheTrainingCenter(3);
        const Integer stepsLeft = theGame().StepsToFight;
        click(travel, "BanditsCave");
        QCOMPARE(visibleForms(), QStringList{"Form2"});
        Form2* move = Loaded<Form2>();
        QVERIFY(shows(move, "map1008", "graYou"));
        QVERIFY(shows(move, "map0909", "graC2"));
        QCOMPARE(readouts(move), QStringLiteral("TrainingCenter|Q4|x10y1"));
        QCOMPARE(theGame().Location + theGame().Quadrant + theGame().Position,
                 std::string("BanditsCaveQ4x10y8"));
        QCOMPARE(theGame().StepsToFight, stepsLeft);
        click(move, "Command3");
        QCOMPARE(readouts(move), QStringLiteral("BanditsCave|Q4|x9y8"));
    }
};

QTEST_MAIN(MoveScreenTest)
#include "MoveScreenTest.moc"
