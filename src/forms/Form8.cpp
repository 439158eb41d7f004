#include "forms/Form8.h"

#include "forms/Form2.h"
#include "toolkit/FormRegistry.h"
#include "toolkit/Keys.h"
#include "toolkit/Widgets.h"

#include <QPushButton>

Form8::Form8() : GameForm(GameCaption, 4680, 2265, Frame::Fixed) {
    addLabel(this, "Label1",
             "Select which town you wish to go too. towns who's names are grayed out you can not "
             "yet go to.",
             {120, 120, 4455, 450});
    auto* farmin = addButton(this, "Farmin", "Go to Farmin", {120, 720, 2175, 375});
    auto* training =
        addButton(this, "TrainingCenter", "Go to Training Center", {120, 1200, 2175, 375});
    auto* cave = addButton(this, "BanditsCave", "Go to Bandits Cave", {120, 1680, 2175, 375});
    for (QPushButton* place : {farmin, training, cave})
        place->setEnabled(false);
    bindKeys(farmin, {Qt::Key_F}, QStringLiteral("F"));
    bindKeys(training, {Qt::Key_T}, QStringLiteral("T"));
    bindKeys(cave, {Qt::Key_B}, QStringLiteral("B"));
    connect(farmin, &QPushButton::clicked, this, &Form8::Farmin_Click);
    connect(training, &QPushButton::clicked, this, &Form8::TrainingCenter_Click);
    connect(cave, &QPushButton::clicked, this, &Form8::BanditsCave_Click);
}

void Form8::Form_Load() {
    const TravelChoices choices = travelChoices(theGame().StoryStage);
    findChild<QPushButton*>("Farmin")->setEnabled(choices.farmin);
    findChild<QPushButton*>("TrainingCenter")->setEnabled(choices.trainingCenter);
    findChild<QPushButton*>("BanditsCave")->setEnabled(choices.banditsCave);
}

void Form8::goTo(Destination destination) {
    Form2::arriveBy(destination);
    Unload<Form8>();
}

void Form8::closeBoxPressed() {
    Form2::returnFromTravelWindow();
    Unload<Form8>();
}
