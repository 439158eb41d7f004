#include "windows/StatusPage.h"

#include "combat/Levels.h"
#include "items/Catalogue.h"
#include "items/Food.h"

namespace {

// An item row's count label: "lbl" and the item's key ("lblBread", "lblLBread").
std::string countLabelOf(const Item& item) {
    return "lbl" + std::string(item.key);
}

// A figure and its level's nominal value, as "10/10".
std::string pair(Integer value, Integer nominal) {
    return std::to_string(value) + "/" + std::to_string(nominal);
}

} // namespace

StatusPage::StatusPage(const WindowContext& context) : MenuPage(Name, context, {0, 0, 6240, 6825}) {
    buildFigures();
    buildItemTable();
    addPageButtons("Command12", "Page 2", "Command13", 6360, Happening::SecondMenuPageChosen);
}

void StatusPage::buildFigures() {
    const std::pair<const char*, int> captions[] = {
        {"Name", 240}, {"Level", 600}, {"Gold", 960}, {"HP:", 1320}, {"TP:", 1680}};
    for (const auto& [caption, top] : captions)
        addLabel("", caption, {240, top, 600, 255});
    addLabel("lblName", "", {840, 240, 855, 255}).description = "Name";
    addLabel("lblLevel", "", {840, 600, 855, 255}).description = "Level";
    addLabel("lblGold", "", {840, 960, 855, 255}).description = "Gold";
    for (const auto& [current, maximum, top] :
         {std::tuple{"yourHP", "yourMaxHP", 1320}, std::tuple{"yourTP", "yourMaxTP", 1680}}) {
        addLabel(current, "", {840, top, 255, 255});
        addLabel("", "/", {1200, top, 135, 255});
        addLabel(maximum, "", {1440, top, 255, 255});
    }
    const std::pair<const char*, const char*> statistics[] = {
        {"AT:", "lblAT"}, {"DE: ", "lblDE"}, {"SE:", "lblSE"}, {"SP:", "lblSP"}};
    for (int row = 0; row < 4; ++row) {
        const auto& [caption, name] = statistics[row];
        addLabel("", caption, {1920, 360 + 360 * row, 375, 255});
        addLabel(name, "", {2280, 360 + 360 * row, 735, 255}).description =
            std::string(caption) + " now, and at this level";
    }
    addLabel("", "EX needed for next level:", {3240, 1320, 1815, 255});
    addLabel("neededex", "", {5160, 1320, 495, 255}).description =
        "Experience needed for the next level";
    addLabel("", "Your EX", {3240, 1680, 1815, 255});
    addLabel("lblex", "", {5160, 1680, 495, 255}).description = "Experience";
    describeHealth();
    addBox(120, 120, 1800, 2040);
    addBox(1800, 120, 3120, 2040);
    addBox(3120, 120, 6120, 2040);
}

// Only food can be eaten here; equipment and weapons are for battle.
void StatusPage::buildItemTable() {
    const std::pair<const char*, int> headings[] = {
        {"NAME:", 240}, {"Description:", 1440}, {"Number:", 4200}, {"Use ", 5040}};
    for (const auto& [heading, left] : headings)
        addLabel("", heading, {left, 2160, 975, 255});
    for (int row = 1; row <= 10; ++row) {
        const Item& each = item(row);
        const int top = 2640 + 360 * (row - 1);
        const std::string name(each.name);
        addLabel("", name, {240, top, 975, 255});
        addLabel("", std::string(each.menuDescription), {1440, top, 2535, 255});
        addLabel(countLabelOf(each), "", {4200, top, 615, 255}).description = name + " held";
        Control& use = addButton("Command" + std::to_string(row), "Use", {5040, top, 615, 255});
        use.description = "Use " + name;
        if (each.meal != Meal::None)
            onClick(use, [this, row] { eat(row); });
        else
            use.enabled = false;
    }
    addBox(120, 2040, 6120, 6240);
    addLine(120, 2520, 6120, 2520);
}

void StatusPage::load() {
    const GameState& hero = game();
    fillHealthLabels();
    setNumber(control("lblLevel"), hero.YourLevel);
    setNumber(control("lblGold"), hero.YourGold);
    setCaption(control("lblName"), hero.YourName);
    setCaption(control("lblAT"), pair(hero.YourAT, hero.YourMaxAT));
    setCaption(control("lblDE"), pair(hero.YourDE, hero.YourMaxDE));
    setCaption(control("lblSE"), pair(hero.YourSE, hero.YourMaxSE));
    setCaption(control("lblSP"), pair(hero.YourSP, hero.YourMaxSP));
    for (const Item& each : items())
        setNumber(control(countLabelOf(each)), hero.*each.count);
    setNumber(control("neededex"), experienceNeeded(hero.YourLevel));
    setNumber(control("lblex"), hero.YourEX);
}

// Eating says so only when there is none; the figures are shown again either way, here and on
// the move screen.
void StatusPage::eat(int row) {
    const std::string lack = lackOfFood(game(), row);
    tell(lack.empty() ? std::vector<std::string>{} : std::vector{lack}, [this, row] {
        ::eat(game(), row);
        setNumber(control(countLabelOf(item(row))), game().*item(row).count);
        fillHealthLabels();
        announce(Happening::MealEaten);
    });
}
