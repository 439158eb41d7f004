#pragma once

#include "state/GameState.h"

#include <optional>
#include <string>
#include <string_view>

// A cell of a screen: row 1..10 from the top, column 1..10 from the left.
struct Cell {
    int row = 0;
    int column = 0;
    bool operator==(const Cell&) const = default;
};

// Cell keys are "x", the row, "y", the column, without leading zeros: "x3y4" is row 3,
// column 4. Only the 100 exact keys name a cell.
std::optional<Cell> cellOfKey(std::string_view key);
std::string keyOfCell(Cell cell);

enum class Direction { Up, Down, Left, Right };

// What a click on an arrow did. A blocked step changes nothing at all; a move or a crossing has
// set Position (and, for a crossing, Quadrant), and the screen must be redrawn and the hero
// placed; at the outer edge of a place the travel window opens and nothing changes.
enum class StepResult { Blocked, Moved, Crossed, OpenTravel };

StepResult step(GameState& game, Direction direction);
