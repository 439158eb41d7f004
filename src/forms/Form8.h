#pragma once

#include "toolkit/GameForm.h"
#include "world/Travel.h"

// The travel window: the places the story stage allows, each with its own arrival cell.
class Form8 : public GameForm {
    Q_OBJECT
public:
    Form8();

    void Form_Load() override;
    void Farmin_Click() { goTo(Destination::Farmin); }
    void TrainingCenter_Click() { goTo(Destination::TrainingCenter); }
    void BanditsCave_Click() { goTo(Destination::BanditsCave); }

protected:
    // Closing the window goes back to the move screen with nothing changed.
    void closeBoxPressed() override;

private:
    void goTo(Destination destination);
};
