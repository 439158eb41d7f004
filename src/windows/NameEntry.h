#pragma once

#include "windows/GameWindow.h"

#include <array>

// The name entry: an on-screen keyboard of 36 keys in two cases. The name being typed lives
// only in the caption of YouName.
class NameEntry : public GameWindow {
public:
    static constexpr const char* Name = "NameEntry";
    explicit NameEntry(const WindowContext& context);

    void load() override { upperCase_ = true; }
    // Closing the name entry abandons the new game and goes back to the title.
    void closeBox() override { announce(Happening::NameEntryClosed); }

protected:
    // The physical keyboard types too, wherever the focus is: a character one of the keys can
    // add appends itself, Backspace takes the last character back, Enter continues.
    bool typed(const KeyPress& key) override;

private:
    void append(std::string_view characters);
    void toggleCase();
    void confirm();

    Control* name_;
    Control* caseToggle_;
    std::array<Control*, 36> keys_{};
    bool upperCase_ = true;
};
