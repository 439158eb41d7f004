#include "world/Encounters.h"

#include "state/NewGame.h"

#include <gtest/gtest.h>
#include <string>

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

// With a fresh count the first four steps in a dangerous place only count; the fifth fights.
TEST(Encounters, theFifthCountedStepOpensAFight) {
    GameState game = walkingIn("TrainingCenter", "Q1", StepsBetweenFights);
    for (Integer left = 4; left >= 1; --left) {
        EXPECT_FALSE(EncounterStep(game));
        EXPECT_EQ(game.StepsToFight, left);
    }
    EXPECT_TRUE(EncounterStep(game));
    EXPECT_EQ(game.StepsToFight, 0);
    EXPECT_EQ(game.EnemyName, "Slime");
}

// The place and the quadrant decide the enemy; an unknown quadrant (only from an edited save
// file) still opens the fight but leaves the enemy's name as it was.
TEST(Encounters, thePlaceAndQuadrantChooseTheEnemy) {
    struct Row {
        const char* location;
        const char* quadrant;
        const char* enemy;
    };
    constexpr Row rows[] = {
        {"TrainingCenter", "Q1", "Slime"},
        {"TrainingCenter", "Q2", "Slime"},
        {"TrainingCenter", "Q3", "Bat"},
        {"TrainingCenter", "Q4", "Bat"},
        {"BanditsCave", "Q1", "Bat"},
        {"BanditsCave", "Q2", "BanditInTraining"},
        {"BanditsCave", "Q3", "BanditInTraining"},
        {"BanditsCave", "Q4", "Bandit"},
        {"BanditsCave", "q4", "none yet"},
    };
    for (const Row& row : rows) {
        GameState game = walkingIn(row.location, row.quadrant, 1);
        EXPECT_TRUE(EncounterStep(game)) << row.location << " " << row.quadrant;
        EXPECT_EQ(game.EnemyName, row.enemy) << row.location << " " << row.quadrant;
    }
}

// Steps count only in the two dangerous places: the town (or a misspelt place) never counts
// or fights, even at 0; a negative count never counts and never fights; at 0 in a dangerous
// place every step fights and the count stays 0.
TEST(Encounters, onlyPositiveCountsInDangerousPlacesCountDown) {
    struct Row {
        const char* location;
        Integer steps, after;
        bool fights;
    };
    constexpr Row rows[] = {
        {"Farmin", 5, 5, false},        {"Farmin", 1, 1, false},
        {"Farmin", 0, 0, false},        {"trainingcenter", 1, 1, false},
        {"BanditsCave", -1, -1, false}, {"TrainingCenter", -32768, -32768, false},
        {"BanditsCave", 0, 0, true},    {"TrainingCenter", 0, 0, true},
        {"BanditsCave", 2, 1, false},
    };
    for (const Row& row : rows) {
        GameState game = walkingIn(row.location, "Q1", row.steps);
        EXPECT_EQ(EncounterStep(game), row.fights) << row.location << " " << row.steps;
        EXPECT_EQ(game.StepsToFight, row.after) << row.location << " " << row.steps;
    }
}

// The count carries over from one dangerous place to the other: after three steps in the
// training center the second step in the cave fights.
TEST(Encounters, theCountCarriesOverBetweenPlaces) {
    GameState game = walkingIn("TrainingCenter", "Q3", StepsBetweenFights);
    for (int step = 0; step < 3; ++step)
        EncounterStep(game);
    game.Location = "Farmin";
    EXPECT_FALSE(EncounterStep(game));
    game.Location = "BanditsCave";
    game.Quadrant = "Q4";
    EXPECT_FALSE(EncounterStep(game));
    EXPECT_TRUE(EncounterStep(game));
    EXPECT_EQ(game.EnemyName, "Bandit");
}
