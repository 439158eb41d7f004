#include "combat/Roster.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

// A battle against the mole, which no place sends, still finds its figures.
TEST(Roster, theMoleIsAnEnemyLikeAnyOther) {
    GameState game;
    game.EnemyName = "Mole";
    ASSERT_NE(WhatEnemy(game), nullptr);
    const Integer figures[] = {game.EnemyHP, game.EnemyAT, game.EnemyDE, game.EnemySE,
                               game.EnemySP};
    const Integer expected[] = {8, 4, 4, 4, 4};
    EXPECT_TRUE(std::equal(std::begin(figures), std::end(figures), std::begin(expected)));
}

// Keys are compared exactly: a name in the wrong case is no enemy and changes nothing.
TEST(Roster, aKeyInTheWrongCaseIsNoEnemy) {
    GameState game;
    game.EnemyName = "slime";
    const GameState unchanged = game;
    EXPECT_EQ(WhatEnemy(game), nullptr);
    EXPECT_EQ(game, unchanged);
    EXPECT_EQ(findEnemy("Slime "), nullptr);
}

// The greeting spells the bandit in training with blanks, though the key has none.
TEST(Roster, theBanditInTrainingGreetsWithBlanks) {
    EXPECT_EQ(findEnemy("BanditInTraining")->greeting, "Bandit In Training Whats to Fight!");
}

// Every reward line tells exactly what the victory pays; only the leader pays nothing and ends
// the game.
TEST(Roster, rewardLinesTellWhatIsPaid) {
    for (const char* key : {"Slime", "Bat", "Mole", "BanditInTraining", "Bandit"}) {
        const Enemy& enemy = *findEnemy(key);
        EXPECT_EQ(enemy.rewardLine, "You get " + std::to_string(enemy.EX) + " Ex, and " +
                                        std::to_string(enemy.Gold) + " Gold.");
        EXPECT_FALSE(enemy.endsTheGame) << key;
    }
    const Enemy& leader = *findEnemy("LeaderOfBandits");
    EXPECT_TRUE(leader.endsTheGame);
    EXPECT_EQ(leader.EX + leader.Gold, 0);
}
