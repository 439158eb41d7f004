#include "state/GameState.h"

#include <algorithm>
#include <limits>

Integer addWithinLimits(Integer value, int amount) {
    constexpr int lowest = std::numeric_limits<Integer>::min();
    constexpr int highest = std::numeric_limits<Integer>::max();
    return Integer(std::clamp(int(value) + amount, lowest, highest));
}

// GCC 12 at -O3 reports a false -Wrestrict inside std::string's assignment from a string_view
// (GCC bug 105651): a string literal cannot overlap the string's own buffer.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#endif
void putHeroAt(GameState& game, const Place& place) {
    game.Location = place.location;
    game.Quadrant = place.quadrant;
    game.Position = place.position;
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
