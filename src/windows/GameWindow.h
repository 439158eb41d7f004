#pragma once

#include "windows/Happening.h"
#include "windows/Platform.h"
#include "windows/Window.h"

#include <string>
#include <vector>

// What every window of the game works with: the one game record, the platform that serves
// dialogs and files, and the flow that hears what happened. The flow owns all three.
struct WindowContext {
    GameState& game;
    Platform& platform;
    Announcements& flow;
};

// Every window but the about box has a caption that starts with the game's name and version.
std::string gameCaption();

// A window of the game: a window with the game's record, messages and announcements at hand.
class GameWindow : public Window {
public:
    GameWindow(std::string name, const WindowContext& context, std::string caption, Twips client,
               Frame frame);

protected:
    GameState& game() { return context_.game; }
    Platform& platform() { return context_.platform; }
    void announce(Happening what) { context_.flow.happened(*this, what); }
    Announcements& flow() { return context_.flow; }

    // Shows the messages one after the other, then goes on with `then`.
    void tell(std::vector<std::string> messages, std::function<void()> then);

    // The move screen, the battle screen and the status page show HP and TP with their maxima
    // in four labels of the same names: yourHP, yourMaxHP, yourTP, yourMaxTP.
    // Tells screen readers what the four labels mean, once the window has made them.
    void describeHealth();
    void fillHealthLabels();

private:
    WindowContext context_;
};
