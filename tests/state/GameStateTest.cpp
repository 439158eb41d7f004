#include "state/GameState.h"

#include <gtest/gtest.h>

// Before any game is started or loaded, the record holds zeros, false flags and empty strings.
TEST(GameState, startsWithEveryFieldZeroFalseOrEmpty) {
    const GameState fresh;
    EXPECT_EQ(fresh.StoryStage, 0);
    EXPECT_EQ(fresh.YourName, "");
    EXPECT_EQ(fresh.YourLevel, 0);
    EXPECT_EQ(fresh.YourGold, 0);
    EXPECT_EQ(fresh.NumBomb, 0);
    EXPECT_EQ(fresh.HasNuke, False);
    EXPECT_EQ(fresh.Location, "");
    EXPECT_EQ(fresh.StepsToFight, 0);
    EXPECT_EQ(fresh.EnemyName, "");
    for (int row = 1; row <= 10; ++row)
        for (int column = 1; column <= 10; ++column)
            EXPECT_EQ(fresh.CellOpen(row, column), False);
    for (int index = 1; index <= 10; ++index)
        EXPECT_EQ(fresh.ExitUp(index) | fresh.ExitDown(index) | fresh.ExitLeft(index) |
                      fresh.ExitRight(index),
                  False);
    // The shared record starts the same way.
    EXPECT_EQ(theGame(), fresh);
}

// A figure that would leave the 16-bit range stops at its end instead of wrapping round.
TEST(GameState, additionStopsAtTheSixteenBitLimits) {
    EXPECT_EQ(addWithinLimits(32760, 10), 32767);
    EXPECT_EQ(addWithinLimits(32767, 1), 32767);
    EXPECT_EQ(addWithinLimits(-32760, -10), -32768);
    EXPECT_EQ(addWithinLimits(9999, 1), 10000);
    EXPECT_EQ(addWithinLimits(20, -25), -5);
    EXPECT_EQ(addWithinLimits(-32768, 65535), 32767);
}

// Cells are addressed as (row, column) from 1; (3, 4) and (4, 3) are different cells.
TEST(GameState, cellTableKeepsRowsAndColumnsApart) {
    GameState game;
    game.CellOpen(3, 4) = True;
    game.CellOpen(10, 10) = True;
    EXPECT_EQ(game.CellOpen(3, 4), True);
    EXPECT_EQ(game.CellOpen(4, 3), False);
    EXPECT_EQ(game.CellOpen(10, 10), True);
    EXPECT_EQ(game.CellOpen(1, 1), False);
    game.ExitDown(7) = True;
    EXPECT_EQ(game.ExitDown(7), True);
    EXPECT_EQ(game.ExitDown(6), False);
    EXPECT_EQ(game.ExitUp(7), False);
}

// Two records compare equal only when every field, the map tables included, is the same.
TEST(GameState, recordsDifferWhenAnyFieldDiffers) {
    GameState one;
    GameState other;
    EXPECT_EQ(one, other);
    other.ExitLeft(10) = True;
    EXPECT_NE(one, other);
    other = one;
    other.YourName = "Ann";
    EXPECT_NE(one, other);
}
