#include "world/Movement.h"

#include "world/Screens.h"

#include <cctype>
#include <gtest/gtest.h>
#include <set>
#include <span>
#include <string>

namespace {

constexpr Direction allDirections[] = {Direction::Up, Direction::Down, Direction::Left,
                                       Direction::Right};

std::string nameOf(Direction direction) {
    constexpr const char* names[] = {"Up", "Down", "Left", "Right"};
    return names[int(direction)];
}

// The hero on a cell of a screen that is drawn as the move screen draws it, with a few other
// figures set so that a step that touched them would show.
GameState standingOn(std::string_view location, std::string_view quadrant,
                     std::string_view position) {
    GameState game;
    game.YourName = "Ann";
    game.StepsToFight = 3;
    game.Location = location;
    game.Quadrant = quadrant;
    game.Position = position;
    loadScreenTables(game, *findScreen(location, quadrant));
    return game;
}

// The edges of a screen the hero can step off in a direction: the ten cells along that side.
bool onEdgeFacing(Cell cell, Direction direction) {
    switch (direction) {
    case Direction::Up:
        return cell.row == 1;
    case Direction::Down:
        return cell.row == 10;
    case Direction::Left:
        return cell.column == 1;
    case Direction::Right:
        break;
    }
    return cell.column == 10;
}

struct Walk {
    std::string_view location;
    std::string_view quadrant;
    std::string_view from;
    Direction direction;
    StepResult result;
    std::string_view toQuadrant;
    std::string_view to;
};

// Takes each step and checks that it did what the walk says and changed nothing else.
void expectWalks(std::span<const Walk> walks) {
    for (const Walk& walk : walks) {
        GameState game = standingOn(walk.location, walk.quadrant, walk.from);
        GameState expected = game;
        expected.Quadrant = walk.toQuadrant;
        expected.Position = walk.to;
        EXPECT_EQ(step(game, walk.direction), walk.result)
            << walk.location << " " << walk.quadrant << " " << walk.from << " "
            << nameOf(walk.direction);
        EXPECT_EQ(game, expected) << walk.quadrant << " " << walk.from << " "
                                  << nameOf(walk.direction) << " went to " << game.Quadrant << " "
                                  << game.Position;
    }
}

} // namespace

// A key is x, the row, y, the column, in plain decimal: "x3y4" is row 3, column 4.
TEST(Movement, cellKeysNameTheRowBeforeTheColumn) {
    EXPECT_EQ(cellOfKey("x3y4"), (Cell{3, 4}));
    EXPECT_EQ(cellOfKey("x10y1"), (Cell{10, 1}));
    EXPECT_EQ(keyOfCell({3, 4}), "x3y4");
    EXPECT_EQ(keyOfCell({10, 10}), "x10y10");
    for (int row = 1; row <= 10; ++row)
        for (int column = 1; column <= 10; ++column)
            EXPECT_EQ(cellOfKey(keyOfCell({row, column})), (Cell{row, column}));
}

// Only the hundred keys as the game writes them name a cell; anything else a save file may hold
// names none.
TEST(Movement, onlyTheHundredExactKeysNameACell) {
    using namespace std::string_view_literals;
    for (const std::string_view key :
         {""sv,      "x"sv,     "x3"sv,    "x3y"sv,   "xy4"sv,    "y4x3"sv,   "x03y4"sv, "x3y04"sv,
          "x0y4"sv,  "x3y0"sv,  "x11y1"sv, "x1y11"sv, "X3y4"sv,   "x3Y4"sv,   " x3y4"sv, "x3y4 "sv,
          "x+3y4"sv, "x-1y4"sv, "x3y4y"sv, "x3yy4"sv, "x3y4\0"sv, "x100y1"sv, "x1 y1"sv})
        EXPECT_EQ(cellOfKey(key), std::nullopt) << '"' << key << '"';
}

// Inside a screen a step enters the next cell only where the drawn table says it is open; the
// cell the hero stands on is not consulted, so the inn's bed can be left.
TEST(Movement, aStepInsideTheScreenEntersOnlyAnOpenCell) {
    constexpr Walk walks[] = {
        {"Farmin", "Q1", "x3y4", Direction::Up, StepResult::Moved, "Q1", "x2y4"},
        {"Farmin", "Q1", "x3y4", Direction::Down, StepResult::Moved, "Q1", "x4y4"},
        {"Farmin", "Q1", "x3y4", Direction::Left, StepResult::Moved, "Q1", "x3y3"},
        // The woman stands on row 3, column 5; read the other way round the step would be free.
        {"Farmin", "Q1", "x3y4", Direction::Right, StepResult::Blocked, "Q1", "x3y4"},
        {"Farmin", "Q1", "x3y2", Direction::Left, StepResult::Blocked, "Q1", "x3y2"},
        {"TrainingCenter", "Q3", "x5y9", Direction::Right, StepResult::Blocked, "Q3", "x5y9"},
        {"Farmin", "Q2", "x7y4", Direction::Down, StepResult::Moved, "Q2", "x8y4"},
        {"Farmin", "Q2", "x7y4", Direction::Left, StepResult::Moved, "Q2", "x7y3"},
        {"Farmin", "Q2", "x7y4", Direction::Up, StepResult::Blocked, "Q2", "x7y4"},
        {"Farmin", "Q2", "x7y4", Direction::Right, StepResult::Blocked, "Q2", "x7y4"},
    };
    expectWalks(walks);
}

