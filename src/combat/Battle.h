#pragma once

#include "state/GameState.h"

#include <array>
#include <string>

// What the ten list buttons stand for.
enum class ListMode : Integer { Nothing = 0, Items = 1, Techniques = 2 };

// The battle screen's own figures, which live exactly as long as one battle.
struct BattleFields {
    Integer HitDamage = 0; // the damage of the hero's last plain attack
    Integer GuardDE = 0;   // the defence the enemy's next hit is measured against
    ListMode listMode = ListMode::Nothing;
};

// The hero's figures for this battle start as copies of the permanent ones.
void startBattle(GameState& game);

// One turn of the hero. `message` is the line that tells what the hero did. When the action
// won the battle, the caller goes on to the victory; otherwise GuardDE is set for the enemy's
// answer, which always follows.
struct HeroAction {
    std::string message;
    bool won = false;
};

HeroAction attack(GameState& game, BattleFields& battle);
HeroAction defend(GameState& game, BattleFields& battle);
// The list button 1..10 for the list on show; only an enabled button may be pressed.
HeroAction useListButton(GameState& game, BattleFields& battle, int button);

// The list buttons' captions and which can be pressed. Showing a list sets the list mode.
struct ListButton {
    std::string caption;
    bool enabled = false;
};
using ListButtons = std::array<ListButton, 10>;
ListButtons showItems(const GameState& game, BattleFields& battle);
ListButtons showTechniques(const GameState& game, BattleFields& battle);

// The enemy's turn: its hit on the hero, measured against GuardDE.
struct EnemyHit {
    Integer damage = 0;
    bool heroDied = false;
    std::string message; // "Slime attacks you for 1"
};
EnemyHit enemyAttack(GameState& game, const BattleFields& battle);

// The victory: the reward and at most one level-up. Beating the leader pays nothing and ends
// the game; then nothing else is filled in.
struct Victory {
    bool endsTheGame = false;
    std::string rewardLine; // info4
    std::string levelLine;  // info5, empty when no level was gained
    std::string gainsLine;  // info6, empty when no level was gained
};
Victory rewardVictory(GameState& game);
