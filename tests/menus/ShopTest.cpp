#include "menus/Shop.h"

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

// The price list, row by row, with the count each row sells into and the message when it is full.
TEST(Shop, everyRowHasItsPriceCountAndFullMessage) {
    const struct {
        std::string name;
        Integer cost;
        std::string description;
        Integer GameState::*count;
        std::string caption, item;
    } rows[] = {
        {"Bread", 10, "Heals 10 HP", &GameState::NumBread, "Buy Bread", "bread"},
        {"Large Bread", 20, "Heals 20 HP", &GameState::NumLBread, "Buy L. Bread", "large bread"},
        {"Fruit", 20, "Heals 10 TP", &GameState::NumFruit, "Buy Fruit", "fruit"},
        {"Large Fruit", 40, "Heals 20 TP", &GameState::NumLFruit, "Buy L. Fruit", "large fruit"},
        {"Chocolate", 500, "Heals all HP and TP", &GameState::NumChocolate, "Buy Chocolate",
         "chocolate"},
        {"Mace", 500, "Plus 10 AT during battle", &GameState::NumMace, "Buy Mace", "mace"},
        {"Helmet", 500, "Plus 10 DE during battle", &GameState::NumHelmet, "Buy Helmet", "helmet"},
        {"Shoes", 500, "Plus 10 SE during battle", &GameState::NumShoes, "Buy Shoes", "shoes"},
        {"Boomerang", 500, "20 damage to enemy, in battle", &GameState::NumBoomerang,
         "Buy Boomerang", "boomerang"},
        {"Bomb", 1000, "50 damage to enemy, in battle", &GameState::NumBomb, "Buy bomb", "bomb"},
    };
    for (int row = 1; row <= 10; ++row) {
        const auto& want = rows[row - 1];
        const ShopItem& item = shopItems()[std::size_t(row - 1)];
        EXPECT_EQ(item.name, want.name);
        EXPECT_EQ(item.cost, want.cost);
        EXPECT_EQ(item.description, want.description);
        EXPECT_EQ(item.buyCaption, want.caption);
        const std::string full = "You can not have more then 9999 " + want.item + ".";
        EXPECT_EQ(item.fullMessage, full);

        // Exactly the price buys one into this row's count and nothing else.
        GameState game = withGold(want.cost), expected = withGold(0);
        expected.*want.count = 1;
        EXPECT_EQ(buy(game, row), Messages{}) << want.name;
        EXPECT_EQ(game, expected) << want.name;

        // A full count refuses with the row's own message.
        game = withGold(1000), game.*want.count = 9999;
        const GameState before = game;
        EXPECT_EQ(buy(game, row), Messages{full}) << want.name;
        EXPECT_EQ(game, before) << want.name;
    }
}

// Gold is compared as a number: 10 gold buys a bread and leaves 0, then there is not enough.
TEST(Shop, exactGoldBuysAndTheNextClickIsRefused) {
    GameState game = withGold(10);
    EXPECT_EQ(buy(game, 1), Messages{});
    EXPECT_EQ(game.NumBread, 1);
    EXPECT_EQ(game.YourGold, 0);
    EXPECT_EQ(buy(game, 1), Messages{noGold});
    EXPECT_EQ(game.NumBread, 1);
    EXPECT_EQ(game.YourGold, 0);

    GameState poor = withGold(499), rich = withGold(500);
    EXPECT_EQ(buy(poor, 5), Messages{noGold});
    EXPECT_EQ(poor, withGold(499));
    EXPECT_EQ(buy(rich, 5), Messages{});
    EXPECT_EQ(rich.NumChocolate, 1);
    EXPECT_EQ(rich.YourGold, 0);
}

// Both refusals can come on one click, the gold first; a count above 9999 (only a save file
// can hold one) is full too, so the player hears why nothing is bought.
TEST(Shop, fullCountsAndLackOfGoldAreToldInOrderAndBuyNothing) {
    const struct {
        int row;
        Integer gold, count;
        Messages messages;
    } cases[] = {
        {1, 5, 9999, {noGold, "You can not have more then 9999 bread."}},
        {4, 1000, 9999, {"You can not have more then 9999 large fruit."}},
        {1, 1000, 10000, {"You can not have more then 9999 bread."}},
        {10, 32767, 32767, {"You can not have more then 9999 bomb."}},
        {10, -5, 0, {noGold}},
    };
    for (const auto& c : cases) {
        GameState game = withGold(c.gold);
        game.*shopItems()[std::size_t(c.row - 1)].count = c.count;
        const GameState before = game;
        EXPECT_EQ(buy(game, c.row), c.messages) << c.row << " " << c.count;
        EXPECT_EQ(game, before) << c.row << " " << c.count;
    }
}

// The 9999th piece can still be bought; a negative count from a save file buys normally.
TEST(Shop, buysUpToExactlyNineThousandNineHundredNinetyNine) {
    GameState game = withGold(40);
    game.NumLFruit = 9998;
    EXPECT_EQ(buy(game, 4), Messages{});
    EXPECT_EQ(game.NumLFruit, 9999);
    game.YourGold = 40;
    EXPECT_EQ(buy(game, 4).size(), 1u);

    game.NumBomb = -32768, game.YourGold = 1000;
    EXPECT_EQ(buy(game, 10), Messages{});
    EXPECT_EQ(game.NumBomb, -32767);
}
