#include "windows/BattleScreen.h"

#include "combat/Roster.h"

BattleScreen::BattleScreen(const WindowContext& context)
    : GameWindow(Name, context, gameCaption(), {0, 0, 6240, 4920}, Frame::Fixed) {
    buildMessageLines();
    buildStatus();
    buildButtons();
    addBox(120, 120, 5640, 2400);
    addLine(0, 2400, 6240, 2400);
    addBox(360, 2400, 1920, 3600);
    addLine(1920, 2400, 1920, 4920);
    addLine(3480, 2400, 3480, 4920);
}

void BattleScreen::buildMessageLines() {
    for (std::size_t line = 0; line < info_.size(); ++line) {
        const std::string number = std::to_string(line + 1);
        info_[line] = &addLabel("info" + number, " ", {240, 240 + 360 * int(line), 5295, 255});
        info_[line]->description = "Message line " + number;
    }
}

void BattleScreen::buildStatus() {
    addLabel("Label2", "Level", {480, 2520, 615, 255});
    addLabel("lblLevel", " ", {1200, 2520, 615, 255}).description = "Level";
    addLabel("Label4", "HP", {480, 2880, 375, 255});
    addLabel("yourHP", " ", {960, 2880, 255, 255});
    addLabel("Label1", "/", {1320, 2880, 135, 255});
    addLabel("yourMaxHP", " ", {1560, 2880, 255, 255});
    addLabel("Label6", "TP", {480, 3240, 375, 255});
    addLabel("yourTP", " ", {960, 3240, 255, 255});
    addLabel("Label3", "/", {1320, 3240, 135, 255});
    addLabel("yourMaxTP", " ", {1560, 3240, 255, 255});
    describeHealth();
}

void BattleScreen::buildButtons() {
    endBattle_ = &addButton("Command1", "END BATTLE", {240, 3960, 1575, 615});
    commands_ = {&addButton("cmbAttack", "Attack", {2040, 2520, 1335, 375}),
                 &addButton("cmbDefend", "Defend", {2040, 3000, 1335, 375}),
                 &addButton("cmbUseItem", "Use Item", {2040, 3480, 1335, 375}),
                 &addButton("cmbTechniques", "Techniques", {2040, 3960, 1335, 375})};
    for (int button = 1; button <= 10; ++button) {
        const int left = button <= 5 ? 3600 : 4920;
        const int top = 2520 + 480 * ((button - 1) % 5);
        Control& listButton = addButton("Do" + std::to_string(button), " ", {left, top, 1215, 375});
        list_[std::size_t(button - 1)] = &listButton;
        listButton.description = "List button " + std::to_string(button);
        const std::string digit = std::to_string(button % 10);
        bindKeys(listButton, {digit.c_str()}, digit);
        onClick(listButton, [this, button] { finishTurn(useListButton(game(), battle_, button)); });
    }
    setFocusOrder({commands_[0], commands_[1], commands_[2], commands_[3], list_[0], list_[5],
                   list_[1], list_[6], list_[2], list_[3], list_[4], list_[7], list_[8], list_[9],
                   endBattle_});
    bindKeys(*commands_[0], {"A"}, "A");
    bindKeys(*commands_[1], {"D"}, "D");
    bindKeys(*commands_[2], {"I"}, "I");
    bindKeys(*commands_[3], {"T"}, "T");
    bindKeys(*endBattle_, {"Return", "Enter"}, "Enter");
    onClick(*commands_[0], [this] { finishTurn(attack(game(), battle_)); });
    onClick(*commands_[1], [this] {
        clearList();
        finishTurn(defend(game(), battle_));
    });
    onClick(*commands_[2], [this] { showList(showItems(game(), battle_)); });
    onClick(*commands_[3], [this] { showList(showTechniques(game(), battle_)); });
    onClick(*endBattle_, [this] { announce(Happening::BattleWon); });
}

// HP and TP are shown as the battle opens and after each hit of the enemy, so a winning action
// leaves them as they were; the level only as the battle opens.
void BattleScreen::load() {
    startBattle(game());
    for (Control* line : info_)
        setCaption(*line, {});
    clearList();
    fillHealthLabels();
    setNumber(control("lblLevel"), game().YourLevel);
    const Enemy* enemy = setUpEnemy(game());
    if (!enemy)
        return announce(Happening::EnemyUnknown);
    setCaption(*info_[0], std::string(enemy->greeting));
    setVisible(*endBattle_, false);
    setEnabled(*endBattle_, false);
    enableList(false);
}

// The hero's action is told on the second line; then either the victory or the enemy's answer.
void BattleScreen::finishTurn(const HeroAction& action) {
    setCaption(*info_[1], action.message);
    if (action.won) {
        setCaption(*info_[2], "You've Won");
        win();
    } else {
        enemyAttacks();
    }
}

void BattleScreen::enemyAttacks() {
    const EnemyHit hit = enemyAttack(game(), battle_);
    if (hit.heroDied)
        return die();
    setCaption(*info_[2], hit.message);
    clearList();
    fillHealthLabels();
    enableList(false);
}

void BattleScreen::win() {
    const Victory victory = rewardVictory(game());
    if (victory.endsTheGame)
        return announce(Happening::LeaderBeaten);
    setCaption(*info_[3], victory.rewardLine);
    if (!victory.levelLine.empty()) {
        setCaption(*info_[4], victory.levelLine);
        setCaption(*info_[5], victory.gainsLine);
    }
    for (Control* command : commands_)
        setEnabled(*command, false);
    enableList(false);
    setVisible(*endBattle_, true);
    setEnabled(*endBattle_, true);
    clearList();
}

void BattleScreen::die() {
    platform().showMessage("You are dead", [this] { announce(Happening::BattleLost); });
}

void BattleScreen::clearList() {
    for (Control* button : list_)
        setCaption(*button, {});
}

void BattleScreen::showList(const ListButtons& list) {
    for (std::size_t index = 0; index < list_.size(); ++index) {
        setCaption(*list_[index], list[index].caption);
        setEnabled(*list_[index], list[index].enabled);
    }
}

void BattleScreen::enableList(bool enabled) {
    for (Control* button : list_)
        setEnabled(*button, enabled);
}
