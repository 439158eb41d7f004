// Takes the README's screenshots from the game's real windows, drawn offscreen:
//   readme_screenshots DIR   writes DIR/title.png, DIR/move.png and DIR/battle.png
// (run with QT_QPA_PLATFORM=offscreen; scripts/screenshots.sh builds and runs it).
// Each window is set up the way a player reaches it, then grabbed as it would show on screen.

#include "support/Scenario.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

namespace {

// Each shot is a scenario: the window set up the way a player reaches it. A message on the way
// would mean the window is not in the state the picture is meant to show, so it spoils the shot
// as much as a failed write does.
struct Shot {
    const char* file;
    QStringList steps;
};

const Shot shots[] = {
    {"title.png", {"title"}},
    // The hero on a street of Farmin, with the townsfolk's houses around him.
    {"move.png", {"hero Farmin Q1 x8y4", "play"}},
    // A fight in the training center after the hero's first blow and the enemy's answer.
    {"battle.png", {"hero TrainingCenter Q1 x5y5", "battle BanditInTraining", "Form3.cmbAttack"}},
};

bool take(const Shot& shot, const QDir& dir) {
    Scenario scenario;
    const QString path = dir.filePath(QString::fromLatin1(shot.file));
    const QString failed = scenario.play(shot.steps + QStringList{"told nothing"});
    QWidget* window = QApplication::activeWindow();
    for (GameForm* form : FormRegistry::loadedForms())
        window = form->isVisible() ? form : window;
    if (!failed.isEmpty() || !window || !window->grab().save(path)) {
        QTextStream(stderr) << "cannot take " << path << ": " << failed << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: readme_screenshots DIR\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    for (const Shot& shot : shots)
        if (!take(shot, dir))
            return 1;
    unloadEverything();
    return 0;
}
