#include "state/GameState.h"

#include <gtest/gtest.h>

// Before any game is started or loaded, the shared record holds zeros, falses and blanks.
TEST(GameState, theSharedRecordStartsEmpty) {
    const GameState& fresh = theGame();
    EXPECT_EQ(fresh.StoryStage + fresh.YourLevel + fresh.YourGold + fresh.StepsToFight, 0);
    EXPECT_EQ(fresh.HasNuke, False);
    EXPECT_EQ(fresh.YourName + fresh.Location + fresh.EnemyName, "");
    EXPECT_EQ(fresh.CellOpen(10, 10), False);
    EXPECT_EQ(fresh, GameState{});
}

// A figure that would leave the 16-bit range stops at its end instead of wrapping round.
TEST(GameState, additionStopsAtTheSixteenBitLimits) {
    EXPECT_EQ(addWithinLimits(32760, 10), 32767);
    EXPECT_EQ(addWithinLimits(-32760, -10), -32768);
    EXPECT_EQ(addWithinLimits(-32768, 65535), 32767);
    EXPECT_EQ(addWithinLimits(20, -25), -5);
    EXPECT_EQ(addWithinLimits(9999, 1), 10000);
}
