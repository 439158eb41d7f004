#pragma once

#include "state/GameState.h"

#include <string>

// The experience a hero of this level needs for the next one: 20 at level 1 up to 50 at
// level 4. Level 5 is the last; it has no next level.
constexpr int HighestLevel = 5;
Integer experienceNeeded(Integer level);

// Each raises a hero of the level before it by one level: the gains of the level table are
// added (HP and TP too, without a refill or a cap), the maxima are set to the table's figures,
// and levels 2 and 5 teach a technique. Returns the gains line, or an empty line and changes
// nothing when the hero is not at the level before.
std::string levelUpTo2(GameState& game);
std::string levelUpTo3(GameState& game);
std::string levelUpTo4(GameState& game);
std::string levelUpTo5(GameState& game);
