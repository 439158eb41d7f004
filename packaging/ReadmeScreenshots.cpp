// Takes screenshots from the game's real windows, drawn offscreen:
//   readme_screenshots DIR            writes the README's DIR/title.png, move.png and battle.png
//   readme_screenshots DIR --every    writes every window of the game, in the states below
// (run with QT_QPA_PLATFORM=offscreen; scripts/screenshots.sh builds and runs it). Each window
// is set up the way a player reaches it, then grabbed as it would show on screen. Two sets
// taken before and after a change to the view compare pixel for pixel.

#include "qt/QtScenario.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <QWidget>

namespace {

// Each shot is a scenario: the window set up the way a player reaches it. A message on the way
// that was not expected would mean the window is not in the state the picture is meant to
// show, so it spoils the shot as much as a failed write does.
struct Shot {
    const char* file;
    const char* window;
    const char* steps;
    bool inReadme;
};

const Shot shots[] = {
    {"title", "TitleScreen", "title", true},
    // The hero on a street of Farmin, with the townsfolk's houses around him.
    {"move", "MoveScreen", "hero Farmin Q1 x8y4 | play", true},
    // A fight in the training center after the hero's first blow and the enemy's answer.
    {"battle", "BattleScreen",
     "hero TrainingCenter Q1 x5y5 | battle BanditInTraining | BattleScreen.cmbAttack", true},
    {"about", "AboutBox", "title | TitleScreen.Command3", false},
    {"help", "HelpWindow", "title | TitleScreen.Command4", false},
    {"help4", "HelpWindow", "title | TitleScreen.Command4 | HelpWindow.Page4", false},
    {"contact", "ContactWindow", "title | TitleScreen.Command6", false},
    {"name", "NameEntry", "title | TitleScreen.Command1", false},
    {"namelower", "NameEntry",
     "title | TitleScreen.Command1 | NameEntry.Command40 | NameEntry.Command2", false},
    {"story", "StoryScreen", "title | TitleScreen.Command1 | NameEntry.Command1", false},
    {"move2", "MoveScreen", "hero BanditsCave Q2 x5y5 3 | play | MoveScreen.Command3", false},
    {"battleitems", "BattleScreen",
     "hero TrainingCenter Q1 x5y5 | battle Slime | BattleScreen.cmbUseItem", false},
    {"battlewon", "BattleScreen",
     "hero TrainingCenter Q1 x5y5 | game.YourAT = 100 | battle Bat | BattleScreen.cmbAttack",
     false},
    {"status", "StatusPage", "hero Farmin Q1 x3y4 | play | MoveScreen.Command7", false},
    {"techniques", "TechniquesPage",
     "hero Farmin Q1 x3y4 | game.HasSlash = -1 | play | MoveScreen.Command7 | "
     "StatusPage.Command12",
     false},
    {"travel", "TravelWindow", "hero Farmin Q1 x8y1 | play | MoveScreen.Command5", false},
    {"shop", "ShopWindow",
     "hero Farmin Q4 x7y2 | play | MoveScreen.Command8 | told: ...Shop. | ShopWindow.Command3",
     false},
    {"closing", "ClosingWindow",
     "hero BanditsCave Q2 x5y5 3 | game.NumBomb = 1 | battle LeaderOfBandits | "
     "BattleScreen.cmbUseItem | BattleScreen.Do10",
     false},
    {"defeat", "StoryScreen",
     "hero BanditsCave Q2 x5y5 4 | game.YourHP = 1 | battle LeaderOfBandits | "
     "BattleScreen.cmbDefend | told: You are dead",
     false},
};

bool take(const Shot& shot, const QDir& dir) {
    AtTheDesktop desktop;
    Scenario scenario(&desktop);
    const QString path = dir.filePath(QString::fromLatin1(shot.file) + ".png");
    std::vector<std::string> steps = stepsOf(shot.steps);
    steps.push_back("told nothing");
    const std::string failed = scenario.play(steps);
    QWidget* window = desktop.desktopView().widgetOf(shot.window);
    if (!failed.empty() || !window || !window->grab().save(path)) {
        QTextStream(stderr) << "cannot take " << path << ": " << failed.c_str() << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2 || (argc == 3 && QByteArray(argv[2]) != "--every") || argc > 3) {
        QTextStream(stderr) << "usage: readme_screenshots DIR [--every]\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const bool every = argc == 3;
    for (const Shot& shot : shots)
        if ((every || shot.inReadme) && !take(shot, dir))
            return 1;
    settle();
    return 0;
}
