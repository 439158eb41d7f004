#pragma once

#include "windows/Flow.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

// Where a scenario plays: straight on the window layer, or at the desktop, acted on through the
// view with the mouse and the keyboard. The scenario has checked that the window is on show.
class Setting : public WindowView {
public:
    virtual void click(Flow& flow, const std::string& window, const std::string& control) {
        flow.click(window, control);
    }
    virtual void press(Flow& flow, const std::string& window, const KeyPress& key) {
        flow.press(window, key);
    }
    virtual void close(Flow& flow, const std::string& window) { flow.closeBox(window); }
    // Each program the scenario starts, and how the windows go, for a view to draw.
    virtual void begin(Flow&) {}
    void opened(Window&) override {}
    void shown(const Window&) override {}
    void hidden(const Window&) override {}
    void closed(const Window&) override {}
};

// A scenario is what a player does and sees, a step a line, played on the windows of one
// program (a new one after the program ends); docs/scenarios.md lists its steps. It serves the
// windows' platform: messages are recorded, file dialogs answered from its own folder, and the
// end of the program noted. Like a browser, it answers a dialog only once the step that opened it
// is over.
class Scenario : private Platform, private WindowView {
public:
    explicit Scenario(Setting* setting = nullptr);
    ~Scenario() override;

    // Plays the steps; an empty string when every step held, else which failed and why.
    std::string play(const std::vector<std::string>& steps);

    // A file of the scenario's folder, as "save" and "load" name it; the saved games lie in
    // memory, by path, and a name of "." is a folder.
    static std::string path(const std::string& name) { return "/games/" + name; }
    std::map<std::string, std::string> files;

    Flow& flow() { return *flow_; }
    GameState& game() { return flow_->game(); }
    // A program started afresh, with no window and an empty game.
    void restart();

    std::vector<std::string> messages;

private:
    void showMessage(const std::string& text, std::function<void()> closed) override;
    void chooseFileToOpen(const std::string& filter,
                          std::function<void(const std::string&)> chosen) override {
        chooseFile(filter, std::move(chosen));
    }
    void chooseFileToSave(const std::string& filter,
                          std::function<void(const std::string&)> chosen) override {
        chooseFile(filter, std::move(chosen));
    }
    void chooseFile(const std::string& filter, std::function<void(const std::string&)> chosen);
    SaveFileRead readSaveFile(const std::string& path) override;
    std::string writeSaveFile(const std::string& path, const std::string& record) override;
    void endProgram() override {}

    // Each load of a window is counted for "same"; the setting's view draws them all.
    void opened(Window& window) override {
        ++loads_[window.name()];
        setting_->opened(window);
    }
    void shown(const Window& window) override { setting_->shown(window); }
    void hidden(const Window& window) override { setting_->hidden(window); }
    void closed(const Window& window) override { setting_->closed(window); }

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

// A rule of the windows, played as a scenario: what it says, then its steps.
struct FlowRow {
    std::string rule;
    std::vector<std::string> steps;
};

// Every rule of the flow table (FlowTable.cpp), the winning playthrough last.
std::vector<FlowRow> flowRows();
