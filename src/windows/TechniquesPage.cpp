#include "windows/TechniquesPage.h"

#include "items/Catalogue.h"

TechniquesPage::TechniquesPage(const WindowContext& context)
    : MenuPage(Name, context, {0, 0, 5730, 5655}) {
    addLabel("", "Techniques", {240, 240, 5175, 255});
    const std::pair<const char*, int> headings[] = {
        {"Name", 240}, {"Knowed", 1920}, {"Description", 2760}, {"TP Cost", 4680}};
    for (const auto& [heading, left] : headings)
        addLabel("", heading, {left, 720, 735, 255});
    for (int row = 1; row <= 10; ++row) {
        const Technique& each = technique(row);
        const int top = 1200 + 360 * (row - 1);
        addLabel("", std::string(each.name), {240, top, 1455, 255});
        addLabel("lbl" + std::string(each.key), "NO", {1920, top, 615, 255}).description =
            std::string(each.name) + " learned";
        addLabel("", std::string(each.pageDescription), {2760, top, 1695, 255});
        addLabel("", std::to_string(each.cost), {4680, top, 735, 255});
    }
    addBox(120, 600, 5520, 4800);
    addLine(120, 1080, 5520, 1080);
    addPageButtons("Command1", "Page 1", "Command3", 5040, Happening::FirstMenuPageChosen);
}

void TechniquesPage::load() {
    for (const Technique& each : techniques())
        if (game().*each.learned == True)
            setCaption(control("lbl" + std::string(each.key)), "YES");
}
