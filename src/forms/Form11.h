#pragma once

#include "toolkit/GameForm.h"

// The town's item shop: one piece per click, for gold.
class Form11 : public GameForm {
    Q_OBJECT
public:
    Form11();

    void Form_Load() override;
    void buyClicked(int row); // Command1_Click to Command10_Click
    void Command11_Click();   // Done

protected:
    void closeBoxPressed() override { Command11_Click(); }

private:
    void showRow(int row);
};
