#include "windows/Window.h"

#include <algorithm>

Window::Window(std::string name, std::string caption, Twips client, Frame frame)
    : name_(std::move(name)), caption_(std::move(caption)), client_(client), frame_(frame) {}

const Control* Window::find(std::string_view controlName) const {
    const auto found = byName_.find(controlName);
    return found == byName_.end() ? nullptr : found->second;
}

Control& Window::control(std::string_view controlName) {
    return *byName_.find(controlName)->second;
}

Control& Window::add(ControlKind kind, std::string name, std::string caption, Twips place) {
    Control& added = controls_.emplace_back();
    added.kind = kind;
    added.name = std::move(name);
    added.caption = std::move(caption);
    added.place = place;
    if (!added.name.empty())
        byName_.emplace(added.name, &added);
    focusOrder_.push_back(&added);
    return added;
}

Control& Window::addButton(std::string name, std::string caption, Twips place) {
    return add(ControlKind::Button, std::move(name), std::move(caption), place);
}

Control& Window::addLabel(std::string name, std::string caption, Twips place) {
    return add(ControlKind::Label, std::move(name), std::move(caption), place);
}

Control& Window::addPicture(std::string name, Twips place) {
    return add(ControlKind::Picture, std::move(name), {}, place);
}

Control& Window::addTextBox(std::string name, Twips place) {
    return add(ControlKind::TextBox, std::move(name), {}, place);
}

Control& Window::addLine(int x1, int y1, int x2, int y2) {
    // A line is at least a pixel thick, whichever way it runs.
    constexpr int onePixel = 15;
    return add(ControlKind::Line, {}, {},
               {x1, y1, std::max(x2 - x1, onePixel), std::max(y2 - y1, onePixel)});
}

void Window::addBox(int x1, int y1, int x2, int y2) {
    addLine(x1, y1, x2, y1);
    addLine(x1, y2, x2, y2);
    addLine(x1, y1, x1, y2);
    addLine(x2, y1, x2, y2);
}

void Window::onClick(const Control& button, std::function<void()> handler) {
    handlers_[&button] = std::move(handler);
}

void Window::bindKeys(Control& button, std::initializer_list<const char*> keys,
                      std::string_view keyNames) {
    button.keys.assign(keys.begin(), keys.end());
    button.toolTip = "Key: " + std::string(keyNames);
}

void Window::setFocusOrder(std::initializer_list<const Control*> order) {
    std::deque<const Control*> rest;
    std::copy_if(focusOrder_.begin(), focusOrder_.end(), std::back_inserter(rest),
                 [&](const Control* each) {
                     return std::find(order.begin(), order.end(), each) == order.end();
                 });
    focusOrder_.assign(order.begin(), order.end());
    focusOrder_.insert(focusOrder_.end(), rest.begin(), rest.end());
}

void Window::changed(const Control& control) {
    if (observer_)
        observer_->controlChanged(*this, control);
}

void Window::setCaption(Control& control, std::string caption) {
    if (control.caption == caption)
        return;
    control.caption = std::move(caption);
    changed(control);
}

void Window::setNumber(Control& control, int value) {
    setCaption(control, std::to_string(value));
}

void Window::setPicture(Control& control, std::string_view picture) {
    if (control.picture == picture)
        return;
    control.picture = picture;
    changed(control);
}

void Window::setEnabled(Control& control, bool enabled) {
    if (control.enabled == enabled)
        return;
    control.enabled = enabled;
    changed(control);
    if (!enabled && focus_ == &control)
        moveFocusOn(true);
}

void Window::setVisible(Control& control, bool visible) {
    if (control.visible == visible)
        return;
    control.visible = visible;
    changed(control);
    if (!visible && focus_ == &control)
        moveFocusOn(true);
}

void Window::setShown(bool shown) {
    shown_ = shown;
    if (shown && (!focus_ || !focus_->takesFocus())) {
        const auto first = std::find_if(focusOrder_.begin(), focusOrder_.end(),
                                        [](const Control* each) { return each->takesFocus(); });
        moveFocus(first == focusOrder_.end() ? nullptr : *first);
    }
}

void Window::moveFocus(const Control* to) {
    if (focus_ == to)
        return;
    focus_ = to;
    if (observer_)
        observer_->focusMoved(*this);
}

// The next control along the focus order that takes the focus, coming round from the end; the
// focus stays where it is when there is no other, and goes when what has it cannot keep it.
void Window::moveFocusOn(bool forward) {
    const auto at = std::find(focusOrder_.begin(), focusOrder_.end(), focus_);
    const std::size_t count = focusOrder_.size();
    const std::size_t start =
        at == focusOrder_.end() ? count - 1 : std::size_t(at - focusOrder_.begin());
    for (std::size_t step = 1; step < count; ++step) {
        const std::size_t index = forward ? (start + step) % count : (start + count - step) % count;
        if (focusOrder_[index]->takesFocus())
            return moveFocus(focusOrder_[index]);
    }
    if (focus_ && !focus_->takesFocus())
        moveFocus(nullptr);
}

void Window::click(std::string_view controlName) {
    const Control* button = find(controlName);
    if (!button || !button->visible || !button->enabled)
        return;
    if (button->takesFocus())
        moveFocus(button);
    run(*button);
}

void Window::focusOn(std::string_view controlName) {
    const Control* control = find(controlName);
    if (control && control->takesFocus())
        moveFocus(control);
}

void Window::run(const Control& button) {
    const auto handler = handlers_.find(&button);
    if (handler != handlers_.end())
        handler->second();
}

bool Window::press(const KeyPress& key) {
    for (const Control& each : controls_)
        if (each.visible &&
            std::find(each.keys.begin(), each.keys.end(), key.key) != each.keys.end()) {
            if (each.enabled)
                run(each);
            return true;
        }
    return typed(key) || pressFocused(key);
}

bool Window::pressFocused(const KeyPress& key) {
    if (key.key == "Tab" || key.key == "Backtab") {
        moveFocusOn(key.key == "Tab");
        return true;
    }
    const bool isButton = focus_ && focus_->kind == ControlKind::Button;
    const bool enter = key.key == "Return" || key.key == "Enter";
    if (!isButton || !(key.key == "Space" || (enter && focus_->isDefault)))
        return false;
    run(*focus_);
    return true;
}
