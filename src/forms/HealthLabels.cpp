#include "forms/HealthLabels.h"

#include "state/GameState.h"
#include "toolkit/Widgets.h"

void showHealth(QWidget* form) {
    const GameState& game = theGame();
    showNumber(form, "yourHP", game.YourHP);
    showNumber(form, "yourMaxHP", game.YourMaxHP);
    showNumber(form, "yourTP", game.YourTP);
    showNumber(form, "yourMaxTP", game.YourMaxTP);
}
