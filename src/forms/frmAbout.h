#pragma once

#include "toolkit/GameForm.h"

// The about box: the game's name, version and description over the title screen.
class frmAbout : public GameForm {
    Q_OBJECT
public:
    frmAbout();

    void Command1_Click(); // Ok

protected:
    void closeBoxPressed() override { Command1_Click(); }
};
