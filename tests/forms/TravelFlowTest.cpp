#include "forms/Form2.h"
#include "forms/Form8.h"
#include "support/FormTest.h"
#include "support/GameSetup.h"

namespace {

// Which of the three places can be chosen, as "110" for the town and the training center.
QString offered(Form8* travel) {
    QString marks;
    for (const char* place : {"Farmin", "TrainingCenter", "BanditsCave"})
        marks += control<QPushButton>(travel, place)->isEnabled() ? '1' : '0';
    return marks;
}

// Walks off the bottom edge of the training center's last screen into the travel window.
Form8* leaveTheTrainingCenter(Integer storyStage) {
    theGame() = heroAt("TrainingCenter", "Q4", "x10y1", storyStage);
    theGame().StepsToFight = 3;
    click(&Show<Form2>(), "Command6");
    return Loaded<Form8>();
}

} // namespace

class TravelFlowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { unloadEverything(); }

    // The story stage decides which places the window offers, read when it opens.
    void theStoryStageDecidesThePlacesOffered() {
        const std::pair<Integer, const char*> stages[] = {{1, "100"},  {2, "110"},  {3, "111"},
                                                          {21, "111"}, {22, "000"}, {0, "000"}};
        for (const auto& [stage, expected] : stages) {
            unloadEverything();
            Form8* travel = leaveTheTrainingCenter(stage);
            QVERIFY(travel && travel->isVisible());
            QCOMPARE(offered(travel), QString::fromLatin1(expected));
        }
    }

    // Arriving draws the place's screen with the hero on its arrival cell and shows the move
    // screen; the readouts still name the place left behind until the next step, and no step
    // is counted.
    void arrivalDrawsTheNewPlaceButKeepsTheOldReadouts() {
        Form8* travel = leaveTheTrainingCenter(3);
        const Integer stepsLeft = theGame().StepsToFight;
        click(travel, "BanditsCave");
        QCOMPARE(visibleForms(), QStringList{"Form2"});
        Form2* move = Loaded<Form2>();
        QVERIFY(shows(move, "map1008", "graYou"));
        QVERIFY(shows(move, "map0909", "graC2"));
        QCOMPARE(caption(move, "town"), QStringLiteral("TrainingCenter"));
        QCOMPARE(caption(move, "Label4"), QStringLiteral("x10y1"));
        QCOMPARE(theGame().Location, std::string("BanditsCave"));
        QCOMPARE(theGame().Quadrant, std::string("Q4"));
        QCOMPARE(theGame().Position, std::string("x10y8"));
        QCOMPARE(theGame().StepsToFight, stepsLeft);
        QCOMPARE(theGame().CellOpen(9, 8), True);
        click(move, "Command3");
        QCOMPARE(caption(move, "town"), QStringLiteral("BanditsCave"));
        QCOMPARE(caption(move, "Label4"), QStringLiteral("x9y8"));
    }

    // Going to the town works from the town itself too, and lands on its own arrival cell.
    void theTownArrivalIsTheSameFromAnywhere() {
        theGame() = heroAt("Farmin", "Q1", "x8y1");
        click(&Show<Form2>(), "Command5");
        click(Loaded<Form8>(), "Farmin");
        QCOMPARE(theGame().Quadrant, std::string("Q3"));
        QCOMPARE(theGame().Position, std::string("x10y8"));
        QVERIFY(shows(Loaded<Form2>(), "map1008", "graYou"));
    }

    // A place that is not yet offered cannot be chosen.
    void aGreyedPlaceDoesNothing() {
        Form8* travel = leaveTheTrainingCenter(1);
        const GameState before = theGame();
        click(travel, "BanditsCave");
        QCOMPARE(visibleForms(), QStringList{"Form8"});
        QCOMPARE(theGame(), before);
    }

    // The close box goes back to the move screen with nothing changed.
    void theCloseBoxGoesBackUnchanged() {
        Form8* travel = leaveTheTrainingCenter(1);
        const GameState before = theGame();
        pressCloseBox(travel);
        QCOMPARE(visibleForms(), QStringList{"Form2"});
        QCOMPARE(theGame(), before);
        QVERIFY(shows(Loaded<Form2>(), "map1001", "graYou"));
    }
};

QTEST_MAIN(TravelFlowTest)
#include "TravelFlowTest.moc"
