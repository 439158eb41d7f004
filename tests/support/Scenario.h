#pragma once

#include "state/GameState.h"
#include "toolkit/Dialogs.h"
#include "toolkit/FormRegistry.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

// Processes the deletions that unloading leaves for the event loop.
void settle();

// Unloads every form and settles, so each test starts from a program with no window.
void unloadEverything();

// The names of the forms that are loaded and visible, sorted.
QStringList visibleForms();

// A control of a form by its control name; a warning when there is none.
template <class W = QWidget> W* control(QWidget* form, const char* name) {
    W* found = form ? form->findChild<W*>(QString::fromLatin1(name)) : nullptr;
    if (!found)
        qWarning("no control %s", name);
    return found;
}

// A scenario is what a player does and sees, a step a line, played on the real windows. It
// stands in for the desktop's dialogs while it lives: messages are recorded, file dialogs
// answered from its own folder, and the end of the program noted. Steps that act:
//   title                        the title screen, as the program starts
//   open ann.QSV                 the program started with a file of the scenario's folder
//   hero Farmin Q1 x3y4 [2]      a new hero there (at that story stage); no window yet
//   game.YourHP = 3              a figure or text of the game set
//   play                         the move screen, as a loaded game shows it
//   battle Slime                 a battle against that enemy over the move screen
//   Form2.Command3               a button clicked
//   close Form8                  a window's close box pressed
//   press Form2 Up D Ctrl+S      keys pressed in a window, to the control with the focus
//   type Form5 a Z1!             text typed into a window, to the control with the focus
//   walk DDDD L                  arrows clicked (blanks only group), every battle fought out
//   fight                        attacks until the battle is won, then END BATTLE
//   train                        down and up until level 5, fighting what comes
//   save ann.QSV, load ann.QSV   Save or Load Game, the dialog answered with a file of the
//                                scenario's folder ("save" alone cancels)
// Steps that check, failing the scenario when they do not hold:
//   shown Form1 frmAbout         the windows on show, by name in order ("shown" alone: none)
//   ended                        the program ended, with no window left
//   gone Form2                   a window is not loaded
//   same Form2                   the window is the one loaded at the previous "same"
//   Form3.info1: Bat Whats...    a label's, button's or text box's caption, exactly
//   Form2.map0304 shows graYou   a picture box's picture ("shows nothing": none)
//   Form3 enables Do1 Do2: 10    which buttons can be pressed
//   game.StoryStage: 3           a figure or text of the game
//   told: Good luck, Ann         the next message shown ("...words" or "words..." for its end or
//                                beginning); "told nothing": none left unread
//   while told: STEP             STEP checked while the next message is open
//   file ann.QSV: saved          the file holds the game's record, byte for byte
//   filter: Quillmar Save (*.QSV)  the filter the last file dialog offered (unanswered: a cancel)
class Scenario : public DialogProvider {
public:
    Scenario();
    ~Scenario() override;

    // Plays the steps; an empty string when every step held, else which failed and why. Tests
    // compare it with an empty string, so that a failure shows the step.
    QString play(const QStringList& steps);

    // A file of the scenario's folder, as "save" and "load" name it.
    QString path(const QString& name) const { return QDir(folder_.path()).filePath(name); }

    // Runs after every click and key, for instance to let the windows paint.
    static void setAfterEachClick(std::function<void()> hook);

    QStringList messages;
    int quits = 0;

private:
    void message(QWidget*, const QString& text) override;
    QString askFileToOpen(QWidget*, const QString& filter) override { return answer(filter); }
    QString askFileToSave(QWidget*, const QString& filter) override { return answer(filter); }
    void quit() override { ++quits; }
    bool hasQuit() const override { return quits > 0; }
    QString answer(const QString& filter);

    QString step(const QString& line);
    QString act(const QStringList& words, const QString& line);
    QString check(const QStringList& subject, const QString& expected);
    QString walk(const QString& path);
    QString fight();
    QString told(const QString& expected);

    QTemporaryDir folder_;
    QString answer_;
    QString filter_;
    qsizetype read_ = 0; // messages already checked
    QString whileTold_;
    QString failedWhileTold_;
    QWidget* same_ = nullptr;
};

// A hero with the starting figures of a new game on a cell of a screen, as a saved game would put
// him, so that tests can start anywhere in the world.
GameState heroAt(const std::string& location, const std::string& quadrant,
                 const std::string& position, Integer storyStage = 1);

// Files: their bytes ("<unreadable>" when they cannot be read), written whole, every entry under
// a folder (hidden ones too) as sorted relative paths, and the record a save of a game holds.
QByteArray contents(const QString& path);
void write(const QString& path, const QByteArray& bytes);
QStringList everythingIn(const QString& folder);
QByteArray recordOf(const GameState& game);

// The winning route through the whole game, as a scenario: from the title's New Game, with the
// name Ann, along the story to the leader's defeat and back to the title. The playthrough test
// plays it, the playthrough benchmark again and again.
const QStringList& winningRoute();
