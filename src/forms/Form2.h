#pragma once

#include "state/GameState.h"
#include "toolkit/GameForm.h"
#include "world/Movement.h"

#include <array>

class PictureBox;
class QLabel;
class QPushButton;
struct Screen;

// The move screen: the 10 by 10 picture grid of the screen the hero is on, the edge bars, the
// arrows, and the status panel. Its labels are display copies: they are written only at the
// moments the game names, so a label may show an older figure until then.
class Form2 : public GameForm {
    Q_OBJECT
public:
    Form2();

    void Form_Load() override;
    void Command1_Click(); // Save
    void Command2_Click(); // Quit
    void Command3_Click() { walk(Direction::Up); }
    void Command4_Click() { walk(Direction::Right); }
    void Command5_Click() { walk(Direction::Left); }
    void Command6_Click() { walk(Direction::Down); }
    void Command7_Click(); // Menu
    void Command8_Click(); // Talk

    // Draws the screen named by Location and Quadrant; a pair that names no screen draws nothing.
    void DrawCurrentScreen();
    // Draws one screen: the edge bars, all 100 cells, then its walkability tables.
    void DrawScreen(const Screen& screen);
    // Puts the hero's picture on his cell and shows where he is.
    void PlaceHero();
    // Puts the hero's picture on a cell without placing him: no readouts change.
    void drawHero(Cell cell);

    // The start of a new game, run once the move screen is on show: the first screen, the
    // king's words, then the starting figures on the status panel.
    void NewGameInitialiser();

    // Level, gold, HP, maximum HP, TP and maximum TP, in this order.
    void showStatusPanel();
    // HP, maximum HP, TP and maximum TP: what the menu pages can change.
    void showHealth();

protected:
    void closeBoxPressed() override { Command2_Click(); }

private:
    void buildGrid();
    void buildButtons();
    void buildStatusPanel();
    void walk(Direction direction);
    void rest();
    PictureBox* cell(Cell at) const;

    std::array<PictureBox*, 100> cells_{};
    PictureBox* graup;
    PictureBox* gradown;
    PictureBox* graleft;
    PictureBox* graright;
    QLabel* town;
    QLabel* Label4;
    QLabel* Label7;
};
