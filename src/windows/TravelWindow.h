#pragma once

#include "windows/GameWindow.h"

// The travel window: the places the story stage allows, each with its own arrival cell.
class TravelWindow : public GameWindow {
public:
    static constexpr const char* Name = "TravelWindow";
    explicit TravelWindow(const WindowContext& context);

    void load() override;
    // Closing the window goes back to the move screen with nothing changed.
    void closeBox() override { announce(Happening::TravelCancelled); }
};
