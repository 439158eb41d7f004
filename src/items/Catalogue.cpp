#include "items/Catalogue.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

// clang-format off
constexpr std::array<Item, 10> itemTable{{
    {.key = "Bread", .name = "Bread", .count = &GameState::NumBread,
     .listLabel = "Bread * ", .effect = {.HP = 10},
     .battleLine = "You eat the BREAD, HP goes up by 10",
     .menuDescription = "10 HP gain to You", .meal = Meal::AsInBattle,
     .cost = 10, .shopDescription = "Heals 10 HP", .buyCaption = "Buy Bread"},
    {.key = "LBread", .name = "Large Bread", .count = &GameState::NumLBread,
     .listLabel = "L Bread * ", .effect = {.HP = 20},
     .battleLine = "You eat the LARGE BREAD, HP goes up by 20",
     .menuDescription = "20 HP gain to You", .meal = Meal::AsInBattle,
     .cost = 20, .shopDescription = "Heals 20 HP", .buyCaption = "Buy L. Bread"},
    {.key = "Fruit", .name = "Fruit", .count = &GameState::NumFruit,
     .listLabel = "Fruit * ", .effect = {.TP = 10},
     .battleLine = "You eat the FRUIT, TP goes up by 10",
     .menuDescription = "10 TP gain to You", .meal = Meal::AsInBattle,
     .cost = 20, .shopDescription = "Heals 10 TP", .buyCaption = "Buy Fruit"},
    {.key = "LFruit", .name = "Large Fruit", .count = &GameState::NumLFruit,
     .listLabel = "L Fruit * ", .effect = {.TP = 20},
     .battleLine = "You eat the LARGE FRUIT, TP goes up by 20",
     .menuDescription = "20 TP gain to You", .meal = Meal::AsInBattle,
     .cost = 40, .shopDescription = "Heals 20 TP", .buyCaption = "Buy L. Fruit"},
    {.key = "Chocolate", .name = "Chocolate", .count = &GameState::NumChocolate,
     .listLabel = "Chocolate * ", .effect = {.HP = 99, .TP = 99},
     .battleLine = "You eat the CHOCOLATE, HP goes up by 99 TP goes up by 99",
     .menuDescription = "Full Restore to HP & TP", .meal = Meal::FillsUp,
     .cost = 500, .shopDescription = "Heals all HP and TP", .buyCaption = "Buy Chocolate"},
    {.key = "Mace", .name = "Mace", .count = &GameState::NumMace,
     .listLabel = "Mace * ", .effect = {.raised = &GameState::BattleAT, .raise = 10},
     .battleLine = "You use the MACE, Attack goes up by 10",
     .menuDescription = "10 AT gain to You during battle", .meal = Meal::None,
     .cost = 500, .shopDescription = "Plus 10 AT during battle", .buyCaption = "Buy Mace"},
    {.key = "Helmet", .name = "Helmet", .count = &GameState::NumHelmet,
     .listLabel = "Helmet * ", .effect = {.raised = &GameState::BattleDE, .raise = 10},
     .battleLine = "You use the HELMET, Defence goes up by 10",
     .menuDescription = "10 DE gain to You during battle", .meal = Meal::None,
     .cost = 500, .shopDescription = "Plus 10 DE during battle", .buyCaption = "Buy Helmet"},
    {.key = "Shoes", .name = "Shoes", .count = &GameState::NumShoes,
     .listLabel = "Shoes * ", .effect = {.raised = &GameState::BattleSE, .raise = 10},
     .battleLine = "You use the SHOES, Speed goes up by 10",
     .menuDescription = "10 SE gain to You during battle", .meal = Meal::None,
     .cost = 500, .shopDescription = "Plus 10 SE during battle", .buyCaption = "Buy Shoes"},
    {.key = "Boomerang", .name = "Boomerang", .count = &GameState::NumBoomerang,
     .listLabel = "Boomerang * ", .effect = {.damage = 20},
     .battleLine = {" You use Boomerang on the ", TheEnemy, " for 20 damage"},
     .menuDescription = "20 Damage to Ememy, during battle", .meal = Meal::None,
     .cost = 500, .shopDescription = "20 damage to enemy, in battle",
     .buyCaption = "Buy Boomerang"},
    {.key = "Bomb", .name = "Bomb", .count = &GameState::NumBomb,
     .listLabel = "Bomb * ", .effect = {.damage = 50},
     .battleLine = {" You use BOMB on the ", TheEnemy, " for 50 damage"},
     .menuDescription = "50 Damage to Ememy, during battle", .meal = Meal::None,
     .cost = 1000, .shopDescription = "50 damage to enemy, in battle", .buyCaption = "Buy bomb"},
}};

