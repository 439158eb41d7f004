#include "web/WindowElement.h"

#include "web/CanvasArt.h"

#include <string>

using emscripten::val;

namespace {

val create(const char* tag, const char* className) {
    val element = val::global("document").call<val>("createElement", std::string(tag));
    element.set("className", std::string(className));
    return element;
}

std::string px(int twips) {
    return std::to_string(twipsToPixels(twips)) + "px";
}

void place(val& element, const Twips& at) {
    val style = element["style"];
    style.set("left", px(at.left));
    style.set("top", px(at.top));
    style.set("width", px(at.width));
    style.set("height", px(at.height));
}

// The faces with the widths of the classic ones the layouts were written for, then any face of
// the family.
std::string cssFont(const Font& font) {
    const char* family = font.family == FontFamily::Serif ? "\"Liberation Serif\", serif"
                                                          : "\"Liberation Sans\", sans-serif";
    return std::string(font.bold ? "bold " : "") + std::to_string(font.points) + "pt " + family;
}

const char* arrowGlyph(Arrow arrow) {
    switch (arrow) {
    case Arrow::Up:
        return "\u25B2";
    case Arrow::Down:
        return "\u25BC";
    case Arrow::Left:
        return "\u25C0";
    case Arrow::Right:
        return "\u25B6";
    case Arrow::None:
        break;
    }
    return "";
}

void setOrRemove(val& element, const char* attribute, const std::string& value) {
    if (value.empty())
        element.call<void>("removeAttribute", std::string(attribute));
    else
        element.call<void>("setAttribute", std::string(attribute), value);
}

} // namespace

WindowElement::WindowElement(const Window& window, val desktop)
    : window_(window), desktop_(std::move(desktop)), box_(makeBox()) {
    val client = box_.call<val>("querySelector", std::string(".client"));
    for (const Control& control : window.controls()) {
        val element = make(control);
        client.call<void>("appendChild", element);
        elements_.emplace(&control, element);
        follow(control);
    }
}

WindowElement::~WindowElement() {
    box_.call<void>("remove");
}

val WindowElement::makeBox() {
    val box = create("div", "window");
    box.call<void>("setAttribute", std::string("data-window"), window_.name());
    box.call<void>("setAttribute", std::string("role"), std::string("dialog"));
    box.call<void>("setAttribute", std::string("aria-label"), window_.caption());
    box.set("hidden", true);
    val bar = create("div", "titlebar");
    val caption = create("span", "caption");
    caption.set("textContent", window_.caption());
    val close = create("button", "close");
    close.call<void>("setAttribute", std::string("data-control"), std::string("close"));
    close.call<void>("setAttribute", std::string("aria-label"), std::string("Close"));
    close.set("tabIndex", -1);
    close.set("textContent", std::string("\u2715"));
    bar.call<void>("append", caption, close);
    val client = create("div", "client");
    client["style"].set("width", px(window_.client().width));
    client["style"].set("height", px(window_.client().height));
    box.call<void>("append", bar, client);
    desktop_.call<void>("appendChild", box);
    return box;
}

val WindowElement::make(const Control& control) {
    val element = val::null();
    switch (control.kind) {
    case ControlKind::Button:
        element = makeButton(control);
        break;
    case ControlKind::Label:
        element = makeLabel(control);
        break;
    case ControlKind::Picture:
        element = create("canvas", "control picture");
        break;
    case ControlKind::Line:
        element = create("div", "control line");
        break;
    case ControlKind::TextBox:
        element = create("textarea", "control textbox");
        element.set("readOnly", true);
        break;
    }
    if (!control.name.empty())
        element.call<void>("setAttribute", std::string("data-control"), control.name);
    if (control.kind != ControlKind::Picture || !control.accessibleName.empty())
        setOrRemove(element, "aria-label", control.accessibleName);
    else
        element.call<void>("setAttribute", std::string("aria-hidden"), std::string("true"));
    setOrRemove(element, "aria-description", control.description);
    setOrRemove(element, "title", control.toolTip);
    if (control.kind == ControlKind::Picture && !control.accessibleName.empty())
        element.call<void>("setAttribute", std::string("role"), std::string("img"));
    place(element, control.place);
    if (control.font != Font{})
        element["style"].set("font", cssFont(control.font));
    return element;
}

val WindowElement::makeButton(const Control& control) {
    val button = create("button", control.isDefault ? "control button default" : "control button");
    button.set("type", std::string("button"));
    return button;
}

// A box one line high shows its caption on one line, widened where today's fonts need a few
// pixels more than the layout gave; taller boxes wrap their words. Both are measured in the
// window's own font, whatever font the label is then given.
val WindowElement::makeLabel(const Control& control) {
    constexpr double windowLineSpacing = 8.0 * 4 / 3 * 1.15;
    const bool oneLine = twipsToPixels(control.place.height) < 2 * windowLineSpacing;
    val label = create("div", oneLine ? "control label oneline" : "control label");
    if (oneLine)
        label["style"].set("minWidth", px(control.place.width));
    if (control.alignment == Alignment::Centre)
        label["style"].set("textAlign", std::string("center"));
    return label;
}

void WindowElement::follow(const Control& control) {
    val element = elementOf(control);
    switch (control.kind) {
    case ControlKind::Button:
        element.set("textContent", std::string(arrowGlyph(control.arrow)) + control.caption);
        break;
    case ControlKind::Label:
        element.set("textContent", control.caption);
        break;
    case ControlKind::TextBox:
        if (element["value"].as<std::string>() != control.caption)
            element.set("value", control.caption);
        break;
    case ControlKind::Picture:
        // A step sets every cell of the screen, nearly all to the picture they already show.
        if (auto [drawn, isNew] = pictures_.try_emplace(&control, control.picture);
            isNew || drawn->second != control.picture) {
            drawn->second = control.picture;
            drawPicture(element, control.picture);
            // Names the picture for the browser tests and the page's own tools.
            setOrRemove(element, "data-picture", control.picture);
        }
        break;
    case ControlKind::Line:
        break;
    }
    if (control.kind == ControlKind::Button || control.kind == ControlKind::TextBox)
        element.set("disabled", !control.enabled);
    element.set("hidden", !control.visible);
}

void WindowElement::show() {
    // The window shown last is on top, as the last child of the desktop.
    desktop_.call<void>("appendChild", box_);
    box_.set("hidden", false);
}

void WindowElement::hide() {
    box_.set("hidden", true);
}

void WindowElement::blur() {
    const val focused = val::global("document")["activeElement"];
    if (!focused.isNull() && box_.call<bool>("contains", focused))
        focused.call<void>("blur");
}
