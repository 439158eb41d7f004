#include "forms/Form11.h"

#include "forms/Form2.h"
#include "items/Catalogue.h"
#include "items/Shop.h"
#include "toolkit/Dialogs.h"
#include "toolkit/FormRegistry.h"
#include "toolkit/Keys.h"
#include "toolkit/Text.h"
#include "toolkit/Widgets.h"

#include <QLabel>

namespace {

// A row's count label: "num" and the item's key in small letters ("numbread", "numlbread").
QByteArray countLabelOf(const Item& item) {
    return controlName("num", item.key).toLower();
}

} // namespace

Form11::Form11() : GameForm(GameCaption, 7560, 5415, Frame::Sizable) {
    addLabel(this, "Label1", "What would you like to buy?", {1800, 120, 3495, 375})
        ->setFont(layoutFont(FontFamily::Sans, 12, true));
    const std::pair<const char*, int> headings[] = {
        {"Name", 240}, {"Cost", 1560}, {"You Have", 2280}, {"Description", 3360}, {"Buy ?", 6000}};
    for (const auto& [heading, left] : headings)
        addLabel(this, "", heading, {left, 720, 1095, 255});
    for (int row = 1; row <= 10; ++row) {
        const Item& item = ::item(row);
        const int top = 1200 + 360 * (row - 1);
        addLabel(this, "", text(item.name), {240, top, 1095, 255});
        addLabel(this, "", QString::number(item.cost), {1560, top, 495, 255});
        describe(addLabel(this, countLabelOf(item).constData(), "", {2280, top, 855, 255}),
                 QStringLiteral("%1 held").arg(text(item.name)));
        addLabel(this, "", text(item.shopDescription), {3360, top, 2415, 255});
        const QByteArray name = "Command" + QByteArray::number(row);
        auto* buyButton =
            addButton(this, name.constData(), text(item.buyCaption), {6000, top, 1335, 255});
        connect(buyButton, &QPushButton::clicked, this, [this, row] { buyClicked(row); });
    }
    addBox(this, 120, 600, 7440, 4800);
    addLine(this, 120, 1080, 7440, 1080);
    addLabel(this, "", "You have ", {120, 4920, 855, 255});
    describe(addLabel(this, "numgold", "", {960, 4920, 855, 255}), QStringLiteral("Gold"));
    addLabel(this, "", "gold.", {1920, 4920, 855, 255});
    auto* done = addButton(this, "Command11", "Done", {3000, 4920, 1455, 375});
    bindKeys(done, {Qt::Key_Escape}, QStringLiteral("Escape"));
    connect(done, &QPushButton::clicked, this, &Form11::Command11_Click);
}

void Form11::Form_Load() {
    for (int row = 1; row <= 10; ++row)
        showRow(row);
}

// Whatever happened, the row's count and the gold are shown again.
void Form11::buyClicked(int row) {
    for (const std::string& message : buy(theGame(), row))
        MsgBox(text(message));
    showRow(row);
}

void Form11::showRow(int row) {
    showNumber(this, countLabelOf(item(row)).constData(), theGame().*item(row).count);
    showNumber(this, "numgold", theGame().YourGold);
}

void Form11::Command11_Click() {
    Form2::returnFromShop();
    Unload<Form11>();
}
