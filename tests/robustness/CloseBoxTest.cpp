#include "forms/Form1.h"
#include "state/NewGame.h"
#include "support/Files.h"
#include "support/GameSetup.h"
#include "support/ScriptedDialogs.h"

#include <functional>
#include <utility>
#include <vector>

namespace {

using Changes = std::initializer_list<std::pair<Integer GameState::*, Integer>>;

GameState hero(const char* location, const char* quadrant, const char* position,
               Integer storyStage = 1, Changes changes = {}) {
    GameState game = heroAt(location, quadrant, position, storyStage);
    for (const auto& [field, value] : changes)
        game.*field = value;
    return game;
}

// Beside the cave's first guard, who fights at every story stage.
GameState guard(Integer storyStage, Changes changes = {}) {
    return hero("BanditsCave", "Q1", "x6y5", storyStage, changes);
}
// At the training center's outer edge, one step from the travel window.
GameState outerEdge(Integer storyStage) {
    return hero("TrainingCenter", "Q4", "x10y1", storyStage, {{&GameState::StepsToFight, 3}});
}

constexpr auto HP = &GameState::YourHP;
using Clicks = std::vector<std::pair<const char*, const char*>>; // window, button

struct Row {
    const char* state;
    GameState game;     // shown on the move screen; a game without a name starts on the title
    Clicks clicks;      // what the player does to get there
    const char* window; // whose close box is pressed
    const char* sameAs; // the window's own way out, or none where it has no such button
    QStringList shown;  // the windows on show afterwards; none when the program has ended
    bool gameKept;
};

const Clicks defeat = {{"Form2", "Command8"}, {"Form3", "cmbDefend"}};
const Clicks travel = {{"Form2", "Command6"}};
const Clicks menu = {{"Form2", "Command7"}, {"Form6", "Command1"}}; // with a bread eaten

// Every window of the game in every state it can be in.
// clang-format off
const std::vector<Row> rows = {
    {"title", {}, {}, "Form1", "Command5", {}, true},
    {"title under the about box", {}, {{"Form1", "Command3"}}, "Form1", "Command5", {}, true},
    {"about box", {}, {{"Form1", "Command3"}}, "frmAbout", "Command1", {"Form1"}, true},
    {"help", {}, {{"Form1", "Command4"}}, "Form9", "Command5", {"Form1"}, true},
    {"help, last page", {}, {{"Form1", "Command4"}, {"Form9", "Page4"}}, "Form9", "Command5",
     {"Form1"}, true},
    {"contact window", {}, {{"Form1", "Command6"}}, "Form12", "Command1", {"Form1"}, true},
    {"name entry", {}, {{"Form1", "Command1"}}, "Form5", nullptr, {"Form1"}, true},
    {"name entry, a name typed", {}, {{"Form1", "Command1"}, {"Form5", "Command2"}}, "Form5",
     nullptr, {"Form1"}, true},
    {"story of a new game", {}, {{"Form1", "Command1"}, {"Form5", "Command1"}}, "Form4",
     "Command1", {"Form2"}, false},
    {"story after a defeat", guard(1, {{HP, 1}}), defeat, "Form4", "Command1", {"Form2"}, false},
    {"story at the closing stage", guard(ClosingStoryStage, {{HP, 1}}), defeat, "Form4",
     "Command1", {"Form1"}, true},
    {"move screen", hero("Farmin", "Q1", "x3y4"), {}, "Form2", "Command2", {"Form1"}, true},
    {"travel to the town", outerEdge(1), travel, "Form8", nullptr, {"Form2"}, true},
    {"travel to two places", outerEdge(2), travel, "Form8", nullptr, {"Form2"}, true},
    {"travel to all three", outerEdge(3), travel, "Form8", nullptr, {"Form2"}, true},
    {"travel to nowhere", outerEdge(ClosingStoryStage), travel, "Form8", nullptr, {"Form2"}, true},
    {"menu, first page", hero("Farmin", "Q1", "x3y4", 1, {{HP, 15}}), menu, "Form6", "Command13",
     {"Form2"}, true},
    {"menu, second page", hero("Farmin", "Q1", "x3y4", 1, {{HP, 15}}),
     {menu[0], menu[1], {"Form6", "Command12"}}, "Form7", "Command3", {"Form2"}, true},
    {"shop", hero("Farmin", "Q4", "x7y2"), {{"Form2", "Command8"}, {"Form11", "Command1"}},
     "Form11", "Command11", {"Form2"}, true},
    {"battle while fighting", guard(1), {{"Form2", "Command8"}}, "Form3", nullptr, {"Form3"},
     true},
    {"battle after a win", guard(1, {{&GameState::YourAT, 100}}),
     {{"Form2", "Command8"}, {"Form3", "cmbAttack"}}, "Form3", nullptr, {"Form3"}, true},
    {"closing window", hero("BanditsCave", "Q2", "x5y5", 3, {{&GameState::NumBomb, 1}}),
     {{"Form2", "Command8"}, {"Form3", "cmbUseItem"}, {"Form3", "Do10"}}, "Form10", "Command1",
     {"Form1"}, true},
};
// clang-format on

QStringList loadedForms() {
    QStringList names;
    for (GameForm* form : FormRegistry::loadedForms())
        names << form->objectName();
    names.sort();
    return names;
}

// What the player is left with after the close box or a button.
struct Outcome {
    bool reached = false; // the window was on show when pressed
    QStringList shown;
    QStringList loaded;
    QStringList messages;
    QString panel; // the move screen's status panel, where it is loaded
    int quits = 0;
    GameState game;
    bool gameKept = false;
};

Outcome afterPressing(const Row& row, const std::function<void(QWidget*)>& press) {
    unloadEverything();
    ScriptedDialogs dialogs;
    theGame() = row.game;
    if (row.game.YourName.empty())
        Show<Form1>();
    else
        moveScreenOf(row.game);
    for (const auto& [window, button] : row.clicks)
        click(FormRegistry::find(QString::fromLatin1(window)), button);
    GameForm* window = FormRegistry::find(QString::fromLatin1(row.window));
    const bool reached = window && window->isVisible();
    const GameState before = theGame();
    dialogs.messages.clear();
    if (window)
        press(window);
    Form2* move = Loaded<Form2>();
    const QString panel = move ? captions(move, {"YourLevel", "YourGold", "yourHP", "yourMaxHP",
                                                 "yourTP", "yourMaxTP", "town", "Label4"})
                               : QString();
    return {reached, visibleForms(),       loadedForms(), dialogs.messages,
            panel,   dialogs.quitRequests, theGame(),     theGame() == before};
}

} // namespace

