#include "forms/Form1.h"

#include "forms/Form12.h"
#include "forms/Form5.h"
#include "forms/Form9.h"
#include "forms/frmAbout.h"
#include "forms/graForm1.h"
#include "toolkit/Dialogs.h"
#include "toolkit/FormRegistry.h"
#include "toolkit/Widgets.h"

#include <QLabel>
#include <QPushButton>

Form1::Form1() : GameForm(GameCaption, 7410, 7125, Frame::Fixed) {
    addPicture(this, "Image1", {600, 240, 6135, 4215})
        ->setPicture(graForm1::instance().picture("MakerLogo"));
    addLabel(this, "Label1", "Presents", {2760, 4560, 2295, 495})
        ->setFont(layoutFont(FontFamily::Sans, 24, true));
    addPicture(this, "Image2", {1800, 5160, 4095, 1335})
        ->setPicture(graForm1::instance().picture("GameIcon"));

    auto* newGame = addButton(this, "Command1", "New Game", {240, 6600, 1000, 375});
    // Load Game comes alive with the save files.
    auto* loadGame = addButton(this, "Command2", "Load Game", {1440, 6600, 1000, 375});
    loadGame->setEnabled(false);
    auto* help = addButton(this, "Command4", "Help", {2640, 6600, 1000, 375});
    auto* contact = addButton(this, "Command6", "Contact Us", {3840, 6600, 1000, 375});
    auto* about = addButton(this, "Command3", "About", {5040, 6600, 1000, 375});
    auto* quit = addButton(this, "Command5", "Quit", {6240, 6600, 1000, 375});
    setFocusOrder({newGame, loadGame, about, help, quit, contact});

    connect(newGame, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(about, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(help, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(quit, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(contact, &QPushButton::clicked, this, &Form1::Command6_Click);
}

void Form1::Command1_Click() {
    Show<Form5>();
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
