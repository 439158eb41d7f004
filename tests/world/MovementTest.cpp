#include "world/Movement.h"

#include "world/Screens.h"

#include <cctype>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

constexpr Direction allDirections[] = {Direction::Up, Direction::Down, Direction::Left,
                                       Direction::Right};

std::string nameOf(Direction direction) {
    constexpr const char* names[] = {"Up", "Down", "Left", "Right"};
    return names[int(direction)];
}

// The hero on a cell of a screen drawn as the move screen draws it; a step must not count.
GameState standingOn(std::string_view location, std::string_view quadrant,
                     std::string_view position) {
    GameState game;
    game.StepsToFight = 3;
    game.Location = location;
    game.Quadrant = quadrant;
    game.Position = position;
    loadScreenTables(game, *findScreen(location, quadrant));
    return game;
}

bool onEdgeFacing(Cell cell, Direction direction) {
    constexpr int edges[][2] = {{1, 0}, {10, 0}, {0, 1}, {0, 10}};
    const auto [row, column] = edges[int(direction)];
    return cell.row == row || cell.column == column;
}

} // namespace

// "x3y4" is row 3, column 4; only the hundred keys as the game writes them name a cell.
TEST(Movement, cellKeysNameTheRowBeforeTheColumn) {
    EXPECT_EQ(cellOfKey("x3y4"), (Cell{3, 4}));
    EXPECT_EQ(keyOfCell({10, 1}), "x10y1");
    for (int row = 1; row <= 10; ++row)
        for (int column = 1; column <= 10; ++column)
            EXPECT_EQ(cellOfKey(keyOfCell({row, column})), (Cell{row, column}));
    using namespace std::string_view_literals;
    for (const std::string_view key : {""sv, "x3y"sv, "y4x3"sv, "x03y4"sv, "x0y4"sv, "x3y11"sv,
                                       "X3y4"sv, " x3y4"sv, "x3y4 "sv, "x+3y4"sv, "x3y4\0"sv})
        EXPECT_EQ(cellOfKey(key), std::nullopt) << '"' << key << '"';
}

// A step enters only open cells (the bed can be left) and crosses only open exits, each way.
TEST(Movement, aStepEntersOnlyOpenCellsAndCrossesOnlyOpenExits) {
    constexpr struct {
        std::string_view location, quadrant, from;
        Direction direction;
        StepResult result;
        std::string_view toQuadrant, to;
    } walks[] = {
        {"Farmin", "Q1", "x3y4", Direction::Up, StepResult::Moved, "Q1", "x2y4"},
        {"Farmin", "Q1", "x3y4", Direction::Left, StepResult::Moved, "Q1", "x3y3"},
        // The woman stands on row 3, column 5; read the other way round the step would be free.
        {"Farmin", "Q1", "x3y4", Direction::Right, StepResult::Blocked, "Q1", "x3y4"},
        {"Farmin", "Q1", "x3y2", Direction::Left, StepResult::Blocked, "Q1", "x3y2"},
        {"Farmin", "Q2", "x7y4", Direction::Down, StepResult::Moved, "Q2", "x8y4"},
        {"Farmin", "Q2", "x7y4", Direction::Up, StepResult::Blocked, "Q2", "x7y4"},
        {"Farmin", "Q1", "x10y7", Direction::Down, StepResult::Crossed, "Q3", "x1y7"},
        {"Farmin", "Q3", "x1y7", Direction::Up, StepResult::Crossed, "Q1", "x10y7"},
        {"Farmin", "Q1", "x4y10", Direction::Right, StepResult::Crossed, "Q2", "x4y1"},
        {"BanditsCave", "Q4", "x2y1", Direction::Left, StepResult::Crossed, "Q3", "x2y10"},
        {"TrainingCenter", "Q3", "x3y10", Direction::Right, StepResult::Blocked, "Q3", "x3y10"},
    };
    for (const auto& walk : walks) {
        GameState game = standingOn(walk.location, walk.quadrant, walk.from);
        GameState expected = game;
        expected.Quadrant = walk.toQuadrant;
        expected.Position = walk.to;
        const std::string where = std::string(walk.location) + " " + std::string(walk.quadrant) +
                                  " " + std::string(walk.from) + " " + nameOf(walk.direction);
        EXPECT_EQ(step(game, walk.direction), walk.result) << where;
        EXPECT_EQ(game, expected) << where << " went to " << game.Quadrant << game.Position;
    }
}

