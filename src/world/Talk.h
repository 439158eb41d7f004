#pragma once

#include "state/GameState.h"

#include <optional>
#include <string>

// What a talk leads to once the player has read the words.
enum class TalkEffect {
    None,
    Rest,     // the inn: HP and TP to their maxima, the hero on the bed
    OpenShop, // the shop counter
    Fight,    // a guard or the leader: EnemyName names the enemy
};

// The words of whoever hears the hero on his cell, and what follows them.
struct Talk {
    std::string words;
    TalkEffect effect = TalkEffect::None;
    std::string enemy;     // for a fight
    Integer storyFrom = 0; // the stage this talk advances by one, or 0
};

// Runs the talk script of the screen named by Location and Quadrant against Position. Nobody
// hears the hero (nothing is shown, nothing changes) when the cell is in none of the script's
// lists or the place names no screen.
std::optional<Talk> hear(const GameState& game);

// The effects of a talk after its words have been read: the story stage advances only from
// the stage just below; the rest refills HP and TP and puts the hero on the inn's bed; a fight
// names its enemy. The windows then redraw, open the shop or open the battle.
void afterWords(GameState& game, const Talk& talk);
