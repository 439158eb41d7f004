#pragma once

#include "toolkit/GameForm.h"

// A page of the game menu. Either page's Quit (and its close box) leaves the menu: the move
// screen shows the HP and TP the menu may have changed and comes back.
class MenuPage : public GameForm {
    Q_OBJECT
public:
    MenuPage(int clientWidthTwips, int clientHeightTwips);

    void leaveMenu();

protected:
    void closeBoxPressed() override { leaveMenu(); }
};