// Off every open edge cell: travel opens from exactly the known cells; crossings land open.
TEST(Movement, everyEdgeCellCrossesStopsOrOpensTravelAsTheMapsSay) {
    std::set<std::string> travelCells;
    for (const Screen& screen : allScreens())
        for (const Direction direction : allDirections)
            for (int row = 1; row <= 10; ++row)
                for (int column = 1; column <= 10; ++column) {
                    const Cell cell{row, column};
                    if (!onEdgeFacing(cell, direction) ||
                        !std::islower(static_cast<unsigned char>(screen.tile(row, column))))
                        continue;
                    GameState game = standingOn(screen.location, screen.quadrant, keyOfCell(cell));
                    const GameState before = game;
                    const std::string where = std::string(screen.location) + " " +
                                              std::string(screen.quadrant) + " " +
                                              nameOf(direction) + " " + keyOfCell(cell);
                    const StepResult result = step(game, direction);
                    if (result == StepResult::OpenTravel)
                        travelCells.insert(where);
                    if (result != StepResult::Crossed) {
                        EXPECT_EQ(game, before) << where;
                        continue;
                    }
                    loadScreenTables(game, *findScreen(game.Location, game.Quadrant));
                    const Cell landing = cellOfKey(game.Position).value();
                    EXPECT_EQ(game.CellOpen(landing.row, landing.column), True) << where;
                }

    std::set<std::string> expected;
    const auto add = [&](std::string_view place, std::string_view direction, int row, int column) {
        expected.insert(std::string(place) + " " + std::string(direction) + " " +
                        keyOfCell({row, column}));
    };
    for (int line = 7; line <= 9; ++line) {
        add("Farmin Q1", "Left", line, 1);
        add("Farmin Q3", "Down", 10, line);
    }
    add("Farmin Q2", "Up", 1, 9);
    add("Farmin Q2", "Up", 1, 10);
    for (int row = 1; row <= 10; ++row)
        add("Farmin Q2", "Right", row, 10);
    for (int row = 1; row <= 3; ++row)
        add("Farmin Q4", "Right", row, 10);
    add("TrainingCenter Q4", "Down", 10, 1);
    add("BanditsCave Q4", "Down", 10, 8);
    EXPECT_EQ(travelCells, expected);
}

// Only -1 opens; a saved quadrant or cell that names none leads out or does nothing.
TEST(Movement, onlyMinusOneOpensAndOddSavedPlacesStayHarmless) {
    GameState game = standingOn("Farmin", "Q1", "x10y7");
    game.ExitDown(7) = 1;
    game.CellOpen(9, 7) = 1;
    const GameState closed = game;
    EXPECT_EQ(step(game, Direction::Down), StepResult::Blocked);
    EXPECT_EQ(step(game, Direction::Up), StepResult::Blocked);
    EXPECT_EQ(game, closed);

    game = standingOn("Farmin", "Q2", "x1y9");
    game.ExitUp(9) = False;
    const GameState atTheEdge = game;
    EXPECT_EQ(step(game, Direction::Up), StepResult::OpenTravel);
    EXPECT_EQ(game, atTheEdge);

    game = standingOn("Farmin", "Q1", "x10y7");
    game.Quadrant = "Q5";
    EXPECT_EQ(step(game, Direction::Down), StepResult::OpenTravel);
    EXPECT_EQ(step(game, Direction::Up), StepResult::Moved);
    EXPECT_EQ(game.Quadrant + game.Position, "Q5x9y7");

    for (const std::string_view nowhere : {"x0y4", "X3Y4"})
        for (const Direction direction : allDirections) {
            game = standingOn("Farmin", "Q2", "x5y5");
            game.Position = nowhere;
            const GameState before = game;
            EXPECT_EQ(step(game, direction), StepResult::Blocked) << nowhere;
            EXPECT_EQ(game, before);
        }
}
