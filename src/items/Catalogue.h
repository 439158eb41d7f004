#pragma once

#include "state/GameState.h"
#include "state/Words.h"

#include <span>
#include <string>
#include <string_view>

// Everything the game knows of its ten items and ten techniques, one record each, in the order
// of every list that shows them: the battle's list buttons Do1 to Do10, the menu's rows and
// the shop's rows. Battle, shop, food and both menu pages read these records; nothing about an
// item or a technique is written anywhere else.

// What using an item or a technique does. HP and TP gains stop at the maxima; a raise lifts one
// of the hero's battle copies until the battle ends; damage comes off the enemy's HP, and only
// an action that deals damage can win.
struct Effect {
    int HP = 0;
    int TP = 0;
    Integer GameState::*raised = nullptr;
    int raise = 0;
    int damage = 0;
};

// Adds an effect's HP and TP gains (when the item was really used), each stopping at its
// maximum. A figure the effect restores comes down to its maximum even without a gain (an HP
// above it from a save file); a figure it does not restore is left as it is.
void gainHealth(GameState& game, const Effect& effect, bool used);

// Where battle lines name the enemy.
constexpr NameSlot TheEnemy;

// How the status page lets the hero eat an item outside battle: not at all (equipment and
// weapons), with the item's battle effect, or filling HP and TP to their maxima (chocolate,
// which in battle only adds 99 to each).
enum class Meal { None, AsInBattle, FillsUp };

struct Item {
    std::string_view key;  // as in its count field NumKey: "Bread", "LBread"
    std::string_view name; // as the menu and the shop list it: "Large Bread"
    Integer GameState::*count;
    // In battle: the list button's caption before the count, the effect, the line it writes.
    std::string_view listLabel;
    Effect effect;
    Words battleLine;
    // On the status page: the row's description, and whether and how it is eaten there.
    std::string_view menuDescription;
    Meal meal;
    // In the shop: the price in gold, the row's description and button.
    Integer cost;
    std::string_view shopDescription;
    std::string_view buyCaption;
};

struct Technique {
    std::string_view key;  // as in its flag HasKey: "Slash", "DSlash"
    std::string_view name; // as the techniques page lists it: "Double Slash"
    Flag GameState::*learned;
    Integer cost; // the TP it needs and spends, as the techniques page shows it
    // In battle: the list button's caption (two name less TP than they spend), the effect,
    // the line it writes.
    std::string_view listCaption;
    Effect effect;
    Words battleLine;
    // The techniques page's description, as the page has always told it (the nuke does 50
    // damage in battle, not 100).
    std::string_view pageDescription;
};

// The most of one item the shop sells anyone.
constexpr Integer MostOfAnItem = 9999;

std::span<const Item, 10> items();
std::span<const Technique, 10> techniques();

// An item's name as messages write it, in small letters: "large bread".
std::string lowerCaseName(const Item& item);

// The item or technique of a list button or a row, numbered 1 to 10.
const Item& item(int row);
const Technique& technique(int row);
