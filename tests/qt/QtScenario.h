#pragma once

#include "qt/DesktopView.h"
#include "windows/Scenario.h"

// A scenario at the desktop: the windows drawn by the desktop view, offscreen, and acted on
// through their widgets with the mouse and the keyboard, as a player would.
class AtTheDesktop : public Setting {
public:
    void click(Flow& flow, const std::string& window, const std::string& control) override;
    void press(Flow& flow, const std::string& window, const KeyPress& key) override;
    void close(Flow& flow, const std::string& window) override;
    void begin(Flow& flow) override { view_.attach(flow); }
    void opened(Window& window) override { view_.opened(window); }
    void shown(const Window& window) override { view_.shown(window); }
    void hidden(const Window& window) override { view_.hidden(window); }
    void closed(const Window& window) override { view_.closed(window); }

    DesktopView& desktopView() { return view_; }

private:
    DesktopView view_;
};

// Lets the widgets of unloaded windows go, as the event loop would.
void settle();

// Where the desktop view differs from what the windows say: every control of every open window
// drawn where and as its window says, and every window on show as its window says, with the
// game's icon; empty when the two agree.
std::string viewDiffers(const Flow& flow, DesktopView& view);
