#include "menus/Food.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// The foods are the first rows of the item table.
constexpr int FoodCount = 5;

// A hero at HP and TP of 20 most, holding `count` of every food.
GameState hero(Integer HP, Integer TP, Integer count) {
    GameState game;
    game.YourHP = HP, game.YourTP = TP, game.YourMaxHP = 20, game.YourMaxTP = 20;
    for (Integer* food :
         {&game.NumBread, &game.NumLBread, &game.NumFruit, &game.NumLFruit, &game.NumChocolate})
        *food = count;
    return game;
}

const struct {
    Integer GameState::*count;
    std::string lack;
} foods[FoodCount] = {
    {&GameState::NumBread, "You do not have any bread"},
    {&GameState::NumLBread, "You do not have any large bread"},
    {&GameState::NumFruit, "You do not have any fruit"},
    {&GameState::NumLFruit, "You do not have any large fruit"},
    {&GameState::NumChocolate, "You do not have any chocolate"},
};

} // namespace

// Each food raises its own figure up to the maximum and uses one of itself, even at full HP.
TEST(Food, eachFoodGivesItsGainUpToTheMaximumAndUsesOne) {
    const struct {
        int row;
        Integer HP, TP; // before
        Integer afterHP, afterTP;
    } cases[] = {{1, 2, 2, 12, 2}, {1, 15, 2, 20, 2}, {1, 20, 2, 20, 2}, {2, 2, 2, 20, 2},
                 {3, 2, 2, 2, 12}, {4, 5, 5, 5, 20},  {5, 1, 3, 20, 20}};
    for (const auto& c : cases) {
        GameState game = hero(c.HP, c.TP, 3), expected = hero(c.afterHP, c.afterTP, 3);
        expected.*foods[c.row - 1].count = 2;
        EXPECT_EQ(lackOfFood(game, c.row), "") << c.row;
        eat(game, c.row);
        EXPECT_EQ(game, expected) << c.row << " at " << c.HP << "/" << c.TP;
    }
    GameState nearTheTop = hero(32765, 0, 1);
    nearTheTop.YourMaxHP = 32767;
    eat(nearTheTop, 2);
    EXPECT_EQ(nearTheTop.YourHP, 32767);
}

// With none held (0 tells, a saved -1 is silent) nothing changes but the cap to the maximum.
TEST(Food, noFoodShowsItsMessageAndOnlyTheCapApplies) {
    const struct {
        Integer afterHP, afterTP;
    } cases[FoodCount] = {{20, 25}, {20, 25}, {25, 20}, {25, 20}, {25, 25}};
    for (int row = 1; row <= FoodCount; ++row)
        for (const Integer count : {0, -1}) {
            GameState game = hero(25, 25, count);
            EXPECT_EQ(lackOfFood(game, row), count == 0 ? foods[row - 1].lack : "") << row;
            eat(game, row);
            EXPECT_EQ(game, hero(cases[row - 1].afterHP, cases[row - 1].afterTP, count))
                << row << " " << count;
        }
}
