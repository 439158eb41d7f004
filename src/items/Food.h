#pragma once

#include "state/GameState.h"

#include <string>

// Eating on the status page, outside battle. Rows are the item rows 1 to 10; the first five
// are the foods (Bread, Large Bread, Fruit, Large Fruit, Chocolate) and only they can be eaten.

// The message to show before eating when none of the food is held ("You do not have any
// bread"), or an empty string.
std::string lackOfFood(const GameState& game, int row);

// Eats one piece when there is one (its gain, one fewer held); the cap on HP or TP that the
// food restores applies either way.
void eat(GameState& game, int row);
