#include "web/Describe.h"

#include "items/Catalogue.h"

#include <string>

using emscripten::val;

namespace {

const char* kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Button:
        return "button";
    case ControlKind::Label:
        return "label";
    case ControlKind::Picture:
        return "picture";
    case ControlKind::Line:
        return "line";
    case ControlKind::TextBox:
        return "textbox";
    }
    return "";
}

val describeControl(const Control& control) {
    val place = val::array();
    for (const int twips :
         {control.place.left, control.place.top, control.place.width, control.place.height})
        place.call<void>("push", twips);
    val described = val::object();
    described.set("name", control.name);
    described.set("kind", std::string(kindName(control.kind)));
    described.set("caption", control.caption);
    described.set("picture", control.picture);
    described.set("enabled", control.enabled);
    described.set("visible", control.visible);
    described.set("place", place);
    return described;
}

val describeWindow(const Window& window) {
    val controls = val::array();
    for (const Control& control : window.controls())
        controls.call<void>("push", describeControl(control));
    val described = val::object();
    described.set("name", window.name());
    described.set("shown", window.isShown());
    described.set("controls", controls);
    return described;
}

val figures(const GameState& game) {
    val described = val::object();
    const auto set = [&described](const char* name, int value) { described.set(name, value); };
    set("YourLevel", game.YourLevel);
    set("StoryStage", game.StoryStage);
    set("StepsToFight", game.StepsToFight);
    set("YourEX", game.YourEX);
    set("YourGold", game.YourGold);
    set("YourHP", game.YourHP);
    set("YourMaxHP", game.YourMaxHP);
    set("YourTP", game.YourTP);
    set("YourMaxTP", game.YourMaxTP);
    set("YourAT", game.YourAT);
    set("YourMaxAT", game.YourMaxAT);
    set("YourDE", game.YourDE);
    set("YourMaxDE", game.YourMaxDE);
    set("YourSE", game.YourSE);
    set("YourMaxSE", game.YourMaxSE);
    set("YourSP", game.YourSP);
    set("YourMaxSP", game.YourMaxSP);
    for (const Item& item : items())
        set(("Num" + std::string(item.key)).c_str(), game.*item.count);
    described.set("Location", game.Location);
    described.set("Quadrant", game.Quadrant);
    described.set("Position", game.Position);
    return described;
}

} // namespace

val describe(Flow& flow) {
    val windows = val::array();
    for (const Window* window : flow.windows())
        windows.call<void>("push", describeWindow(*window));
    val described = val::object();
    described.set("windows", windows);
    described.set("game", figures(flow.game()));
    described.set("ended", flow.hasEnded());
    return described;
}
