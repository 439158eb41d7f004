#include "web/WebKeys.h"

#include <array>
#include <string_view>
#include <utility>

namespace {

using Names = std::pair<std::string_view, std::string_view>;

// The browser's names of the keys that type no character, and the game's names for them.
constexpr std::array<Names, 14> namedKeys{{
    {"ArrowUp", "Up"},
    {"ArrowDown", "Down"},
    {"ArrowLeft", "Left"},
    {"ArrowRight", "Right"},
    {"Escape", "Esc"},
    {"Backspace", "Backspace"},
    {"Delete", "Del"},
    {"Insert", "Ins"},
    {"Home", "Home"},
    {"End", "End"},
    {"PageUp", "PgUp"},
    {"PageDown", "PgDown"},
    {"Tab", "Tab"},
    {" ", "Space"},
}};

// What the same keys type on the desktop, where they type anything.
constexpr std::array<Names, 6> typedByNamedKeys{{
    {"Esc", "\x1b"},
    {"Backspace", "\b"},
    {"Del", "\x7f"},
    {"Tab", "\t"},
    {"Space", " "},
    {"Return", "\r"},
}};

template <std::size_t N>
std::string_view lookUp(const std::array<Names, N>& names, std::string_view key) {
    for (const auto& [from, to] : names)
        if (from == key)
            return to;
    return {};
}

bool isOneCharacter(std::string_view key) {
    if (key.empty())
        return false;
    const auto lead = static_cast<unsigned char>(key.front());
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return key.size() == length;
}

std::string upper(std::string_view character) {
    std::string name(character);
    if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z')
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
    return name;
}

// The key without its modifiers; empty for a modifier alone or a key the game has no name for.
std::string baseName(std::string_view key, std::string_view code) {
    if (key == "Enter")
        return code == "NumpadEnter" ? "Enter" : "Return";
    if (const std::string_view named = lookUp(namedKeys, key); !named.empty())
        return std::string(named);
    if (key.size() >= 2 && key.size() <= 3 && key[0] == 'F' && key[1] >= '1' && key[1] <= '9')
        return std::string(key);
    return isOneCharacter(key) ? upper(key) : std::string();
}

std::string modifiersOf(const emscripten::val& event) {
    std::string prefix;
    if (event["ctrlKey"].as<bool>())
        prefix += "Ctrl+";
    if (event["altKey"].as<bool>())
        prefix += "Alt+";
    if (event["shiftKey"].as<bool>())
        prefix += "Shift+";
    if (event["metaKey"].as<bool>())
        prefix += "Meta+";
    return prefix;
}

} // namespace

KeyPress keyPressOf(const emscripten::val& event) {
    const std::string key = event["key"].as<std::string>();
    const std::string base = baseName(key, event["code"].as<std::string>());
    if (base.empty())
        return {};
    const std::string modifiers = modifiersOf(event);
    // Shift+Tab is a key of its own, as the desktop names it.
    if (base == "Tab" && modifiers == "Shift+")
        return {"Backtab", ""};
    const bool commands = modifiers.find("Ctrl+") != std::string::npos ||
                          modifiers.find("Alt+") != std::string::npos ||
                          modifiers.find("Meta+") != std::string::npos;
    std::string text;
    if (!commands)
        text = isOneCharacter(key) ? key : std::string(lookUp(typedByNamedKeys, base));
    if (base == "Enter" && !commands)
        text = "\r";
    return {modifiers + base, text};
}
