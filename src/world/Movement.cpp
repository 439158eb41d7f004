#include "world/Movement.h"

#include "world/Screens.h"

namespace {

struct Offset {
    int rows;
    int columns;
};

Offset offsetOf(Direction direction) {
    switch (direction) {
    case Direction::Up:
        return {-1, 0};
    case Direction::Down:
        return {1, 0};
    case Direction::Left:
        return {0, -1};
    case Direction::Right:
        break;
    }
    return {0, 1};
}

// A row or column number as a key writes it: 1 to 10, no sign, no leading zero, nothing else.
std::optional<int> lineNumber(std::string_view text) {
    for (int number = 1; number <= 10; ++number)
        if (text == std::to_string(number))
            return number;
    return std::nullopt;
}

bool onScreen(Cell cell) {
    return cell.row >= 1 && cell.row <= 10 && cell.column >= 1 && cell.column <= 10;
}

// The flag of the edge the hero is about to cross, at the hero's own row or column.
Flag exitFlag(const GameState& game, Direction direction, Cell from) {
    switch (direction) {
    case Direction::Up:
        return game.ExitUp(from.column);
    case Direction::Down:
        return game.ExitDown(from.column);
    case Direction::Left:
        return game.ExitLeft(from.row);
    case Direction::Right:
        break;
    }
    return game.ExitRight(from.row);
}

// Leaving one side of a screen enters the neighbour from the opposite side, in the same row or
// column.
Cell landingCell(Cell beyondEdge) {
    const auto wrap = [](int line) { return line < 1 ? 10 : line > 10 ? 1 : line; };
    return {wrap(beyondEdge.row), wrap(beyondEdge.column)};
}

} // namespace

std::optional<Cell> cellOfKey(std::string_view key) {
    const std::size_t y = key.find('y');
    if (!key.starts_with('x') || y == std::string_view::npos)
        return std::nullopt;
    const auto row = lineNumber(key.substr(1, y - 1));
    const auto column = lineNumber(key.substr(y + 1));
    if (!row || !column)
        return std::nullopt;
    return Cell{*row, *column};
}

std::string keyOfCell(Cell cell) {
    std::string key = "x";
    key += std::to_string(cell.row);
    key += 'y';
    key += std::to_string(cell.column);
    return key;
}

StepResult step(GameState& game, Direction direction) {
    const std::optional<Cell> from = cellOfKey(game.Position);
    if (!from)
        return StepResult::Blocked;
    const Offset offset = offsetOf(direction);
    const Cell target{from->row + offset.rows, from->column + offset.columns};
    if (onScreen(target)) {
        if (game.CellOpen(target.row, target.column) != True)
            return StepResult::Blocked;
        game.Position = keyOfCell(target);
        return StepResult::Moved;
    }
    // Off the edge: on to the neighbouring screen where the edge leads there, else out of the
    // place. A quadrant key that names no quadrant has no neighbours, so every edge of it leads
    // out to the travel window, which puts the hero back on a real screen.
    const std::string_view neighbour =
        neighbourQuadrant(game.Quadrant, offset.rows, offset.columns);
    if (neighbour.empty())
        return StepResult::OpenTravel;
    if (exitFlag(game, direction, *from) != True)
        return StepResult::Blocked;
    game.Position = keyOfCell(landingCell(target));
    game.Quadrant = std::string(neighbour);
    return StepResult::Crossed;
}
