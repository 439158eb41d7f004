#pragma once

#include "toolkit/GameForm.h"

#include <array>

class QKeyEvent;
class QLabel;
class QPushButton;

// The name entry: an on-screen keyboard of 36 keys in two cases. The name being typed lives
// only in the caption of YouName.
class Form5 : public GameForm {
    Q_OBJECT
public:
    Form5();

    void Form_Load() override;
    void Command1_Click();  // Continue
    void Command30_Click(); // Start Over
    void Command39_Click(); // SPACE
    void Command40_Click(); // the case toggle

protected:
    // Closing the name entry abandons the new game and goes back to the title.
    void closeBoxPressed() override;
    // The physical keyboard types too, wherever the focus is: a character one of the keys can
    // add appends itself, Backspace takes the last character back, Enter continues.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool typed(const QKeyEvent& key);
    void keyClicked(std::size_t key);
    void showCase();

    QLabel* YouName;
    QPushButton* caseToggle_;
    std::array<QPushButton*, 36> keys_{};
    bool upperCase_ = true;
};
