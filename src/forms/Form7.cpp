#include "forms/Form7.h"

#include "forms/Form6.h"
#include "items/Catalogue.h"
#include "toolkit/FormRegistry.h"
#include "toolkit/Keys.h"
#include "toolkit/Text.h"
#include "toolkit/Widgets.h"

#include <QLabel>

Form7::Form7() : MenuPage(5730, 5655) {
    addLabel(this, "", "Techniques", {240, 240, 5175, 255});
    const std::pair<const char*, int> headings[] = {
        {"Name", 240}, {"Knowed", 1920}, {"Description", 2760}, {"TP Cost", 4680}};
    for (const auto& [heading, left] : headings)
        addLabel(this, "", heading, {left, 720, 735, 255});
    for (int row = 1; row <= 10; ++row) {
        const Technique& technique = ::technique(row);
        const int top = 1200 + 360 * (row - 1);
        addLabel(this, "", text(technique.name), {240, top, 1455, 255});
        describe(addLabel(this, controlName("lbl", technique.key).constData(), "NO",
                          {1920, top, 615, 255}),
                 QStringLiteral("%1 learned").arg(text(technique.name)));
        addLabel(this, "", text(technique.pageDescription), {2760, top, 1695, 255});
        addLabel(this, "", QString::number(technique.cost), {4680, top, 735, 255});
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
    for (const Technique& technique : techniques())
        if (theGame().*technique.learned == True)
            showText(this, controlName("lbl", technique.key).constData(), QStringLiteral("YES"));
}

void Form7::Command1_Click() {
    Show<Form6>();
    Unload<Form7>();
}
