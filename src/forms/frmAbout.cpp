#include "forms/frmAbout.h"

#include "forms/graForm1.h"
#include "toolkit/FormRegistry.h"
#include "toolkit/Keys.h"
#include "toolkit/Widgets.h"

#include <QLabel>

frmAbout::frmAbout()
    : GameForm(QStringLiteral("About Quillmar v1.0.0"), 5730, 3450, Frame::FixedDialog) {
    auto* icon = addPicture(this, "picIcon", {240, 240, 540, 540});
    icon->setPicture(graForm1::instance().picture("GameIcon"));
    nameForScreenReaders(icon, QStringLiteral("Quillmar icon"));
    addLabel(this, "lblTitle", "Quillmar", {1080, 240, 3885, 480})
        ->setFont(layoutFont(FontFamily::Sans, 14, true));
    describe(findChild<QWidget*>("lblTitle"), QStringLiteral("Game"));
    describe(addLabel(this, "lblVersion", "Version: v1.0.0", {1050, 720, 3885, 225}),
             QStringLiteral("Version"));
    addLabel(this, "Label1", "Lantern Oak Studio", {1080, 960, 3855, 255});
    addLabel(this, "Label2", "Copyright (C) 2026 Lantern Oak Studio", {1080, 1320, 3855, 255});
    addLabel(this, "lblDescription",
             "Game Description: A roleplaying game in which you save the world from the Evilons. ",
             {1080, 1680, 3885, 450});
    addLine(this, 0, 2160, 5760, 2160)->setObjectName("Line1");
    addLabel(this, "lblDisclaimer",
             "Warning: this game is protected by copyright law. Copying or passing it on without "
             "the permission of Lantern Oak Studio is not allowed.",
             {255, 2280, 3870, 1065});
    auto* ok = addButton(this, "Command1", "Ok", {4320, 2640, 1215, 375});
    ok->setDefault(true);
    bindKeys(ok, {Qt::Key_Escape}, QStringLiteral("Enter or Escape"));
    connect(ok, &QPushButton::clicked, this, &frmAbout::Command1_Click);
}

void frmAbout::Command1_Click() {
    Unload<frmAbout>();
}
