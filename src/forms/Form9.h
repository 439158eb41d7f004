#pragma once

#include "toolkit/GameForm.h"

#include <array>

class QPlainTextEdit;
class QPushButton;

// The help window: four pages of fixed text, one on show at a time; the button of the page on
// show is the one that is disabled.
class Form9 : public GameForm {
    Q_OBJECT
public:
    Form9();

    void Form_Load() override;
    void Page1_Click() { showPage(1); }
    void Page2_Click() { showPage(2); }
    void Page3_Click() { showPage(3); }
    void Page4_Click() { showPage(4); }
    void Command5_Click(); // Done

protected:
    void closeBoxPressed() override { Command5_Click(); }

private:
    void showPage(int page);

    QPlainTextEdit* Text1;
    std::array<QPushButton*, 4> pageButtons_;
};
