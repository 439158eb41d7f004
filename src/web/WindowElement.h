#pragma once

#include "windows/Window.h"

#include <emscripten/val.h>
#include <unordered_map>

// One window of the game in the page: a box with a title bar, its caption and a close box over
// the client area, and an element for each control at its place. The page finds windows and
// controls by their names (data-window, data-control) and passes the player's input back by
// them. The box leaves the page with the element.
class WindowElement {
public:
    WindowElement(const Window& window, emscripten::val desktop);
    ~WindowElement();
    WindowElement(const WindowElement&) = delete;
    WindowElement& operator=(const WindowElement&) = delete;

    const Window& window() const { return window_; }
    emscripten::val elementOf(const Control& control) const { return elements_.at(&control); }
    // Brings a control's element in step with what the window says of it.
    void follow(const Control& control);
    // Shows the box over every other window, or hides it.
    void show();
    void hide();
    // Takes the keyboard focus away from whichever control of the window has it.
    void blur();

private:
    emscripten::val makeBox();
    emscripten::val make(const Control& control);
    emscripten::val makeButton(const Control& control);
    emscripten::val makeLabel(const Control& control);

    const Window& window_;
    emscripten::val desktop_;
    emscripten::val box_;
    std::unordered_map<const Control*, emscripten::val> elements_;
    std::unordered_map<const Control*, std::string> pictures_;
};
