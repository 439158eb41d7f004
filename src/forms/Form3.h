#pragma once

#include "combat/Battle.h"
#include "toolkit/GameForm.h"

#include <array>
#include <string>

class QLabel;
class QPushButton;

// The battle screen. One battle is one lifetime of this window: it opens on the enemy named in
// EnemyName, runs turn by turn, and is unloaded when the hero has won and leaves, has died, or
// has beaten the leader of the bandits.
class Form3 : public GameForm {
    Q_OBJECT
public:
    Form3();

    // Opens a battle against the enemy named in EnemyName and hides the move screen.
    static void open();

    void Form_Load() override;
    void cmbAttack_Click();
    void cmbDefend_Click();
    void cmbUseItem_Click() { showList(showItems(theGame(), battle_)); }
    void cmbTechniques_Click() { showList(showTechniques(theGame(), battle_)); }
    void listButtonClicked(int button);
    void Command1_Click(); // END BATTLE

protected:
    // A fight must be decided: the close box does nothing.
    void closeBoxPressed() override {}

private:
    void buildMessageLines();
    void buildStatus();
    void buildButtons();
    void finishTurn(const HeroAction& action);
    void EnemyAttack();
    void DoEX();
    void YouAreDead();
    void ClearList();
    void showList(const ListButtons& list);
    void enableList(bool enabled);

    BattleFields battle_;
    std::array<QLabel*, 6> info_{};
    std::array<QPushButton*, 10> list_{};
    std::array<QPushButton*, 4> commands_{};
    QPushButton* endBattle_;
};
