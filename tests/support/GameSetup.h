#pragma once

#include "state/GameState.h"

#include <string>

// Puts a hero with the starting figures of a new game on a cell of a screen, as a saved game
// would, so window tests can start anywhere in the world.
GameState heroAt(const std::string& location, const std::string& quadrant,
                 const std::string& position, Integer storyStage = 1);
