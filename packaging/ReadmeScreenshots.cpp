// Takes the README's screenshots from the game's real windows, drawn offscreen:
//   readme_screenshots DIR   writes DIR/title.png, DIR/move.png and DIR/battle.png
// (run with QT_QPA_PLATFORM=offscreen; scripts/screenshots.sh builds and runs it).
// Each window is set up the way a player reaches it, then grabbed as it would show on screen.

#include "forms/Form1.h"
#include "forms/Form2.h"
#include "forms/Form3.h"
#include "support/FormTest.h"
#include "support/GameSetup.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <utility>

namespace {

// A message box on the way would mean the window is not in the state the picture is meant to
// show, so it spoils the shot as much as a failed write does.
bool save(QWidget& window, const ScriptedDialogs& dialogs, const QDir& dir, const QString& file) {
    const QString path = dir.filePath(file);
    for (const QString& message : dialogs.messages)
        QTextStream(stderr) << "unexpected message: " << message << '\n';
    if (!dialogs.messages.isEmpty() || !window.isVisible() || !window.grab().save(path)) {
        QTextStream(stderr) << "cannot take " << path << '\n';
        return false;
    }
    return true;
}

QWidget& titleScreen() {
    return Show<Form1>();
}

// The hero on a street of Farmin, with the townsfolk's houses around him.
QWidget& moveScreen() {
    return moveScreenAt("Farmin", "Q1", "x8y4");
}

// A fight in the training center after the hero's first blow and the enemy's answer.
QWidget& battle() {
    Form3* fight = openBattle("BanditInTraining");
    control<QPushButton>(fight, "cmbAttack")->click();
    settle();
    return *fight;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: readme_screenshots DIR\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    // Nothing may wait for a player: a message box is recorded, not shown.
    ScriptedDialogs dialogs;
    const std::pair<QWidget& (*)(), const char*> shots[] = {
        {titleScreen, "title.png"}, {moveScreen, "move.png"}, {battle, "battle.png"}};
    for (const auto& [open, file] : shots) {
        unloadEverything();
        if (!save(open(), dialogs, dir, QString::fromLatin1(file)))
            return 1;
    }
    unloadEverything();
    return 0;
}