class CloseBoxTest : public QObject {
    Q_OBJECT
private slots:
    // The table presses the close box of all thirteen windows (the picture form is no window).
    void theTableCoversEveryWindow() {
        QStringList windows;
        for (const Row& row : rows)
            windows << row.window;
        windows.removeDuplicates();
        windows.sort();
        QCOMPARE(windows,
                 QStringList({"Form1", "Form10", "Form11", "Form12", "Form2", "Form3", "Form4",
                              "Form5", "Form6", "Form7", "Form8", "Form9", "frmAbout"}));
    }

    void theCloseBoxTakesTheWindowsOwnWayOut_data() {
        QTest::addColumn<int>("row");
        for (std::size_t row = 0; row < rows.size(); ++row)
            QTest::newRow(rows[row].state) << int(row);
    }

    // The close box does what the window's own way out does; the name entry's goes back to the
    // title, the travel window's to the move screen unchanged, the battle's does nothing. Then a
    // window is on show or the program has ended, and the window pressed is on show or gone.
    void theCloseBoxTakesTheWindowsOwnWayOut() {
        QFETCH(int, row);
        const Row& expected = rows[std::size_t(row)];
        const Outcome closed = afterPressing(expected, pressCloseBox);
        QVERIFY(closed.reached);
        QCOMPARE(closed.shown, expected.shown);
        QVERIFY2(!closed.shown.isEmpty() || (closed.quits == 1 && closed.loaded.isEmpty()),
                 "the program runs on with no window");
        QVERIFY(closed.shown.contains(expected.window) || !closed.loaded.contains(expected.window));
        QVERIFY(closed.gameKept || !expected.gameKept);
        if (!expected.sameAs)
            return;
        const Outcome clicked =
            afterPressing(expected, [&](QWidget* window) { click(window, expected.sameAs); });
        QCOMPARE(closed.loaded, clicked.loaded);
        QCOMPARE(closed.messages, clicked.messages);
        QCOMPARE(closed.panel, clicked.panel);
        QCOMPARE(closed.quits, clicked.quits);
        QVERIFY(closed.game == clicked.game);
    }
};

QTEST_MAIN(CloseBoxTest)
#include "CloseBoxTest.moc"