// An open exit takes the hero to the neighbouring screen, onto the facing cell of the same row
// or column, in each of the four directions; the place stays the same.
TEST(Movement, anOpenExitCrossesOntoTheFacingCellOfTheNeighbour) {
    constexpr Walk walks[] = {
        {"Farmin", "Q1", "x10y7", Direction::Down, StepResult::Crossed, "Q3", "x1y7"},
        {"Farmin", "Q3", "x1y7", Direction::Up, StepResult::Crossed, "Q1", "x10y7"},
        {"Farmin", "Q1", "x4y10", Direction::Right, StepResult::Crossed, "Q2", "x4y1"},
        {"Farmin", "Q2", "x4y1", Direction::Left, StepResult::Crossed, "Q1", "x4y10"},
        {"TrainingCenter", "Q1", "x10y2", Direction::Down, StepResult::Crossed, "Q3", "x1y2"},
        {"BanditsCave", "Q4", "x2y1", Direction::Left, StepResult::Crossed, "Q3", "x2y10"},
        {"BanditsCave", "Q3", "x6y10", Direction::Right, StepResult::Crossed, "Q4", "x6y1"},
        // A closed exit between two screens stops the hero.
        {"TrainingCenter", "Q3", "x3y10", Direction::Right, StepResult::Blocked, "Q3", "x3y10"},
    };
    expectWalks(walks);

    // The landing cell is the neighbour's, so the table of the screen left behind is not asked.
    GameState game = standingOn("Farmin", "Q1", "x10y7");
    game.CellOpen(1, 7) = False;
    EXPECT_EQ(step(game, Direction::Down), StepResult::Crossed);
}

// Walking every open edge cell of every screen off its edge: an outer edge opens travel exactly
// from the known cells, and between screens the hero crosses onto an open cell wherever the
// facing cell is open, and is stopped, with nothing changed, where it is not.
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
                    ASSERT_EQ(game.Location, screen.location) << where;
                    const Screen* neighbour = findScreen(game.Location, game.Quadrant);
                    ASSERT_NE(neighbour, nullptr) << where;
                    loadScreenTables(game, *neighbour);
                    const Cell landing = *cellOfKey(game.Position);
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

// At the outer edge of a place the travel window opens whatever the exit tables hold, and the
// step itself changes nothing.
TEST(Movement, theOuterEdgeOpensTravelWhateverTheFlagsSay) {
    for (const Flag flag : {True, False}) {
        GameState game = standingOn("Farmin", "Q2", "x1y9");
        game.ExitUp(9) = flag;
        const GameState before = game;
        EXPECT_EQ(step(game, Direction::Up), StepResult::OpenTravel);
        EXPECT_EQ(game, before);

        game = standingOn("Farmin", "Q1", "x8y1");
        game.ExitLeft(8) = flag;
        EXPECT_EQ(step(game, Direction::Left), StepResult::OpenTravel);
        EXPECT_EQ(game.Position, "x8y1");
    }
}

// A quadrant key that names no quadrant has no neighbours: every edge leads out to the travel
// window (which puts the hero back on a real screen), while steps inside follow the drawn table.
TEST(Movement, anUnknownQuadrantHasOnlyOuterEdges) {
    for (const std::string_view stranger : {"Q5", "q1", ""}) {
        GameState game = standingOn("Farmin", "Q1", "x10y7");
        game.Quadrant = stranger;
        const GameState before = game;
        EXPECT_EQ(step(game, Direction::Down), StepResult::OpenTravel) << stranger;
        EXPECT_EQ(game, before);
        EXPECT_EQ(step(game, Direction::Up), StepResult::Moved);
        EXPECT_EQ(game.Position, "x9y7");
        EXPECT_EQ(game.Quadrant, stranger);
    }
}

// Only -1 opens: a cell or exit flag holding any other value blocks; and a Position that names
// no cell makes every step do nothing. A refused step leaves the whole record as it was.
TEST(Movement, aStepThatIsRefusedChangesNothing) {
    GameState game = standingOn("Farmin", "Q1", "x10y7");
    game.ExitDown(7) = 1;
    GameState before = game;
    EXPECT_EQ(step(game, Direction::Down), StepResult::Blocked);
    EXPECT_EQ(game, before);

    game = standingOn("Farmin", "Q1", "x3y4");
    game.CellOpen(2, 4) = 1;
    before = game;
    EXPECT_EQ(step(game, Direction::Up), StepResult::Blocked);
    EXPECT_EQ(game, before);

    for (const std::string_view nowhere : {"", "x0y4", "x3y4 ", "X3Y4", "x11y1"})
        for (const Direction direction : allDirections) {
            game = standingOn("Farmin", "Q2", "x5y5");
            game.Position = nowhere;
            before = game;
            EXPECT_EQ(step(game, direction), StepResult::Blocked) << nowhere;
            EXPECT_EQ(game, before);
        }
}
