#pragma once

#include "state/GameState.h"
#include "toolkit/GameForm.h"
#include "world/Movement.h"
#include "world/Travel.h"

#include <array>

class PictureBox;
class QLabel;
class QPushButton;
struct Screen;

// The move screen: the 10 by 10 picture grid of the screen the hero is on, the edge bars, the
// arrows, and the status panel. Its labels are display copies: they are written only at the
// moments the game names, so a label may show an older figure until then.
//
// Other windows bring the player here only through the entry points below, one for each reason
// to arrive; each is the whole sequence of what the move screen does then, in the game's order.
class Form2 : public GameForm {
    Q_OBJECT
public:
    Form2();

    // A saved game has just been read into the record.
    static void startLoadedGame();
    // The story's OK: a new game, after the name entry or after a lost battle.
    static void startNewGame();
    // A place chosen on the travel window.
    static void arriveBy(Destination destination);
    // The travel window closed without a choice.
    static void returnFromTravelWindow();
    // END BATTLE after a won battle.
    static void returnFromBattle();
    // Food eaten on the status page, while the move screen waits hidden.
    static void showMealEaten();
    // Quit (or the close box) on either menu page.
    static void returnFromMenu();
    // Done (or the close box) in the shop.
    static void returnFromShop();

    void Form_Load() override;
    void Command1_Click(); // Save
    void Command2_Click(); // Quit
    void Command3_Click() { walk(Direction::Up); }
    void Command4_Click() { walk(Direction::Right); }
    void Command5_Click() { walk(Direction::Left); }
    void Command6_Click() { walk(Direction::Down); }
    void Command7_Click(); // Menu
    void Command8_Click(); // Talk

protected:
    void closeBoxPressed() override { Command2_Click(); }

private:
    void buildGrid();
    void buildButtons();
    void buildStatusPanel();
    void walk(Direction direction);
    void restAtTheInn();

    void DrawCurrentScreen();
    void DrawScreen(const Screen& screen);
    void showScreen(const Screen& screen);
    void PlaceHero();
    void drawHero(Cell cell);
    void countStep();
    void showWhereHeroIs();
    void NewGameInitialiser();
    void showStatusPanel();
    PictureBox* cell(Cell at) const;

    QWidget* grid_;
    std::array<PictureBox*, 100> cells_{};
    PictureBox* graup;
    PictureBox* gradown;
    PictureBox* graleft;
    PictureBox* graright;
    QLabel* town;
    QLabel* Label4;
    QLabel* Label7;
};
