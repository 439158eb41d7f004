#include "menus/Food.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// A hero at HP and TP of 20 most, holding `count` of every food.
GameState hero(Integer HP, Integer TP, Integer count) {
    GameState game;
    game.YourHP = HP, game.YourTP = TP, game.YourMaxHP = 20, game.YourMaxTP = 20;
    for (Integer* food :
         {&game.NumBread, &game.NumLBread, &game.NumFruit, &game.NumLFruit, &game.NumChocolate})
        *food = count;
    return game;
}

struct FoodRow {
    Integer GameState::*count;
    std::string lack;
};
const FoodRow rows[FoodCount] = {
    {&GameState::NumBread, "You do not have any bread"},
    {&GameState::NumLBread, "You do not have any large bread"},
    {&GameState::NumFruit, "You do not have any fruit"},
    {&GameState::NumLFruit, "You do not have any large fruit"},
    {&GameState::NumChocolate, "You do not have any chocolate"},
};

} // namespace

// Each food raises its own figure, stops at the maximum and uses one of itself only.
TEST(Food, eachFoodGivesItsGainUpToTheMaximumAndUsesOne) {
    const struct {
        Integer HP, TP; // before
        Integer afterHP, afterTP;
    } cases[FoodCount] = {
        {2, 2, 12, 2}, {2, 2, 20, 2}, {2, 2, 2, 12}, {5, 5, 5, 20}, {1, 3, 20, 20}};
    for (int row = 1; row <= FoodCount; ++row) {
        const auto& c = cases[row - 1];
        GameState game = hero(c.HP, c.TP, 3), expected = hero(c.afterHP, c.afterTP, 3);
        expected.*rows[row - 1].count = 2;
        EXPECT_EQ(lackOfFood(game, row), "") << row;
        eat(game, row);
        EXPECT_EQ(game, expected) << row;
    }
}

// Bread at 15 of 20 gives 20, not 25; at 20 of 20 a bread is still used up.
TEST(Food, breadStopsAtTheMaximumAndIsUsedEvenWhenHPIsFull) {
    GameState game = hero(15, 20, 2);
    eat(game, 1);
    EXPECT_EQ(game.YourHP, 20);
    EXPECT_EQ(game.NumBread, 1);
    eat(game, 1);
    EXPECT_EQ(game.YourHP, 20);
    EXPECT_EQ(game.NumBread, 0);
}

// With none held, the food's message is shown and nothing changes but the cap, which still
// brings an HP or TP above its maximum (from a save file) down to it; a negative count (also
// only from a save file) shows nothing and is not used.
TEST(Food, noFoodShowsItsMessageAndOnlyTheCapApplies) {
    const struct {
        Integer HP, TP;
        Integer afterHP, afterTP;
    } cases[FoodCount] = {
        {25, 25, 20, 25}, {25, 25, 20, 25}, {25, 25, 25, 20}, {25, 25, 25, 20}, {5, 5, 5, 5}};
    for (int row = 1; row <= FoodCount; ++row) {
        const auto& c = cases[row - 1];
        for (const Integer count : {0, -1}) {
            GameState game = hero(c.HP, c.TP, count);
            EXPECT_EQ(lackOfFood(game, row), count == 0 ? rows[row - 1].lack : "") << row;
            eat(game, row);
            EXPECT_EQ(game, hero(c.afterHP, c.afterTP, count)) << row << " " << count;
        }
    }
}

// A gain on a figure near the 16-bit top stops there before the cap, never wrapping negative.
TEST(Food, aGainNearTheTopDoesNotWrap) {
    GameState game = hero(32765, 0, 1);
    game.YourMaxHP = 32767;
    eat(game, 2);
    EXPECT_EQ(game.YourHP, 32767);
}
