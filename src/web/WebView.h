#pragma once

#include "web/WindowElement.h"
#include "windows/Flow.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

// The browser's view of the windows: each window of the game becomes a box in the page with an
// element for each control, made and kept in step by one piece of code for every window. The
// page passes the player's clicks, keys, close boxes and focus back by the names of the window
// and the control; the view decides nothing.
class WebView : public WindowView, public WindowObserver {
public:
    // Draws the windows into the page's element of that id.
    explicit WebView(const std::string& desktopId);
    ~WebView() override;

    // The flow whose windows the view draws; set before the flow opens its first window.
    void attach(Flow& flow) { flow_ = &flow; }

    void opened(Window& window) override;
    void shown(const Window& window) override;
    void hidden(const Window& window) override;
    void closed(const Window& window) override;
    void controlChanged(const Window& window, const Control& control) override;
    void focusMoved(const Window& window) override;

    // A key pressed anywhere in the page goes to the window on top; answers whether it took it.
    bool keyDown(const emscripten::val& event);
    // The player put the focus on a control, by a click or by the browser's own means.
    void focusedByPlayer(const std::string& window, const std::string& control);

private:
    const Window* top() const;

    Flow* flow_ = nullptr;
    emscripten::val desktop_;
    std::unordered_map<const Window*, std::unique_ptr<WindowElement>> elements_;
    // The windows on show, the one shown last at the end.
    std::vector<const Window*> onShow_;
    bool movingFocus_ = false;
};
