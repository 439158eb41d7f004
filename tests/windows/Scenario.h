#pragma once

#include "windows/Flow.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

// Where a scenario plays: straight on the window layer, with its saved games in memory (where
// a name of "." is a folder), or at the desktop, acted on through the view with the mouse and the
// keyboard and with saved games on disk. The scenario has checked that the window is on show.
class Setting {
public:
    virtual ~Setting() = default;
    virtual void click(Flow& flow, const std::string& window, const std::string& control) {
        flow.click(window, control);
    }
    virtual void press(Flow& flow, const std::string& window, const KeyPress& key) {
        flow.press(window, key);
    }
    virtual void close(Flow& flow, const std::string& window) { flow.closeBox(window); }
    // The view the flow draws on, if any, and the start of each program it draws.
    virtual WindowView* view() { return nullptr; }
    virtual void begin(Flow&) {}
    virtual std::string folder() const { return "/games"; }
    virtual SaveFileRead read(const std::string& path);
    virtual std::string write(const std::string& path, const std::string& record);

private:
    std::map<std::string, std::string> files_;
};

// A scenario is what a player does and sees, a step a line, played on the windows of one
// program (a new one after the program ends). It serves the windows' platform: messages are
// recorded, file dialogs answered from its own folder, and the end of the program noted. Like a
// browser, it answers a dialog only once the step that opened it is over. Steps that act:
//   title                        the title screen, as the program starts
//   open ann.QSV                 the program started with a file of the scenario's folder
//   hero Farmin Q1 x3y4 [2]      a new hero there (at that story stage); no window yet
//   game.YourHP = 3              a figure or text of the game set
//   play                         the move screen, as it opens on the game as it stands
//   battle Slime                 a battle against that enemy over the move screen
//   MoveScreen.Command3          a button clicked
//   close TravelWindow           a window's close box pressed
//   press MoveScreen Up D Ctrl+S keys pressed in a window
//   type NameEntry a Z1!         text typed into a window
//   walk DDDD L                  arrows clicked (blanks only group), every battle fought out
//   fight                        attacks until the battle is won, then END BATTLE
//   train                        down and up until level 5, fighting what comes
//   save ann.QSV, load ann.QSV   Save or Load Game, the dialog answered with a file of the
//                                scenario's folder ("save" alone cancels)
// Steps that check, failing the scenario when they do not hold:
//   shown TitleScreen AboutBox   the windows on show, by name in order ("shown" alone: none)
//   ended                        the program ended, with no window left
//   gone MoveScreen              a window is not loaded
//   same MoveScreen              the window is the one loaded at the previous "same"
//   BattleScreen.info1: Bat W... a control's caption, exactly
//   MoveScreen.map0304 shows graYou  a picture box's picture ("shows nothing": none)
//   BattleScreen enables Do1 Do2: 10  which buttons can be pressed
//   game.StoryStage: 3           a figure or text of the game
//   told: Good luck, Ann         the next message shown ("...words" or "words..." for its end or
//                                beginning); "told nothing": none left unread
//   while told: STEP             STEP checked while the next message is open
//   file ann.QSV: saved          the file holds the game's record, byte for byte
//   filter: Quillmar Save (*.QSV)  the filter the last file dialog offered
class Scenario : private Platform, private WindowView {
public:
    explicit Scenario(Setting* setting = nullptr);
    ~Scenario() override;

    // Plays the steps; an empty string when every step held, else which failed and why.
    std::string play(const std::vector<std::string>& steps);

    // A file of the scenario's folder, as "save" and "load" name it.
    std::string path(const std::string& name) const { return setting_->folder() + "/" + name; }
    Setting& setting() { return *setting_; }

    Flow& flow() { return *flow_; }
    GameState& game() { return flow_->game(); }
    // A program started afresh, with no window and an empty game.
    void restart();
    bool programEnded() const { return quits_ > 0; }

    // Runs after every click and key, for instance to let the windows paint.
    static void setAfterEachClick(std::function<void()> hook);

    std::vector<std::string> messages;

private:
    void showMessage(const std::string& text, std::function<void()> closed) override;
    void chooseFileToOpen(const std::string& filter,
                          std::function<void(const std::string&)> chosen) override;
    void chooseFileToSave(const std::string& filter,
                          std::function<void(const std::string&)> chosen) override;
    SaveFileRead readSaveFile(const std::string& path) override { return setting_->read(path); }
    std::string writeSaveFile(const std::string& path, const std::string& record) override {
        return setting_->write(path, record);
    }
    void endProgram() override { ++quits_; }

    void opened(Window& window) override;
    void shown(const Window& window) override;
    void hidden(const Window& window) override;
    void closed(const Window& window) override;

    void answerDialogs();
    std::string step(const std::string& line);
    std::string act(const std::vector<std::string>& words, const std::string& line);
    std::string check(const std::vector<std::string>& subject, const std::string& expected);
    std::string checkControl(const std::vector<std::string>& subject, const std::string& expected);
    std::string pressed(const std::string& window, const std::string& button);
    std::string walk(const std::string& path);
    std::string fight();
    std::string told(const std::string& expected);

    Setting onTheWindows_;
    Setting* setting_;
    std::unique_ptr<Flow> flow_;
    std::vector<std::function<void()>> dialogs_; // waiting for their answers, oldest first
    std::string answer_;
    std::string filter_;
    std::size_t read_ = 0; // messages already checked
    std::string whileTold_;
    std::string failedWhileTold_;
    std::map<std::string, int> loads_;
    int same_ = -1;
    int quits_ = 0;
};

// A hero with the starting figures of a new game on a cell of a screen, as a saved game would put
// him, so that tests can start anywhere in the world.
GameState heroAt(const std::string& location, const std::string& quadrant,
                 const std::string& position, Integer storyStage = 1);

// The winning route through the whole game, as a scenario: from the title's New Game, with the
// name Ann, along the story to the leader's defeat and back to the title. The playthrough test
// plays it, the playthrough benchmark again and again.
const std::vector<std::string>& winningRoute();

// A line of steps split at " | ".
std::vector<std::string> stepsOf(const std::string& line);
