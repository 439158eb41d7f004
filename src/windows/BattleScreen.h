#pragma once

#include "combat/Battle.h"
#include "windows/GameWindow.h"

#include <array>

// The battle screen. One battle is one lifetime of this window: it opens on the enemy named in
// EnemyName, runs turn by turn, and is unloaded when the hero has won and leaves, has died, or
// has beaten the leader of the bandits.
class BattleScreen : public GameWindow {
public:
    static constexpr const char* Name = "BattleScreen";
    explicit BattleScreen(const WindowContext& context);

    void load() override;
    // A fight must be decided: the close box does nothing.
    void closeBox() override {}

private:
    void buildMessageLines();
    void buildStatus();
    void buildButtons();
    void finishTurn(const HeroAction& action);
    void enemyAttacks();
    void win();
    void die();
    void clearList();
    void showList(const ListButtons& list);
    void enableList(bool enabled);

    BattleFields battle_;
    std::array<Control*, 6> info_{};
    std::array<Control*, 10> list_{};
    std::array<Control*, 4> commands_{};
    Control* endBattle_;
};
