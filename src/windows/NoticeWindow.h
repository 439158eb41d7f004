#pragma once

#include "windows/GameWindow.h"

// A window of our own words with one button that leads back to the title screen: the closing
// window after the final victory and the contact window share this shape.
class NoticeWindow : public GameWindow {
public:
    NoticeWindow(std::string name, const WindowContext& context, std::string heading,
                 std::string text);

    void closeBox() override { announce(Happening::BackToTitle); }
};

// The closing window, shown when the leader of the bandits has been beaten.
class ClosingWindow : public NoticeWindow {
public:
    static constexpr const char* Name = "ClosingWindow";
    explicit ClosingWindow(const WindowContext& context);
};

// The contact window: how to reach the people who make the game.
class ContactWindow : public NoticeWindow {
public:
    static constexpr const char* Name = "ContactWindow";
    explicit ContactWindow(const WindowContext& context);
};