constexpr std::array<Technique, 10> techniqueTable{{
    {.key = "Slash", .name = "Slash", .learned = &GameState::HasSlash, .cost = 5,
     .listCaption = "Slash -5TP", .effect = {.damage = 10},
     .battleLine = {"You SLASH the ", TheEnemy, " for 10 damage"},
     .pageDescription = "10 Damage to Enemy"},
    {.key = "Strike", .name = "Strike", .learned = &GameState::HasStrike, .cost = 7,
     .listCaption = "Strike -7TP", .effect = {.damage = 15},
     .battleLine = {"You STRIKE the ", TheEnemy, " for 15 damage"},
     .pageDescription = "15 Damage to Enemy"},
    {.key = "Bandage", .name = "Bandage", .learned = &GameState::HasBandage, .cost = 10,
     .listCaption = "Bandage -10TP", .effect = {.HP = 25},
     .battleLine = "You BANDAGE yourself, HP goes up by 25",
     .pageDescription = "25 HP gain to You"},
    {.key = "DSlash", .name = "Double Slash", .learned = &GameState::HasDSlash, .cost = 12,
     .listCaption = "Dou. Slash -10TP", .effect = {.damage = 20},
     .battleLine = {"You DOUBLE SLASH the ", TheEnemy, " for 20 damage"},
     .pageDescription = "20 Damage to Enemy"},
    {.key = "DStrike", .name = "Double Strike", .learned = &GameState::HasDStrike, .cost = 16,
     .listCaption = "Dou. Strike -14TP", .effect = {.damage = 30},
     .battleLine = {"You DOUBLE STRIKE the ", TheEnemy, " for 30 damage"},
     .pageDescription = "30 Damage to Enemy"},
    {.key = "HeatSword", .name = "Heat Sword", .learned = &GameState::HasHeatSword, .cost = 20,
     .listCaption = "Heat Sword -20TP", .effect = {.damage = 35},
     .battleLine = "You attack the enemy with the HEAT SWORD for 35 damage",
     .pageDescription = "35 Damage to Enemy"},
    {.key = "ColdSword", .name = "Cold Sword", .learned = &GameState::HasColdSword, .cost = 24,
     .listCaption = "Cold Sword -24TP", .effect = {.damage = 40},
     .battleLine = "You attack the enemy with the COLD SWORD for 40 damage",
     .pageDescription = "40 Damage to Enemy"},
    {.key = "ElectricSword", .name = "Electric Sword", .learned = &GameState::HasElectricSword,
     .cost = 30, .listCaption = "Electric Sword -30TP", .effect = {.damage = 50},
     .battleLine = "You attack the enemy with the ELECTRIC SWORD for 50 damage",
     .pageDescription = "50 Damage to Enemy"},
    {.key = "LBandage", .name = "Large Bandage", .learned = &GameState::HasLBandage, .cost = 25,
     .listCaption = "Large Bandage -25TP", .effect = {.HP = 50},
     .battleLine = "You LARGE BANDAGE yourself, 50HP gain",
     .pageDescription = "50 HP gain to You"},
    {.key = "Nuke", .name = "Nuke", .learned = &GameState::HasNuke, .cost = 50,
     .listCaption = "Nuke -50TP", .effect = {.damage = 50},
     .battleLine = {"You NUKE the ", TheEnemy, " for 50 damage"},
     .pageDescription = "100 Damage to Enemy"},
}};
// clang-format on

} // namespace

void gainHealth(GameState& game, const Effect& effect, bool used) {
    const auto gainUpTo = [used](Integer& figure, int gain, Integer most) {
        if (gain != 0)
            figure = std::min(addWithinLimits(figure, used ? gain : 0), most);
    };
    gainUpTo(game.YourHP, effect.HP, game.YourMaxHP);
    gainUpTo(game.YourTP, effect.TP, game.YourMaxTP);
}

std::span<const Item, 10> items() {
    return itemTable;
}

std::span<const Technique, 10> techniques() {
    return techniqueTable;
}

const Item& item(int row) {
    return itemTable.at(std::size_t(row - 1));
}

const Technique& technique(int row) {
    return techniqueTable.at(std::size_t(row - 1));
}

std::string lowerCaseName(const Item& item) {
    std::string name(item.name);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return name;
}
