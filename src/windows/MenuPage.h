#pragma once

#include "windows/GameWindow.h"

// A page of the game menu. Either page's Quit (and its close box) leaves the menu: the move
// screen shows the HP and TP the menu may have changed and comes back.
class MenuPage : public GameWindow {
public:
    MenuPage(std::string name, const WindowContext& context, Twips client)
        : GameWindow(std::move(name), context, gameCaption(), client, Frame::Fixed) {}

    void closeBox() override { announce(Happening::MenuLeft); }

protected:
    // The page's own buttons: one to the other page, and Quit, which Escape presses too.
    void addPageButtons(const char* pageName, const char* pageCaption, const char* quitName,
                        int top, Happening pageChosen);
};
