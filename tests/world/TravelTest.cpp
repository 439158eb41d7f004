#include "world/Travel.h"

#include <gtest/gtest.h>
#include <string>

// The town opens at stage 1, the training center at 2, the cave from 3 to 21; others offer none.
TEST(Travel, theStoryStageDecidesWhichPlacesCanBeChosen) {
    const std::pair<Integer, const char*> stages[] = {{0, "000"},  {1, "100"},  {2, "110"},
                                                      {3, "111"},  {21, "111"}, {22, "000"},
                                                      {50, "000"}, {-1, "000"}};
    for (const auto& [stage, offered] : stages) {
        const TravelChoices choices = travelChoices(stage);
        const std::string marks = {char('0' + choices.farmin), char('0' + choices.trainingCenter),
                                   char('0' + choices.banditsCave)};
        EXPECT_EQ(marks, offered) << stage;
    }
}

// Travelling sets the place, quadrant and cell of the place's arrival cell and nothing else.
TEST(Travel, travellingPutsTheHeroOnThePlacesArrivalCellOnly) {
    const std::pair<Destination, std::string> arrivals[] = {
        {Destination::Farmin, "Farmin Q3 x10y8"},
        {Destination::TrainingCenter, "TrainingCenter Q4 x10y1"},
        {Destination::BanditsCave, "BanditsCave Q4 x10y8"}};
    for (const auto& [destination, arrival] : arrivals) {
        GameState game;
        // A std::string, not the bare literal: GCC 12 at -O3 reports a false
        // -Wmaybe-uninitialized for a literal this short assigned into a fresh string.
        game.Location = "Farmin", game.Quadrant = std::string("Q1"), game.Position = "x8y1";
        game.StepsToFight = 2, game.StoryStage = 3, game.CellOpen(8, 1) = True;
        const GameState before = game;
        travelTo(game, destination);
        EXPECT_EQ(game.Location + " " + game.Quadrant + " " + game.Position, arrival);
        game.Location = "Farmin", game.Quadrant = "Q1", game.Position = "x8y1";
        EXPECT_EQ(game, before);
    }
}
