#include "forms/HealthLabels.h"

#include "state/GameState.h"
#include "toolkit/Widgets.h"

#include <QWidget>

void describeHealth(QWidget* form) {
    const std::pair<const char*, const char*> meanings[] = {{"yourHP", "Hit points"},
                                                            {"yourMaxHP", "Most hit points"},
                                                            {"yourTP", "Technique points"},
                                                            {"yourMaxTP", "Most technique points"}};
    for (const auto& [label, meaning] : meanings)
        describe(form->findChild<QWidget*>(QLatin1String(label)), QString::fromLatin1(meaning));
}

void fillHealthLabels(QWidget* form) {
    const GameState& game = theGame();
    showNumber(form, "yourHP", game.YourHP);
    showNumber(form, "yourMaxHP", game.YourMaxHP);
    showNumber(form, "yourTP", game.YourTP);
    showNumber(form, "yourMaxTP", game.YourMaxTP);
}
