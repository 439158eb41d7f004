#include "forms/Form4.h"

#include "forms/Form1.h"
#include "forms/Form2.h"
#include "state/NewGame.h"
#include "toolkit/FormRegistry.h"
#include "toolkit/Text.h"
#include "toolkit/Widgets.h"

#include <QLabel>

Form4::Form4() : GameForm(GameCaption, 4500, 3345, Frame::Fixed) {
    Label = addLabel(this, "Label", " ", {120, 120, 4215, 2295});
    describe(Label, QStringLiteral("Story"));
    auto* ok = addButton(this, "Command1", "OK", {1440, 2760, 1455, 375});
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &Form4::Command1_Click);
}

void Form4::Form_Load() {
    Label->setText(Label->text() + text(openingStory()));
    if (theGame().StoryStage == ClosingStoryStage)
        Label->setText(text(closingStory()));
}

void Form4::tell(const QString& words) {
    Label->setText(words);
}

void Form4::Command1_Click() {
    if (theGame().StoryStage == ClosingStoryStage) {
        Show<Form1>();
        // After a defeat the move screen is still loaded, hidden; the game is over, so it goes
        // too, and the next game starts on a freshly loaded one.
        Unload<Form2>();
        Unload<Form4>();
        return;
    }
    Form2::startNewGame();
    Unload<Form4>();
}
