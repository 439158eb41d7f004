#pragma once

#include "state/GameState.h"

#include <string>

// The five foods the status page can use outside battle, rows 1..5: Bread, Large Bread, Fruit,
// Large Fruit, Chocolate.
constexpr int FoodCount = 5;

// The message to show before eating when none of the food is held ("You do not have any
// bread"), or an empty string.
std::string lackOfFood(const GameState& game, int row);

// Eats one piece when there is one (its gain, one fewer held); the cap on HP or TP that the
// food restores applies either way.
void eat(GameState& game, int row);
