#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The game's texts are joined from their pieces with nothing added between them: the blanks,
// and their absence, are exactly those the pieces carry.
std::string joined(std::initializer_list<std::string_view> pieces);

// Stands in words where a name goes: the hero's when people speak to him, the enemy's in a
// battle line. Each table of words names its own slot (YourName, TheEnemy).
struct NameSlot {};

// Words said around a name: the text before it, the name, the text after it. An empty name
// leaves the two texts touching ("Good luck, " and nothing after it).
struct Words {
    constexpr Words(const char* text) : before(text) {}
    constexpr Words(std::string_view text) : before(text) {}
    constexpr Words(std::string_view textBefore, NameSlot, std::string_view textAfter = {})
        : before(textBefore), named(true), after(textAfter) {}

    std::string around(std::string_view name) const {
        return joined({before, named ? name : std::string_view(), after});
    }

    std::string_view before;
    bool named = false;
    std::string_view after;
};
