#include "world/Travel.h"

#include <gtest/gtest.h>

// The story opens the places one by one: the town from stage 1, the training center from 2, the
// cave from 3 up to 21; any other stage, such as one from a save file, offers nothing.
TEST(Travel, theStoryStageDecidesWhichPlacesCanBeChosen) {
    struct Row {
        Integer stage;
        bool farmin;
        bool trainingCenter;
        bool banditsCave;
    };
    constexpr Row rows[] = {
        {0, false, false, false},  {1, true, false, false},   {2, true, true, false},
        {3, true, true, true},     {4, true, true, true},     {21, true, true, true},
        {22, false, false, false}, {50, false, false, false}, {-1, false, false, false},
    };
    for (const Row& row : rows) {
        const TravelChoices choices = travelChoices(row.stage);
        EXPECT_EQ(choices.farmin, row.farmin) << row.stage;
        EXPECT_EQ(choices.trainingCenter, row.trainingCenter) << row.stage;
        EXPECT_EQ(choices.banditsCave, row.banditsCave) << row.stage;
    }
}

// Each place has one arrival cell; travelling there sets the place, quadrant and cell and
// nothing else, wherever the hero came from (the town too).
TEST(Travel, travellingPutsTheHeroOnThePlacesArrivalCellOnly) {
    struct Row {
        Destination destination;
        Arrival arrival;
    };
    constexpr Row rows[] = {
        {Destination::Farmin, {"Farmin", "Q3", "x10y8"}},
        {Destination::TrainingCenter, {"TrainingCenter", "Q4", "x10y1"}},
        {Destination::BanditsCave, {"BanditsCave", "Q4", "x10y8"}},
    };
    for (const Row& row : rows) {
        GameState game;
        game.Location = "Farmin";
        game.Quadrant = "Q1";
        game.Position = "x8y1";
        game.StepsToFight = 2;
        game.StoryStage = 3;
        game.CellOpen(8, 1) = True;
        GameState expected = game;
        expected.Location = row.arrival.location;
        expected.Quadrant = row.arrival.quadrant;
        expected.Position = row.arrival.position;
        travelTo(game, row.destination);
        EXPECT_EQ(game, expected) << row.arrival.location;
        EXPECT_EQ(arrivalAt(row.destination).location, row.arrival.location);
        EXPECT_EQ(arrivalAt(row.destination).quadrant, row.arrival.quadrant);
        EXPECT_EQ(arrivalAt(row.destination).position, row.arrival.position);
    }
}
