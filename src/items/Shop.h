#pragma once

#include "state/GameState.h"

#include <string>
#include <vector>

// Buys one piece of the item of row 1..10 at its price. Returns the messages to show, in order:
// too little gold first, then a full count; when there is any, nothing is bought.
std::vector<std::string> buy(GameState& game, int row);
