#pragma once

#include "windows/GameWindow.h"
#include "world/Movement.h"
#include "world/Travel.h"

#include <array>

struct Screen;

// The move screen: the 10 by 10 picture grid of the screen the hero is on, the edge bars, the
// arrows, and the status panel. Its labels are display copies: they are written only at the
// moments the game names, so a label may show an older figure until then.
//
// The flow brings the player here through the entry points below, one for each reason to
// arrive; each is the whole of what the move screen does then, in the game's order.
class MoveScreen : public GameWindow {
public:
    static constexpr const char* Name = "MoveScreen";
    explicit MoveScreen(const WindowContext& context);

    // The move screen's own load shows the status panel, draws the screen and places the hero.
    void load() override;
    void closeBox() override { announce(Happening::MoveScreenLeft); }

    // A saved game has just been read: the screen is drawn and the hero placed once more.
    void showLoadedGame();
    // A new game: the first screen and the hero, the king's words, then the new figures.
    void beginNewGame(std::function<void()> then);
    // A place chosen on the travel window.
    void arriveBy(Destination destination);
    // END BATTLE after a won battle.
    void showBattleWon();
    // The menu or a meal may have changed HP and TP; the shop the gold.
    void showHealth() { fillHealthLabels(); }
    void showGold();

private:
    void buildGrid();
    void buildButtons();
    void buildStatusPanel();
    void walk(Direction direction);
    void talk();
    void save();
    void restAtTheInn();

    void drawCurrentScreen();
    void drawScreen(const Screen& screen);
    void showScreen(const Screen& screen);
    void placeHero();
    void drawHero(Cell at);
    void countStep();
    void showWhereHeroIs();
    void showStatusPanel();
    Control& cell(Cell at) { return *cells_[std::size_t(10 * (at.row - 1) + at.column - 1)]; }

    std::array<Control*, 100> cells_{};
    Control* up_;
    Control* down_;
    Control* left_;
    Control* right_;
    Control* town_;
    Control* cellReadout_;
    Control* quadrantReadout_;
};
