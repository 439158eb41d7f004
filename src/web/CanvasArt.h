#pragma once

#include <emscripten/val.h>
#include <string_view>

// Draws a picture of the game's art on a canvas at the art's own size; the page stretches the
// canvas over its box without smoothing. A name that holds no picture leaves the canvas empty.
void drawPicture(emscripten::val& canvas, std::string_view name);
