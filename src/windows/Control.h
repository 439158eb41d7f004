#pragma once

#include <string>
#include <vector>

// A control's place in its window, in twips (15 to a device-independent pixel), as the game's
// layouts are written.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Twips&) const = default;
};

// Views place controls in device-independent pixels (CSS pixels in a browser), 15 twips to a
// pixel, rounded to the nearest; the screen scales them further for its density by itself.
constexpr int twipsToPixels(int twips) {
    constexpr int twipsPerPixel = 15;
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

enum class ControlKind {
    Button,
    Label,
    Picture, // a picture stretched over its box, without smoothing
    Line,    // a thin line that only divides the window
    TextBox, // read-only text with a scroll bar that is always there
};

// The layouts' fonts stand for the classic Windows faces, which are not everywhere: a view
// picks a face of the family with the same widths, at the same size and weight.
enum class FontFamily { Sans, Serif };

struct Font {
    FontFamily family = FontFamily::Sans;
    double points = 8;
    bool bold = false;
    bool operator==(const Font&) const = default;
};

// The arrows of the move screen's step buttons, drawn by each view in its own style.
enum class Arrow { None, Up, Down, Left, Right };

enum class Alignment { Left, Centre };

// One control of a window as the player meets it. The name is the game's control name
// ("Command8", "map0304", "YourGold"), by which tests and accessibility tools find it; captions
// and dividing lines have none.
struct Control {
    ControlKind kind = ControlKind::Label;
    std::string name;
    Twips place;
    std::string caption; // a button's or label's caption, a text box's text
    std::string picture; // a picture box's picture, by its name in the art; empty for none
    Font font;
    Arrow arrow = Arrow::None;
    Alignment alignment = Alignment::Left;
    bool enabled = true;
    bool visible = true;
    // Enter and Return press it while it has the focus.
    bool isDefault = false;
    // What a screen reader says: a control that shows a caption is read by its caption and
    // explained by its description ("Gold"); one without a caption has a name of its own.
    std::string accessibleName;
    std::string description;
    std::string toolTip;
    // The keys that press a button as a click would, while it is on show ("Up", "W", "Ctrl+S").
    std::vector<std::string> keys;

    bool takesFocus() const {
        return (kind == ControlKind::Button || kind == ControlKind::TextBox) && enabled && visible;
    }
};
