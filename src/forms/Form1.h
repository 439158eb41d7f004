#pragma once

#include "toolkit/GameForm.h"

class QPushButton;

// The title screen: the first window of the game and the one most others lead back to.
class Form1 : public GameForm {
    Q_OBJECT
public:
    Form1();

    void Command1_Click(); // New Game
    void Command2_Click(); // Load Game
    // Loads a saved game as Load Game does once the file is chosen.
    void loadGame(const QString& path);
    void Command3_Click(); // About
    void Command4_Click(); // Help
    void Command5_Click(); // Quit
    void Command6_Click(); // Contact Us

protected:
    void closeBoxPressed() override { Command5_Click(); }
};
