#include "web/WebView.h"

#include "web/WebKeys.h"

#include <algorithm>

using emscripten::val;

WebView::WebView(const std::string& desktopId)
    : desktop_(val::global("document").call<val>("getElementById", desktopId)) {}

WebView::~WebView() = default;

void WebView::opened(Window& window) {
    elements_[&window] = std::make_unique<WindowElement>(window, desktop_);
    window.setObserver(this);
}

void WebView::shown(const Window& window) {
    std::erase(onShow_, &window);
    onShow_.push_back(&window);
    elements_.at(&window)->show();
    focusMoved(window);
}

void WebView::hidden(const Window& window) {
    std::erase(onShow_, &window);
    elements_.at(&window)->hide();
}

// The box leaves the page at once; a click that unloaded its own window has already been
// dispatched, and the window itself lives on in the flow until the player's next action.
void WebView::closed(const Window& window) {
    std::erase(onShow_, &window);
    elements_.erase(&window);
}

void WebView::controlChanged(const Window& window, const Control& control) {
    elements_.at(&window)->follow(control);
}

// Focusing an element makes the page report it at once; that report is no news to the window.
void WebView::focusMoved(const Window& window) {
    if (!window.isShown())
        return;
    movingFocus_ = true;
    if (window.focus())
        elements_.at(&window)->elementOf(*window.focus()).call<void>("focus");
    else
        elements_.at(&window)->blur();
    movingFocus_ = false;
}

bool WebView::keyDown(const val& event) {
    const Window* window = top();
    const KeyPress key = keyPressOf(event);
    if (!window || key.key.empty())
        return false;
    // The window may unload itself on the key; its name is kept aside first.
    const std::string name = window->name();
    return flow_->press(name, key);
}

void WebView::focusedByPlayer(const std::string& window, const std::string& control) {
    if (movingFocus_)
        return;
    const Window* found = flow_->find(window);
    const Control* focused = found ? found->find(control) : nullptr;
    if (focused && found->focus() != focused)
        flow_->focusOn(window, control);
}

const Window* WebView::top() const {
    return onShow_.empty() ? nullptr : onShow_.back();
}
