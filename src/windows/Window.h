#pragma once

#include "windows/Control.h"

#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>

// What the window frame offers: a fixed window cannot be maximised or resized; a sizable one
// can, and keeps its controls where they are; a fixed dialog has no minimise button either.
enum class Frame { Fixed, Sizable, FixedDialog };

// A key as the player presses it: its name as the game's keys are written ("Up", "W",
// "Ctrl+S", "Esc", "Return", "Enter", "Tab", "Backtab", "Space", "Backspace", "1"), and the
// text it types, if any ("w", "!", " ").
struct KeyPress {
    std::string key;
    std::string text;
};

class Window;

// How a view follows a window: each change of a control as it happens, and each move of the
// keyboard focus.
class WindowObserver {
public:
    virtual ~WindowObserver() = default;
    virtual void controlChanged(const Window& window, const Control& control) = 0;
    virtual void focusMoved(const Window& window) = 0;
};

// A window of the game in plain C++: its controls with everything a view needs to draw them,
// and what each click, key and close box does. Views only draw it and pass the player's input
// back; they decide nothing.
//
// The keyboard works the same in every view. A key bound to a button presses it while the button
// is on show (a disabled button takes the key and does nothing); Tab and Backtab move the focus
// along the focus order; Space presses the button with the focus, and Enter or Return a default
// button with the focus. The focus goes to a button the mouse clicks, to the first control that
// takes it when the window is shown without one, and on along the order when the control that
// has it is disabled or hidden.
class Window {
public:
    Window(std::string name, std::string caption, Twips client, Frame frame);
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // The window's name, by which tests, scripts and the browser's page find it.
    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    // The client area's size; only its width and height count.
    const Twips& client() const { return client_; }
    Frame frame() const { return frame_; }
    const std::deque<Control>& controls() const { return controls_; }
    // The control of that name, or nullptr.
    const Control* find(std::string_view controlName) const;
    const Control* focus() const { return focus_; }
    const std::deque<const Control*>& focusOrder() const { return focusOrder_; }
    bool isShown() const { return shown_; }

    // A mouse click. A control that is hidden or disabled ignores it.
    void click(std::string_view controlName);
    // The player put the focus on a control by other means than the window's keys, such as a
    // click into a text box.
    void focusOn(std::string_view controlName);
    // Answers whether the window took the key; a view lets one it did not take do what it does
    // there (a text box scrolls).
    bool press(const KeyPress& key);
    // The close box never closes a window behind the game's back: each window maps it onto its
    // own way out, or ignores it, so the program never runs on with no window on screen.
    virtual void closeBox() = 0;

    // Runs once the window has been created with its layout, each time it is loaded afresh.
    virtual void load() {}

    // For the flow, which loads, shows, hides and unloads the windows.
    void setObserver(WindowObserver* observer) { observer_ = observer; }
    void setShown(bool shown);

protected:
    Control& addButton(std::string name, std::string caption, Twips place);
    Control& addLabel(std::string name, std::string caption, Twips place);
    Control& addPicture(std::string name, Twips place);
    Control& addTextBox(std::string name, Twips place);
    // A line from (x1, y1) to (x2, y2) in twips; either both x or both y are the same.
    Control& addLine(int x1, int y1, int x2, int y2);
    // The four lines of a box from its top left (x1, y1) to its bottom right (x2, y2).
    void addBox(int x1, int y1, int x2, int y2);

    void onClick(const Control& button, std::function<void()> handler);
    // Lets keys press a button as a click would; the tooltip names them ("Key: Up arrow or W").
    void bindKeys(Control& button, std::initializer_list<const char*> keys,
                  std::string_view keyNames);
    // The focus order: these controls first, in this order, then the others as created.
    void setFocusOrder(std::initializer_list<const Control*> order);

    // Changes a control; the view on the window follows at once.
    void setCaption(Control& control, std::string caption);
    void setNumber(Control& control, int value);
    void setPicture(Control& control, std::string_view picture);
    void setEnabled(Control& control, bool enabled);
    void setVisible(Control& control, bool visible);
    Control& control(std::string_view controlName);

    // A key that no button of the window took, before Tab, Space and Enter move or press.
    virtual bool typed(const KeyPress&) { return false; }

private:
    Control& add(ControlKind kind, std::string name, std::string caption, Twips place);
    void changed(const Control& control);
    void moveFocus(const Control* to);
    void moveFocusOn(bool forward);
    void run(const Control& button);
    bool pressFocused(const KeyPress& key);

    std::string name_;
    std::string caption_;
    Twips client_;
    Frame frame_;
    std::deque<Control> controls_;
    std::map<std::string, Control*, std::less<>> byName_;
    std::map<const Control*, std::function<void()>> handlers_;
    std::deque<const Control*> focusOrder_;
    const Control* focus_ = nullptr;
    bool shown_ = false;
    WindowObserver* observer_ = nullptr;
};
