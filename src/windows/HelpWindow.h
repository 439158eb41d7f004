#pragma once

#include "windows/GameWindow.h"

#include <array>

// The help window: four pages of fixed text, one on show at a time; the button of the page on
// show is the one that is disabled.
class HelpWindow : public GameWindow {
public:
    static constexpr const char* Name = "HelpWindow";
    explicit HelpWindow(const WindowContext& context);

    void load() override { showPage(1); }
    void closeBox() override { announce(Happening::BackToTitle); }

private:
    void showPage(int page);

    Control* text_;
    std::array<Control*, 4> pageButtons_{};
};
