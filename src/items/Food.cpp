#include "items/Food.h"

#include "items/Catalogue.h"

// Only a food's count of exactly 0 is told; a negative count (from an edited save file) shows
// nothing.
std::string lackOfFood(const GameState& game, int row) {
    const Item& food = item(row);
    return food.meal != Meal::None && game.*food.count == 0
               ? "You do not have any " + lowerCaseName(food)
               : std::string();
}

// A negative count eats nothing and stays as it is. The cap runs even when nothing was eaten,
// so an HP or TP above its maximum (from a save file) comes down to it; chocolate, which fills
// both up, has no cap of its own.
void eat(GameState& game, int row) {
    const Item& food = item(row);
    Integer& count = game.*food.count;
    const bool held = count >= 1;
    switch (food.meal) {
    case Meal::None:
        return;
    case Meal::AsInBattle:
        gainHealth(game, food.effect, held);
        break;
    case Meal::FillsUp:
        if (held) {
            game.YourHP = game.YourMaxHP;
            game.YourTP = game.YourMaxTP;
        }
        break;
    }
    if (held)
        --count;
}
