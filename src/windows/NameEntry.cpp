#include "windows/NameEntry.h"

#include <algorithm>
#include <cctype>

namespace {

// One key of the on-screen keyboard: its control number and the character it adds in each case.
struct Key {
    int number;
    char upper;
    char lower;
};

// The 36 keys in their order on screen, twelve to a row.
constexpr std::array<Key, 36> keyboard = [] {
    std::array<Key, 36> keys{};
    for (int letter = 0; letter < 26; ++letter)
        keys[std::size_t(letter)] = {2 + letter, char('A' + letter), char('a' + letter)};
    constexpr char uppers[] = "!@#$%^*()~";
    constexpr char lowers[] = "1234567890";
    constexpr int numbers[] = {28, 29, 31, 32, 33, 34, 35, 36, 37, 38};
    for (std::size_t sign = 0; sign < 10; ++sign)
        keys[26 + sign] = {numbers[sign], uppers[sign], lowers[sign]};
    return keys;
}();

std::string keyToolTip(const Key& key) {
    const bool twoSigns = key.upper != std::toupper(key.lower);
    return std::string("Key: ") + key.upper + (twoSigns ? std::string(" or ") + key.lower : "");
}

} // namespace

NameEntry::NameEntry(const WindowContext& context)
    : GameWindow(Name, context, gameCaption(), {0, 0, 7185, 3735}, Frame::Fixed) {
    addLabel("Label1", "Enter Your Name.", {120, 120, 6975, 375});
    name_ = &addLabel("YouName", "Hero", {120, 720, 6975, 375});
    name_->description = "Your name";
    for (std::size_t index = 0; index < keyboard.size(); ++index) {
        const Key& key = keyboard[index];
        const int row = int(index) / 12;
        const int place = int(index) % 12;
        keys_[index] = &addButton("Command" + std::to_string(key.number), {key.upper},
                                  {120 + 600 * place, 1320 + 600 * row, 375, 375});
        keys_[index]->toolTip = keyToolTip(key);
        onClick(*keys_[index], [this, index] {
            append({upperCase_ ? &keyboard[index].upper : &keyboard[index].lower, 1});
        });
    }
    caseToggle_ = &addButton("Command40", "Lower Case", {1080, 3240, 1455, 375});
    Control& space = addButton("Command39", "SPACE", {2640, 3240, 1455, 375});
    const Control& startOver = addButton("Command30", "Start Over", {4200, 3240, 1335, 375});
    Control& next = addButton("Command1", "Continue", {5640, 3240, 1455, 375});
    for (int top : {600, 1200, 3000})
        addLine(0, top, 7200, top);
    space.toolTip = "Key: Space";
    next.toolTip = "Key: Enter";
    onClick(*caseToggle_, [this] { toggleCase(); });
    onClick(space, [this] { append(" "); });
    onClick(startOver, [this] { setCaption(*name_, {}); });
    onClick(next, [this] { confirm(); });
}

void NameEntry::append(std::string_view characters) {
    setCaption(*name_, name_->caption + std::string(characters));
}

void NameEntry::toggleCase() {
    upperCase_ = !upperCase_;
    for (std::size_t index = 0; index < keyboard.size(); ++index)
        setCaption(*keys_[index], {upperCase_ ? keyboard[index].upper : keyboard[index].lower});
    setCaption(*caseToggle_, upperCase_ ? "Lower Case" : "Upper Case");
}

void NameEntry::confirm() {
    game().YourName = name_->caption;
    announce(Happening::NameChosen);
}

bool NameEntry::typed(const KeyPress& key) {
    if (key.key.find("Ctrl+") != std::string::npos || key.key.find("Alt+") != std::string::npos)
        return false;
    if (key.key == "Return" || key.key == "Enter") {
        confirm();
        return true;
    }
    if (key.key == "Backspace") {
        std::string shorter = name_->caption;
        if (!shorter.empty())
            shorter.pop_back();
        setCaption(*name_, shorter);
        return true;
    }
    const auto addedByAKey = [&](const Key& each) {
        return key.text == std::string{each.upper} || key.text == std::string{each.lower};
    };
    if (key.text != " " && std::none_of(keyboard.begin(), keyboard.end(), addedByAKey))
        return false;
    append(key.text);
    return true;
}
