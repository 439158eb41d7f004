#include "forms/Form3.h"

#include "combat/Roster.h"
#include "forms/Form10.h"
#include "forms/Form2.h"
#include "forms/Form4.h"
#include "forms/HealthLabels.h"
#include "toolkit/Dialogs.h"
#include "toolkit/FormRegistry.h"
#include "toolkit/Keys.h"
#include "toolkit/Text.h"
#include "toolkit/Widgets.h"

#include <QLabel>

Form3::Form3() : GameForm(GameCaption, 6240, 4920, Frame::Fixed) {
    buildMessageLines();
    buildStatus();
    buildButtons();
    addBox(this, 120, 120, 5640, 2400);
    addLine(this, 0, 2400, 6240, 2400);
    addBox(this, 360, 2400, 1920, 3600);
    addLine(this, 1920, 2400, 1920, 4920);
    addLine(this, 3480, 2400, 3480, 4920);
}

void Form3::buildMessageLines() {
    for (std::size_t line = 0; line < info_.size(); ++line) {
        const QByteArray name = "info" + QByteArray::number(qsizetype(line + 1));
        info_[line] =
            addLabel(this, name.constData(), " ", {240, 240 + 360 * int(line), 5295, 255});
        describe(info_[line], QStringLiteral("Message line %1").arg(line + 1));
    }
}

void Form3::buildStatus() {
    addLabel(this, "Label2", "Level", {480, 2520, 615, 255});
    describe(addLabel(this, "lblLevel", " ", {1200, 2520, 615, 255}), QStringLiteral("Level"));
    addLabel(this, "Label4", "HP", {480, 2880, 375, 255});
    addLabel(this, "yourHP", " ", {960, 2880, 255, 255});
    addLabel(this, "Label1", "/", {1320, 2880, 135, 255});
    addLabel(this, "yourMaxHP", " ", {1560, 2880, 255, 255});
    addLabel(this, "Label6", "TP", {480, 3240, 375, 255});
    addLabel(this, "yourTP", " ", {960, 3240, 255, 255});
    addLabel(this, "Label3", "/", {1320, 3240, 135, 255});
    addLabel(this, "yourMaxTP", " ", {1560, 3240, 255, 255});
    describeHealth(this);
}

void Form3::buildButtons() {
    endBattle_ = addButton(this, "Command1", "END BATTLE", {240, 3960, 1575, 615});
    commands_ = {addButton(this, "cmbAttack", "Attack", {2040, 2520, 1335, 375}),
                 addButton(this, "cmbDefend", "Defend", {2040, 3000, 1335, 375}),
                 addButton(this, "cmbUseItem", "Use Item", {2040, 3480, 1335, 375}),
                 addButton(this, "cmbTechniques", "Techniques", {2040, 3960, 1335, 375})};
    for (int button = 1; button <= 10; ++button) {
        const QByteArray name = "Do" + QByteArray::number(button);
        const int left = button <= 5 ? 3600 : 4920;
        const int top = 2520 + 480 * ((button - 1) % 5);
        QPushButton* listButton = addButton(this, name.constData(), " ", {left, top, 1215, 375});
        list_[std::size_t(button - 1)] = listButton;
        describe(listButton, QStringLiteral("List button %1").arg(button));
        const int digit = button % 10;
        bindKeys(listButton, {QKeySequence(Qt::Key_0 + digit)}, QString::number(digit));
        connect(listButton, &QPushButton::clicked, this,
                [this, button] { listButtonClicked(button); });
    }
    setFocusOrder({commands_[0], commands_[1], commands_[2], commands_[3], list_[0], list_[5],
                   list_[1], list_[6], list_[2], list_[3], list_[4], list_[7], list_[8], list_[9],
                   endBattle_});
    bindKeys(commands_[0], {Qt::Key_A}, QStringLiteral("A"));
    bindKeys(commands_[1], {Qt::Key_D}, QStringLiteral("D"));
    bindKeys(commands_[2], {Qt::Key_I}, QStringLiteral("I"));
    bindKeys(commands_[3], {Qt::Key_T}, QStringLiteral("T"));
    bindKeys(endBattle_, {Qt::Key_Return, Qt::Key_Enter}, QStringLiteral("Enter"));
    connect(commands_[0], &QPushButton::clicked, this, &Form3::cmbAttack_Click);
    connect(commands_[1], &QPushButton::clicked, this, &Form3::cmbDefend_Click);
    connect(commands_[2], &QPushButton::clicked, this, &Form3::cmbUseItem_Click);
    connect(commands_[3], &QPushButton::clicked, this, &Form3::cmbTechniques_Click);
    connect(endBattle_, &QPushButton::clicked, this, &Form3::Command1_Click);
}

