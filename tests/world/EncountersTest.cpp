#include "world/Encounters.h"

#include "state/NewGame.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace {

GameState walkingIn(const std::string& location, const std::string& quadrant, Integer steps) {
    GameState game;
    game.Location = location;
    game.Quadrant = quadrant;
    game.StepsToFight = steps;
    game.EnemyName = "none yet";
    return game;
}

} // namespace

// The fifth counted step fights; the count carries over between places and pauses in town.
TEST(Encounters, theFifthCountedStepOpensAFightWhereverItIsTaken) {
    GameState game = walkingIn("TrainingCenter", "Q1", StepsBetweenFights);
    for (Integer left = 4; left >= 2; --left) {
        EXPECT_FALSE(EncounterStep(game));
        EXPECT_EQ(game.StepsToFight, left);
    }
    game.Location = "Farmin";
    EXPECT_FALSE(EncounterStep(game));
    game.Location = "BanditsCave";
    EXPECT_FALSE(EncounterStep(game));
    EXPECT_EQ(game.EnemyName, "none yet");
    EXPECT_TRUE(EncounterStep(game));
    EXPECT_EQ(game.StepsToFight, 0);
    EXPECT_EQ(game.EnemyName, "Bat");
}

// Place and quadrant choose the enemy; a saved unknown quadrant fights the last enemy again.
TEST(Encounters, thePlaceAndQuadrantChooseTheEnemy) {
    const char* const rows[][3] = {{"TrainingCenter", "Q1", "Slime"},
                                   {"TrainingCenter", "Q2", "Slime"},
                                   {"TrainingCenter", "Q3", "Bat"},
                                   {"TrainingCenter", "Q4", "Bat"},
                                   {"BanditsCave", "Q1", "Bat"},
                                   {"BanditsCave", "Q2", "BanditInTraining"},
                                   {"BanditsCave", "Q3", "BanditInTraining"},
                                   {"BanditsCave", "Q4", "Bandit"},
                                   {"BanditsCave", "q4", "none yet"}};
    for (const auto& [location, quadrant, enemy] : rows) {
        GameState game = walkingIn(location, quadrant, 1);
        EXPECT_TRUE(EncounterStep(game)) << location << " " << quadrant;
        EXPECT_EQ(game.EnemyName, enemy) << location << " " << quadrant;
    }
}

// Only positive counts in the two dangerous places count down; at 0 there every step fights.
TEST(Encounters, onlyPositiveCountsInDangerousPlacesCountDown) {
    const std::tuple<const char*, Integer, Integer, bool> rows[] = {{"Farmin", 1, 1, false},
                                                                    {"Farmin", 0, 0, false},
                                                                    {"trainingcenter", 1, 1, false},
                                                                    {"BanditsCave", -1, -1, false},
                                                                    {"BanditsCave", 0, 0, true}};
    for (const auto& [location, steps, after, fights] : rows) {
        GameState game = walkingIn(location, "Q1", steps);
        EXPECT_EQ(EncounterStep(game), fights) << location << " " << steps;
        EXPECT_EQ(game.StepsToFight, after) << location << " " << steps;
    }
}
