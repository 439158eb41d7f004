#include "menus/Shop.h"

#include "menus/Catalogue.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Messages = std::vector<std::string>;
const std::string noGold = "YOU DO NOT HAVE THAT MUCH GOLD!";

GameState withGold(Integer gold) {
    GameState game;
    game.YourGold = gold;
    return game;
}

} // namespace

// Exactly the price buys one into the row's own count; a full count gives the row's message.
TEST(Shop, everyRowSellsAtItsPriceIntoItsOwnCount) {
    const struct {
        Integer cost;
        Integer GameState::*count;
        std::string item;
    } rows[] = {
        {10, &GameState::NumBread, "bread"},          {20, &GameState::NumLBread, "large bread"},
        {20, &GameState::NumFruit, "fruit"},          {40, &GameState::NumLFruit, "large fruit"},
        {500, &GameState::NumChocolate, "chocolate"}, {500, &GameState::NumMace, "mace"},
        {500, &GameState::NumHelmet, "helmet"},       {500, &GameState::NumShoes, "shoes"},
        {500, &GameState::NumBoomerang, "boomerang"}, {1000, &GameState::NumBomb, "bomb"},
    };
    for (int row = 1; row <= 10; ++row) {
        const auto& want = rows[row - 1];
        GameState game = withGold(want.cost), expected = withGold(0);
        expected.*want.count = 1;
        EXPECT_EQ(buy(game, row), Messages{}) << want.item;
        EXPECT_EQ(game, expected) << want.item;
        EXPECT_EQ(buy(game, row), Messages{noGold}) << want.item;
        EXPECT_EQ(game, expected) << want.item;

        game = withGold(1000), game.*want.count = 9999;
        const GameState before = game;
        EXPECT_EQ(buy(game, row), Messages{"You can not have more then 9999 " + want.item + "."});
        EXPECT_EQ(game, before) << want.item;
    }
}

// Refusals are told gold first; a saved count above 9999 is full, the 9999th piece is not.
TEST(Shop, refusalsAreToldInOrderAndOnlyAFullCountIsFull) {
    const struct {
        int row;
        Integer gold, count;
        Messages messages;
    } refused[] = {
        {1, 5, 9999, {noGold, "You can not have more then 9999 bread."}},
        {1, 1000, 10000, {"You can not have more then 9999 bread."}},
        {10, 32767, 32767, {"You can not have more then 9999 bomb."}},
        {10, -5, 0, {noGold}},
    };
    for (const auto& c : refused) {
        GameState game = withGold(c.gold);
        game.*item(c.row).count = c.count;
        const GameState before = game;
        EXPECT_EQ(buy(game, c.row), c.messages) << c.row << " " << c.count;
        EXPECT_EQ(game, before) << c.row << " " << c.count;
    }
    GameState game = withGold(1040);
    game.NumLFruit = 9998, game.NumBomb = -32768;
    EXPECT_EQ(buy(game, 4), Messages{});
    EXPECT_EQ(buy(game, 10), Messages{});
    EXPECT_EQ(game.NumLFruit, 9999);
    EXPECT_EQ(game.NumBomb, -32767);
    EXPECT_EQ(game.YourGold, 0);
}
