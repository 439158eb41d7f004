#pragma once

#include "state/GameState.h"

#include <string>

class Form2;
class Form3;

// Puts a hero with the starting figures of a new game on a cell of a screen, as a saved game
// would, so window tests can start anywhere in the world.
GameState heroAt(const std::string& location, const std::string& quadrant,
                 const std::string& position, Integer storyStage = 1);

// Makes `hero` the game and shows the move screen, as loading a saved game does.
Form2& moveScreenOf(const GameState& hero);
Form2& moveScreenAt(const std::string& location, const std::string& quadrant,
                    const std::string& position, Integer storyStage = 1);

// The move screen of `hero`, then a battle against an enemy over it, as an encounter opens it.
Form3* openBattle(const std::string& enemy,
                  const GameState& hero = heroAt("TrainingCenter", "Q1", "x5y5"));
