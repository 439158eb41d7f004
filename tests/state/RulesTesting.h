#pragma once

// What the rules tests share: a new hero, and the numbers and names in the game's own texts.
#include "state/NewGame.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <vector>

inline GameState newHero(const std::string& name = "") {
    GameState game;
    game.YourName = name;
    writeStartingFigures(game);
    writeStartingPlace(game);
    return game;
}

// The whole numbers a text names, in order: "AT+2 HP+3" names 2 and 3.
inline std::vector<int> numbersIn(std::string_view text) {
    std::vector<int> numbers;
    const char *at = text.data(), *const end = at + text.size();
    while ((at = std::find_if(at, end, [](unsigned char c) { return std::isdigit(c); })) != end)
        at = std::from_chars(at, end, numbers.emplace_back()).ptr;
    return numbers;
}

// How messages name an item: "Large Bread" is "large bread".
inline std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}
