#pragma once

#include "windows/Flow.h"

#include <emscripten/val.h>

// The windows and the hero's figures as the game holds them, for the browser tests to compare
// with what the page shows: every loaded window in load order with each control's state, the
// figures the random player checks, and whether the program has ended.
emscripten::val describe(Flow& flow);
