#include "combat/Roster.h"

#include <algorithm>
#include <array>

namespace {

// Every enemy of the game. "Mole" is met nowhere, but a battle against it works all the same.
constexpr std::array<Enemy, 6> roster{{
    // key, greeting, HP, AT, DE, SE, SP, EX, Gold, reward line, ends the game
    {"Slime", "Slime Whats to Fight!", 4, 2, 2, 2, 2, 2, 2, "You get 2 Ex, and 2 Gold.", false},
    {"Bat", "Bat Whats to Fight!", 6, 3, 3, 3, 3, 3, 3, "You get 3 Ex, and 3 Gold.", false},
    {"Mole", "Mole Whats to Fight!", 8, 4, 4, 4, 4, 4, 4, "You get 4 Ex, and 4 Gold.", false},
    {"BanditInTraining", "Bandit In Training Whats to Fight!", 12, 6, 6, 6, 6, 6, 6,
     "You get 6 Ex, and 6 Gold.", false},
    {"Bandit", "Bandit Whats to Fight!", 16, 8, 8, 8, 8, 8, 8, "You get 8 Ex, and 8 Gold.", false},
    {"LeaderOfBandits", "Leader Of Bandits Whats to Fight!", 24, 12, 12, 12, 12, 0, 0, "", true},
}};

} // namespace

const Enemy* findEnemy(std::string_view key) {
    const auto found =
        std::find_if(roster.begin(), roster.end(), [key](const Enemy& e) { return e.key == key; });
    return found == roster.end() ? nullptr : &*found;
}

const Enemy* setUpEnemy(GameState& game) {
    const Enemy* enemy = findEnemy(game.EnemyName);
    if (enemy) {
        game.EnemyHP = enemy->HP;
        game.EnemyAT = enemy->AT;
        game.EnemyDE = enemy->DE;
        game.EnemySE = enemy->SE;
        game.EnemySP = enemy->SP;
    }
    return enemy;
}
