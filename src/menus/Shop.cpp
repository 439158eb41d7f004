#include "menus/Shop.h"

#include <array>

namespace {

// clang-format off
constexpr std::array<ShopItem, 10> priceList{{
    {"Bread", 10, "Heals 10 HP", &GameState::NumBread, "Buy Bread",
     "You can not have more then 9999 bread."},
    {"Large Bread", 20, "Heals 20 HP", &GameState::NumLBread, "Buy L. Bread",
     "You can not have more then 9999 large bread."},
    {"Fruit", 20, "Heals 10 TP", &GameState::NumFruit, "Buy Fruit",
     "You can not have more then 9999 fruit."},
    {"Large Fruit", 40, "Heals 20 TP", &GameState::NumLFruit, "Buy L. Fruit",
     "You can not have more then 9999 large fruit."},
    {"Chocolate", 500, "Heals all HP and TP", &GameState::NumChocolate, "Buy Chocolate",
     "You can not have more then 9999 chocolate."},
    {"Mace", 500, "Plus 10 AT during battle", &GameState::NumMace, "Buy Mace",
     "You can not have more then 9999 mace."},
    {"Helmet", 500, "Plus 10 DE during battle", &GameState::NumHelmet, "Buy Helmet",
     "You can not have more then 9999 helmet."},
    {"Shoes", 500, "Plus 10 SE during battle", &GameState::NumShoes, "Buy Shoes",
     "You can not have more then 9999 shoes."},
    {"Boomerang", 500, "20 damage to enemy, in battle", &GameState::NumBoomerang, "Buy Boomerang",
     "You can not have more then 9999 boomerang."},
    {"Bomb", 1000, "50 damage to enemy, in battle", &GameState::NumBomb, "Buy bomb",
     "You can not have more then 9999 bomb."},
}};
// clang-format on

} // namespace

std::span<const ShopItem, 10> shopItems() {
    return priceList;
}

// A count above 9999 can only come from a save file. It counts as full too: the hero is told
// why nothing is bought, rather than the click silently doing nothing.
std::vector<std::string> buy(GameState& game, int row) {
    const ShopItem& item = priceList.at(std::size_t(row - 1));
    Integer& count = game.*item.count;
    std::vector<std::string> messages;
    if (game.YourGold < item.cost)
        messages.emplace_back("YOU DO NOT HAVE THAT MUCH GOLD!");
    if (count >= MostOfAnItem)
        messages.emplace_back(item.fullMessage);
    if (messages.empty()) {
        // Neither can leave the 16-bit range: the count is below 9999 and the gold covers the cost.
        ++count;
        game.YourGold = Integer(game.YourGold - item.cost);
    }
    return messages;
}
