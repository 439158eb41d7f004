#pragma once

#include "forms/MenuPage.h"

// The second menu page: the ten techniques, their costs and which the hero has learned.
class Form7 : public MenuPage {
    Q_OBJECT
public:
    Form7();

    void Form_Load() override;
    void Command1_Click(); // Page 1
    void Command3_Click() { leaveMenu(); }
};