void Form3::open() {
    Load<Form3>();
    // An enemy that is not in the roster ends the program while the window loads.
    if (ProgramEnded())
        return;
    Show<Form3>();
    Hide<Form2>();
}

void Form3::Form_Load() {
    startBattle(theGame());
    for (QLabel* line : info_)
        line->setText(QString());
    ClearList();
    // HP and TP are shown as the battle opens and after each hit of the enemy, so a winning
    // action leaves them as they were; the level only as the battle opens.
    fillHealthLabels(this);
    showNumber(this, "lblLevel", theGame().YourLevel);
    const Enemy* enemy = WhatEnemy(theGame());
    if (!enemy) {
        MsgBox(QStringLiteral("ERROR! CAN NOT CONTINUE"));
        EndProgram();
        return;
    }
    info_[0]->setText(text(enemy->greeting));
    endBattle_->setVisible(false);
    endBattle_->setEnabled(false);
    enableList(false);
}

void Form3::cmbAttack_Click() {
    finishTurn(attack(theGame(), battle_));
}

void Form3::cmbDefend_Click() {
    ClearList();
    finishTurn(defend(theGame(), battle_));
}

void Form3::listButtonClicked(int button) {
    finishTurn(useListButton(theGame(), battle_, button));
}

// The hero's action is told on the second line; then either the victory or the enemy's answer.
void Form3::finishTurn(const HeroAction& action) {
    info_[1]->setText(text(action.message));
    if (action.won) {
        info_[2]->setText(QStringLiteral("You've Won"));
        DoEX();
    } else {
        EnemyAttack();
    }
}

void Form3::EnemyAttack() {
    const EnemyHit hit = ::EnemyAttack(theGame(), battle_);
    if (hit.heroDied) {
        YouAreDead();
        return;
    }
    info_[2]->setText(text(hit.message));
    ClearList();
    fillHealthLabels(this);
    enableList(false);
}

void Form3::DoEX() {
    const Victory victory = ::DoEX(theGame());
    if (victory.endsTheGame) {
        Show<Form10>();
        Unload<Form2>();
        Unload<Form3>();
        return;
    }
    info_[3]->setText(text(victory.rewardLine));
    if (!victory.levelLine.empty()) {
        info_[4]->setText(text(victory.levelLine));
        info_[5]->setText(text(victory.gainsLine));
    }
    for (QPushButton* command : commands_)
        command->setEnabled(false);
    enableList(false);
    endBattle_->setVisible(true);
    endBattle_->setEnabled(true);
    ClearList();
}

void Form3::YouAreDead() {
    MsgBox(QStringLiteral("You are dead"));
    Load<Form4>().tell(QStringLiteral("You are dead, you have lost."));
    Show<Form4>();
    Unload<Form3>();
}

void Form3::Command1_Click() {
    Form2::returnFromBattle();
    Unload<Form3>();
}

void Form3::ClearList() {
    for (QPushButton* button : list_)
        button->setText(QString());
}

void Form3::showList(const ListButtons& list) {
    for (std::size_t index = 0; index < list_.size(); ++index) {
        list_[index]->setText(text(list[index].caption));
        list_[index]->setEnabled(list[index].enabled);
    }
}

void Form3::enableList(bool enabled) {
    for (QPushButton* button : list_)
        button->setEnabled(enabled);
}
