#pragma once

#include "windows/GameWindow.h"

// The title screen: the first window of the game and the one most others lead back to.
class TitleScreen : public GameWindow {
public:
    static constexpr const char* Name = "TitleScreen";
    explicit TitleScreen(const WindowContext& context);

    // Loads a saved game as Load Game does once the file is chosen.
    void loadGame(const std::string& path);
    void closeBox() override { quit(); }

private:
    void chooseGame();
    void quit() { announce(Happening::QuitChosen); }
};
