#pragma once

#include "windows/Window.h"

#include <emscripten/val.h>

// A key the browser reports (a keydown event) as the windows name it, the same names the desktop
// gives: "Up", "Ctrl+S", "Return" for the main Enter key and "Enter" for the keypad's, "Backtab"
// for Shift+Tab, "W" whether or not Caps Lock is on. A key that is only a modifier gets an empty
// name: the windows never hear it.
KeyPress keyPressOf(const emscripten::val& event);
