#include "support/Playthrough.h"

#include "forms/Form1.h"
#include "forms/Form10.h"
#include "forms/Form2.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "forms/Form5.h"
#include "forms/Form8.h"
#include "support/FormTest.h"

#include <utility>

namespace {

std::function<void()> afterEachClick;

void press(QWidget* form, const char* buttonName) {
    click(form, buttonName);
    if (afterEachClick)
        afterEachClick();
}

// Where the edge of a place leads the travel window offers the places; this takes one.
bool travelTo(const char* edgePath, const char* placeButton) {
    if (!walk(edgePath) || !Loaded<Form8>())
        return false;
    press(Loaded<Form8>(), placeButton);
    return true;
}

} // namespace

bool fightIfAttacked() {
    for (int turn = 0; turn < 40; ++turn) {
        Form3* battle = Loaded<Form3>();
        if (!battle)
            return !Loaded<Form4>();
        const bool won = control<QPushButton>(battle, "Command1")->isEnabled();
        press(battle, won ? "Command1" : "cmbAttack");
    }
    return false;
}

bool walk(const char* path) {
    for (const char* direction = path; *direction; ++direction) {
        const char* arrow = *direction == 'U'   ? "Command3"
                            : *direction == 'R' ? "Command4"
                            : *direction == 'L' ? "Command5"
                            : *direction == 'D' ? "Command6"
                                                : nullptr;
        if (!arrow)
            continue;
        Form2* move = Loaded<Form2>();
        if (!move || !move->isVisible())
            return false;
        press(move, arrow);
        if (!fightIfAttacked())
            return false;
    }
    return true;
}

void talk() {
    press(Loaded<Form2>(), "Command8");
}

QString place() {
    const GameState& game = theGame();
    return QString::fromStdString(game.Location + ' ' + game.Quadrant + ' ' + game.Position);
}

void startAsAnn() {
    press(&Show<Form1>(), "Command1");
    Form5* entry = Loaded<Form5>();
    for (const char* key : {"Command30", "Command2", "Command40", "Command15", "Command15"})
        press(entry, key);
    press(entry, "Command1");
    press(Loaded<Form4>(), "Command1");
}

bool meetTheTownsman() {
    if (!walk("DDDD L"))
        return false;
    talk();
    return true;
}

bool goToTheTrainingCenter() {
    return travelTo("LL L", "TrainingCenter");
}

bool meetTheGreeter() {
    if (!walk("UUUU"))
        return false;
    talk();
    return true;
}

bool trainToLevelFive() {
    for (int round = 0; caption(Loaded<Form2>(), "YourLevel") != QStringLiteral("5"); ++round)
        if (round == 200 || !walk("DU"))
            return false;
    return true;
}

bool goToTheCave() {
    return travelTo("DDDD D", "BanditsCave");
}

bool crossTheCaveWest() {
    return walk("UUUUU LLLLLLL L");
}

bool climbToTheTopLeft() {
    return walk("L DDDD LL UUUUUU LLLLL UU U");
}

bool enterTheLeadersHall() {
    return walk("U RR UU R UUUU RRR DDD RR R");
}

bool walkUpToTheLeader() {
    return walk("RRRR");
}

void leaveTheClosingWindow() {
    press(Loaded<Form10>(), "Command1");
}

bool playTheWholeGame() {
    startAsAnn();
    const bool toTheLeader = meetTheTownsman() && goToTheTrainingCenter() && meetTheGreeter() &&
                             trainToLevelFive() && goToTheCave() && crossTheCaveWest() &&
                             climbToTheTopLeft() && enterTheLeadersHall() && walkUpToTheLeader();
    if (!toTheLeader)
        return false;
    talk();
    if (!fightIfAttacked() || !Loaded<Form10>())
        return false;
    leaveTheClosingWindow();
    return Loaded<Form1>() && Loaded<Form1>()->isVisible();
}

void setAfterEachClick(std::function<void()> hook) {
    afterEachClick = std::move(hook);
}
