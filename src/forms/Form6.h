#pragma once

#include "forms/MenuPage.h"

class QLabel;

// The first menu page: the hero's figures, the items held, and food to eat outside battle.
class Form6 : public MenuPage {
    Q_OBJECT
public:
    Form6();

    void Form_Load() override;
    void useFood(int row);  // Command1_Click to Command5_Click
    void Command12_Click(); // Page 2
    void Command13_Click() { leaveMenu(); }

private:
    void buildFigures();
    void buildItemTable();
};
