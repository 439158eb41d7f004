#pragma once

#include "windows/GameWindow.h"

// The about box: the game's name, version and description over the title screen.
class AboutBox : public GameWindow {
public:
    static constexpr const char* Name = "AboutBox";
    explicit AboutBox(const WindowContext& context);

    void closeBox() override { announce(Happening::AboutClosed); }
};
