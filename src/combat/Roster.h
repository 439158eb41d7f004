#pragma once

#include "state/GameState.h"

#include <string_view>

// One kind of enemy: how it greets, its five figures, and what beating it pays. The leader of
// the bandits pays nothing: beating him ends the game.
struct Enemy {
    std::string_view key;
    std::string_view greeting;
    Integer HP;
    Integer AT;
    Integer DE;
    Integer SE;
    Integer SP;
    Integer EX;
    Integer Gold;
    std::string_view rewardLine;
    bool endsTheGame;
};

// The roster entry whose key is exactly this name (case-sensitive), or nullptr.
const Enemy* findEnemy(std::string_view key);

// Sets the enemy's five figures from the roster entry named by EnemyName and returns the
// entry, or nullptr when the name is not in the roster (and then changes nothing).
const Enemy* setUpEnemy(GameState& game);
