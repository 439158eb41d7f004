// The flow table and the random player on the window layer alone, with no view: the windows'
// rules as a player meets them, fast enough to play a hundred thousand random actions.
#include "windows/RandomPlayer.h"
#include "windows/Scenario.h"

#include <gtest/gtest.h>

TEST(Windows, followTheGameRuleByRule) {
    for (const FlowRow& row : flowRows())
        EXPECT_EQ(Scenario().play(row.steps), "") << row.rule;
}

// Whatever the player does, exactly one window can be acted on (the about box aside) or the
// program has ended as a button or close box said; the figures keep to their ranges and their
// level; and a save is the game and loads back as it was saved. QUILLMAR_RANDOM_SEED and
// QUILLMAR_RANDOM_ACTIONS choose the seed and the count.
TEST(Windows, holdTogetherWhateverThePlayerDoes) {
    const auto seed = unsigned(fromEnvironment("QUILLMAR_RANDOM_SEED", 0));
    const int count = fromEnvironment("QUILLMAR_RANDOM_ACTIONS", 100000);
    RandomPlayer player(seed);
    EXPECT_EQ(playRandomly(player, seed, count), "");
}
