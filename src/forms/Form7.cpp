#include "forms/Form7.h"

#include "forms/Form6.h"
#include "state/GameState.h"
#include "toolkit/FormRegistry.h"
#include "toolkit/Keys.h"
#include "toolkit/Widgets.h"

#include <QLabel>

namespace {

// The page's fixed texts. They tell the techniques as the page has always told them, even
// where battle differs (the nuke does 50 damage there).
struct TechniqueRow {
    const char* name;
    const char* markLabel;
    Flag GameState::*learned;
    const char* description;
    const char* cost;
};

constexpr TechniqueRow techniqueRows[] = {
    {"Slash", "lblSlash", &GameState::HasSlash, "10 Damage to Enemy", "5"},
    {"Strike", "lblStrike", &GameState::HasStrike, "15 Damage to Enemy", "7"},
    {"Bandage", "lblBandage", &GameState::HasBandage, "25 HP gain to You", "10"},
    {"Double Slash", "lblDSlash", &GameState::HasDSlash, "20 Damage to Enemy", "12"},
    {"Double Strike", "lblDStrike", &GameState::HasDStrike, "30 Damage to Enemy", "16"},
    {"Heat Sword", "lblHeatSword", &GameState::HasHeatSword, "35 Damage to Enemy", "20"},
    {"Cold Sword", "lblColdSword", &GameState::HasColdSword, "40 Damage to Enemy", "24"},
    {"Electric Sword", "lblElectricSword", &GameState::HasElectricSword, "50 Damage to Enemy",
     "30"},
    {"Large Bandage", "lblLBandage", &GameState::HasLBandage, "50 HP gain to You", "25"},
    {"Nuke", "lblNuke", &GameState::HasNuke, "100 Damage to Enemy", "50"},
};

} // namespace

Form7::Form7() : MenuPage(5730, 5655) {
    addLabel(this, "", "Techniques", {240, 240, 5175, 255});
    const std::pair<const char*, int> headings[] = {
        {"Name", 240}, {"Knowed", 1920}, {"Description", 2760}, {"TP Cost", 4680}};
    for (const auto& [heading, left] : headings)
        addLabel(this, "", heading, {left, 720, 735, 255});
    for (int row = 0; row < 10; ++row) {
        const TechniqueRow& technique = techniqueRows[row];
        const int top = 1200 + 360 * row;
        addLabel(this, "", technique.name, {240, top, 1455, 255});
        describe(addLabel(this, technique.markLabel, "NO", {1920, top, 615, 255}),
                 QStringLiteral("%1 learned").arg(QLatin1String(technique.name)));
        addLabel(this, "", technique.description, {2760, top, 1695, 255});
        addLabel(this, "", technique.cost, {4680, top, 735, 255});
    }
    addBox(this, 120, 600, 5520, 4800);
    addLine(this, 120, 1080, 5520, 1080);
    auto* page1 = addButton(this, "Command1", "Page 1", {240, 5040, 1095, 375});
    auto* quit = addButton(this, "Command3", "Quit", {1680, 5040, 1095, 375});
    bindKeys(quit, {Qt::Key_Escape}, QStringLiteral("Escape"));
    connect(page1, &QPushButton::clicked, this, &Form7::Command1_Click);
    connect(quit, &QPushButton::clicked, this, &Form7::Command3_Click);
}

void Form7::Form_Load() {
    for (const TechniqueRow& technique : techniqueRows)
        if (theGame().*technique.learned == True)
            showText(this, technique.markLabel, QStringLiteral("YES"));
}

void Form7::Command1_Click() {
    Show<Form6>();
    Unload<Form7>();
}
