#include "forms/Form1.h"

#include "forms/Form12.h"
#include "forms/Form2.h"
#include "forms/Form5.h"
#include "forms/Form9.h"
#include "forms/frmAbout.h"
#include "forms/graForm1.h"
#include "state/SaveRecord.h"
#include "toolkit/Dialogs.h"
#include "toolkit/FormRegistry.h"
#include "toolkit/SaveFiles.h"
#include "toolkit/Text.h"
#include "toolkit/Widgets.h"

#include <QLabel>
#include <QPushButton>

Form1::Form1() : GameForm(GameCaption, 7410, 7125, Frame::Fixed) {
    auto* logo = addPicture(this, "Image1", {600, 240, 6135, 4215});
    logo->setPicture(graForm1::instance().picture("MakerLogo"));
    nameForScreenReaders(logo, QStringLiteral("Lantern Oak Studio"));
    addLabel(this, "Label1", "Presents", {2760, 4560, 2295, 495})
        ->setFont(layoutFont(FontFamily::Sans, 24, true));
    auto* title = addPicture(this, "Image2", {1800, 5160, 4095, 1335});
    title->setPicture(graForm1::instance().picture("GameIcon"));
    nameForScreenReaders(title, QStringLiteral("Quillmar"));

    auto* newGame = addButton(this, "Command1", "New Game", {240, 6600, 1000, 375});
    auto* loadGame = addButton(this, "Command2", "Load Game", {1440, 6600, 1000, 375});
    auto* help = addButton(this, "Command4", "Help", {2640, 6600, 1000, 375});
    auto* contact = addButton(this, "Command6", "Contact Us", {3840, 6600, 1000, 375});
    auto* about = addButton(this, "Command3", "About", {5040, 6600, 1000, 375});
    auto* quit = addButton(this, "Command5", "Quit", {6240, 6600, 1000, 375});
    setFocusOrder({newGame, loadGame, about, help, quit, contact});

    connect(newGame, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(loadGame, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(about, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(help, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(quit, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(contact, &QPushButton::clicked, this, &Form1::Command6_Click);
}

void Form1::Command1_Click() {
    Show<Form5>();
    Unload<Form1>();
}

void Form1::Command2_Click() {
    if (const QString path = ShowOpen(SaveFileFilter); !path.isEmpty())
        loadGame(path);
}

// The whole file is read and checked before the game changes: a file that does not read
// leaves the game and the title as they were.
void Form1::loadGame(const QString& path) {
    const SaveFileRead file = readSaveFile(path);
    const SaveRecordRead record = file.ok ? readSaveRecord(file.text, theGame()) : SaveRecordRead{};
    if (!record.ok) {
        const QString problem = file.ok ? text(record.problem) : file.problem;
        MsgBox(QStringLiteral("The game could not be loaded: %1.").arg(problem));
        return;
    }
    theGame() = record.game;
    Form2::startLoadedGame();
    Unload<Form1>();
}

void Form1::Command3_Click() {
    Show<frmAbout>();
}

void Form1::Command4_Click() {
    Show<Form9>();
    Unload<Form1>();
}

void Form1::Command5_Click() {
    EndProgram();
}

void Form1::Command6_Click() {
    Show<Form12>();
    Unload<Form1>();
}
