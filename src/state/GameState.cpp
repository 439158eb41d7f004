#include "state/GameState.h"

#include <algorithm>
#include <limits>

Integer addWithinLimits(Integer value, int amount) {
    constexpr int lowest = std::numeric_limits<Integer>::min();
    constexpr int highest = std::numeric_limits<Integer>::max();
    return Integer(std::clamp(int(value) + amount, lowest, highest));
}

GameState& theGame() {
    static GameState game;
    return game;
}

void putHeroAt(GameState& game, const Place& place) {
    game.Location = place.location;
    game.Quadrant = place.quadrant;
    game.Position = place.position;
}
