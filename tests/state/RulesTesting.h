#pragma once

#include "state/NewGame.h"

// A hero as a new game makes him, called `name`: what the rules tests start from.
inline GameState newHero(const std::string& name = "") {
    GameState game;
    game.YourName = name;
    writeStartingFigures(game);
    writeStartingPlace(game);
    return game;
}
