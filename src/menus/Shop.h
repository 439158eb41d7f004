#pragma once

#include "state/GameState.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// One row of the shop's price list.
struct ShopItem {
    std::string_view name;
    Integer cost;
    std::string_view description;
    Integer GameState::*count;
    std::string_view buyCaption;
    std::string_view fullMessage; // shown when the hero already holds the most there may be
};

// The most of one item the shop sells anyone.
constexpr Integer MostOfAnItem = 9999;

std::span<const ShopItem, 10> shopItems();

// Buys one piece of the item of row 1..10. Returns the messages to show, in order: too little
// gold first, then a full count; when there is any, nothing is bought.
std::vector<std::string> buy(GameState& game, int row);
