#include "menus/Food.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// A food raises HP or TP by its gain, or, when it fills up, sets both to their maxima.
struct Food {
    Integer GameState::*count;
    std::string_view lackMessage;
    int HP = 0;
    int TP = 0;
    bool fillsUp = false;
};

constexpr std::array<Food, FoodCount> foods{{
    {&GameState::NumBread, "You do not have any bread", 10, 0},
    {&GameState::NumLBread, "You do not have any large bread", 20, 0},
    {&GameState::NumFruit, "You do not have any fruit", 0, 10},
    {&GameState::NumLFruit, "You do not have any large fruit", 0, 20},
    {&GameState::NumChocolate, "You do not have any chocolate", 0, 0, true},
}};

const Food& foodOf(int row) {
    return foods.at(std::size_t(row - 1));
}

} // namespace

// Only a count of exactly 0 is told; a negative count (from an edited save file) shows nothing.
std::string lackOfFood(const GameState& game, int row) {
    const Food& food = foodOf(row);
    return game.*food.count == 0 ? std::string(food.lackMessage) : std::string();
}

// A negative count eats nothing and stays as it is. The cap runs even when nothing was eaten,
// so an HP or TP above its maximum (from a save file) comes down to it.
void eat(GameState& game, int row) {
    const Food& food = foodOf(row);
    Integer& count = game.*food.count;
    const bool held = count >= 1;
    if (held) {
        game.YourHP = addWithinLimits(game.YourHP, food.HP);
        game.YourTP = addWithinLimits(game.YourTP, food.TP);
        if (food.fillsUp) {
            game.YourHP = game.YourMaxHP;
            game.YourTP = game.YourMaxTP;
        }
    }
    if (food.HP > 0)
        game.YourHP = std::min(game.YourHP, game.YourMaxHP);
    if (food.TP > 0)
        game.YourTP = std::min(game.YourTP, game.YourMaxTP);
    if (held)
        --count;
}
