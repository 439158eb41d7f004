#include "windows/ShopWindow.h"

#include "items/Catalogue.h"
#include "items/Shop.h"

#include <algorithm>

namespace {

// A row's count label: "num" and the item's key in small letters ("numbread", "numlbread").
std::string countLabelOf(const Item& item) {
    std::string name = "num" + std::string(item.key);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return name;
}

} // namespace

ShopWindow::ShopWindow(const WindowContext& context)
    : GameWindow(Name, context, gameCaption(), {0, 0, 7560, 5415}, Frame::Sizable) {
    addLabel("Label1", "What would you like to buy?", {1800, 120, 3495, 375}).font = {
        FontFamily::Sans, 12, true};
    const std::pair<const char*, int> headings[] = {
        {"Name", 240}, {"Cost", 1560}, {"You Have", 2280}, {"Description", 3360}, {"Buy ?", 6000}};
    for (const auto& [heading, left] : headings)
        addLabel("", heading, {left, 720, 1095, 255});
    for (int row = 1; row <= 10; ++row) {
        const Item& each = item(row);
        const int top = 1200 + 360 * (row - 1);
        const std::string name(each.name);
        addLabel("", name, {240, top, 1095, 255});
        addLabel("", std::to_string(each.cost), {1560, top, 495, 255});
        addLabel(countLabelOf(each), "", {2280, top, 855, 255}).description = name + " held";
        addLabel("", std::string(each.shopDescription), {3360, top, 2415, 255});
        const Control& buyButton = addButton("Command" + std::to_string(row),
                                             std::string(each.buyCaption), {6000, top, 1335, 255});
        onClick(buyButton, [this, row] { buyOne(row); });
    }
    addBox(120, 600, 7440, 4800);
    addLine(120, 1080, 7440, 1080);
    addLabel("", "You have ", {120, 4920, 855, 255});
    addLabel("numgold", "", {960, 4920, 855, 255}).description = "Gold";
    addLabel("", "gold.", {1920, 4920, 855, 255});
    Control& done = addButton("Command11", "Done", {3000, 4920, 1455, 375});
    bindKeys(done, {"Esc"}, "Escape");
    onClick(done, [this] { announce(Happening::ShopLeft); });
}

void ShopWindow::load() {
    for (int row = 1; row <= 10; ++row)
        showRow(row);
}

// Whatever happened, the row's count and the gold are shown again.
void ShopWindow::buyOne(int row) {
    tell(buy(game(), row), [this, row] { showRow(row); });
}

void ShopWindow::showRow(int row) {
    setNumber(control(countLabelOf(item(row))), game().*item(row).count);
    setNumber(control("numgold"), game().YourGold);
}
