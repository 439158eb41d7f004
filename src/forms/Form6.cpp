#include "forms/Form6.h"

#include "combat/Levels.h"
#include "forms/Form2.h"
#include "forms/Form7.h"
#include "forms/HealthLabels.h"
#include "items/Catalogue.h"
#include "items/Food.h"
#include "toolkit/Dialogs.h"
#include "toolkit/FormRegistry.h"
#include "toolkit/Keys.h"
#include "toolkit/Text.h"
#include "toolkit/Widgets.h"

#include <QLabel>

namespace {

// An item row's count label: "lbl" and the item's key ("lblBread", "lblLBread").
QByteArray countLabelOf(const Item& item) {
    return controlName("lbl", item.key);
}

// A figure and its level's nominal value, as "10/10".
QString pair(Integer value, Integer nominal) {
    return QStringLiteral("%1/%2").arg(value).arg(nominal);
}

} // namespace

Form6::Form6() : MenuPage(6240, 6825) {
    buildFigures();
    buildItemTable();
    auto* page2 = addButton(this, "Command12", "Page 2", {240, 6360, 1095, 375});
    auto* quit = addButton(this, "Command13", "Quit", {1680, 6360, 1095, 375});
    bindKeys(quit, {Qt::Key_Escape}, QStringLiteral("Escape"));
    connect(page2, &QPushButton::clicked, this, &Form6::Command12_Click);
    connect(quit, &QPushButton::clicked, this, &Form6::Command13_Click);
}

void Form6::buildFigures() {
    const std::pair<const char*, int> captions[] = {
        {"Name", 240}, {"Level", 600}, {"Gold", 960}, {"HP:", 1320}, {"TP:", 1680}};
    for (const auto& [caption, top] : captions)
        addLabel(this, "", caption, {240, top, 600, 255});
    describe(addLabel(this, "lblName", "", {840, 240, 855, 255}), QStringLiteral("Name"));
    describe(addLabel(this, "lblLevel", "", {840, 600, 855, 255}), QStringLiteral("Level"));
    describe(addLabel(this, "lblGold", "", {840, 960, 855, 255}), QStringLiteral("Gold"));
    for (const auto& [current, maximum, top] :
         {std::tuple{"yourHP", "yourMaxHP", 1320}, std::tuple{"yourTP", "yourMaxTP", 1680}}) {
        addLabel(this, current, "", {840, top, 255, 255});
        addLabel(this, "", "/", {1200, top, 135, 255});
        addLabel(this, maximum, "", {1440, top, 255, 255});
    }
    const std::pair<const char*, const char*> statistics[] = {
        {"AT:", "lblAT"}, {"DE: ", "lblDE"}, {"SE:", "lblSE"}, {"SP:", "lblSP"}};
    for (int row = 0; row < 4; ++row) {
        addLabel(this, "", statistics[row].first, {1920, 360 + 360 * row, 375, 255});
        describe(addLabel(this, statistics[row].second, "", {2280, 360 + 360 * row, 735, 255}),
                 QStringLiteral("%1 now, and at this level").arg(statistics[row].first));
    }
    addLabel(this, "", "EX needed for next level:", {3240, 1320, 1815, 255});
    describe(addLabel(this, "neededex", "", {5160, 1320, 495, 255}),
             QStringLiteral("Experience needed for the next level"));
    addLabel(this, "", "Your EX", {3240, 1680, 1815, 255});
    describe(addLabel(this, "lblex", "", {5160, 1680, 495, 255}), QStringLiteral("Experience"));
    describeHealth(this);
    addBox(this, 120, 120, 1800, 2040);
    addBox(this, 1800, 120, 3120, 2040);
    addBox(this, 3120, 120, 6120, 2040);
}

void Form6::buildItemTable() {
    const std::pair<const char*, int> headings[] = {
        {"NAME:", 240}, {"Description:", 1440}, {"Number:", 4200}, {"Use ", 5040}};
    for (const auto& [heading, left] : headings)
        addLabel(this, "", heading, {left, 2160, 975, 255});
    // Only food can be eaten here; equipment and weapons are for battle.
    for (int row = 1; row <= 10; ++row) {
        const Item& item = ::item(row);
        const int top = 2640 + 360 * (row - 1);
        addLabel(this, "", text(item.name), {240, top, 975, 255});
        addLabel(this, "", text(item.menuDescription), {1440, top, 2535, 255});
        describe(addLabel(this, countLabelOf(item).constData(), "", {4200, top, 615, 255}),
                 QStringLiteral("%1 held").arg(text(item.name)));
        const QByteArray name = "Command" + QByteArray::number(row);
        auto* use = addButton(this, name.constData(), "Use", {5040, top, 615, 255});
        describe(use, QStringLiteral("Use %1").arg(text(item.name)));
        if (item.meal != Meal::None)
            connect(use, &QPushButton::clicked, this, [this, row] { useFood(row); });
        else
            use->setEnabled(false);
    }
    addBox(this, 120, 2040, 6120, 6240);
    addLine(this, 120, 2520, 6120, 2520);
}

void Form6::Form_Load() {
    const GameState& game = theGame();
    fillHealthLabels(this);
    showNumber(this, "lblLevel", game.YourLevel);
    showNumber(this, "lblGold", game.YourGold);
    showText(this, "lblName", text(game.YourName));
    showText(this, "lblAT", pair(game.YourAT, game.YourMaxAT));
    showText(this, "lblDE", pair(game.YourDE, game.YourMaxDE));
    showText(this, "lblSE", pair(game.YourSE, game.YourMaxSE));
    showText(this, "lblSP", pair(game.YourSP, game.YourMaxSP));
    for (const Item& item : items())
        showNumber(this, countLabelOf(item).constData(), game.*item.count);
    showNumber(this, "neededex", experienceNeeded(game.YourLevel));
    showNumber(this, "lblex", game.YourEX);
}

// Eating says so only when there is none; the figures are shown again either way, here and on
// the move screen.
void Form6::useFood(int row) {
    GameState& game = theGame();
    const std::string lack = lackOfFood(game, row);
    if (!lack.empty())
        MsgBox(text(lack));
    eat(game, row);
    showNumber(this, countLabelOf(item(row)).constData(), game.*item(row).count);
    fillHealthLabels(this);
    Form2::showMealEaten();
}

void Form6::Command12_Click() {
    Show<Form7>();
    Unload<Form6>();
}
