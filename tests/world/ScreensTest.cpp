#include "world/Screens.h"

#include "state/NewGame.h"
#include "world/Movement.h"
#include "world/Travel.h"

#include <cctype>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

bool isOpen(char tile) {
    return std::islower(static_cast<unsigned char>(tile)) != 0;
}

const Screen& screenOf(std::string_view location, std::string_view quadrant) {
    const Screen* screen = findScreen(location, quadrant);
    if (!screen)
        throw std::invalid_argument("no screen " + std::string(location) + std::string(quadrant));
    return *screen;
}

// A record whose map tables hold a value no screen writes, to see which entries a drawing
// rewrites and which it leaves alone.
constexpr Flag Marker = 7;
GameState markedRecord() {
    GameState game;
    for (int line = 1; line <= 10; ++line) {
        for (int column = 1; column <= 10; ++column)
            game.CellOpen(line, column) = Marker;
        game.ExitUp(line) = game.ExitDown(line) = game.ExitLeft(line) = game.ExitRight(line) =
            Marker;
    }
    return game;
}

std::string cellName(const Screen& screen, int row, int column) {
    return std::string(screen.location) + " " + std::string(screen.quadrant) + " " +
           keyOfCell({row, column});
}

// Two neighbouring screens of one place and the edge they share: `first` lies above or to the
// left of `second`.
struct FacingEdge {
    std::string_view first;
    std::string_view second;
    bool vertical;
};
constexpr FacingEdge facingEdges[] = {
    {"Q1", "Q3", true}, {"Q2", "Q4", true}, {"Q1", "Q2", false}, {"Q3", "Q4", false}};

} // namespace

// The screens are looked up in a fixed order, by exact and case-sensitive names; each has its
// own number of open cells, counted on its map, so a cell typed open that is blocked, or the
// other way round, shows.
TEST(Screens, theTwelveScreensComeInLookUpOrderWithTheirOpenCells) {
    struct Expected {
        std::string_view location;
        std::string_view quadrant;
        int openCells;
    };
    constexpr Expected expected[] = {
        {"Farmin", "Q1", 60},         {"Farmin", "Q2", 56},         {"Farmin", "Q3", 55},
        {"Farmin", "Q4", 63},         {"TrainingCenter", "Q1", 56}, {"TrainingCenter", "Q2", 62},
        {"TrainingCenter", "Q3", 64}, {"TrainingCenter", "Q4", 59}, {"BanditsCave", "Q1", 51},
        {"BanditsCave", "Q2", 69},    {"BanditsCave", "Q3", 47},    {"BanditsCave", "Q4", 57}};
    for (std::size_t index = 0; index < 12; ++index) {
        const Screen& screen = allScreens()[index];
        EXPECT_EQ(screen.location, expected[index].location);
        EXPECT_EQ(screen.quadrant, expected[index].quadrant);
        EXPECT_EQ(findScreen(expected[index].location, expected[index].quadrant), &screen);
        int open = 0;
        for (const std::string_view row : screen.rows)
            for (const char tile : row)
                open += isOpen(tile);
        EXPECT_EQ(open, expected[index].openCells) << screen.location << " " << screen.quadrant;
    }
}

// A save file may name a screen that does not exist: a wrong letter case, an unknown quadrant
// or place finds nothing.
TEST(Screens, aNameThatDiffersInAnyWayFindsNoScreen) {
    EXPECT_EQ(findScreen("farmin", "Q1"), nullptr);
    EXPECT_EQ(findScreen("Farmin", "q1"), nullptr);
    EXPECT_EQ(findScreen("Farmin", "Q5"), nullptr);
    EXPECT_EQ(findScreen("Farmin", "Q0"), nullptr);
    EXPECT_EQ(findScreen("Farmin ", "Q1"), nullptr);
    EXPECT_EQ(findScreen("Trainingcenter", "Q4"), nullptr);
    EXPECT_EQ(findScreen("Q1", "Farmin"), nullptr);
    EXPECT_EQ(findScreen("", ""), nullptr);
}

// Every row is ten letters of the tile catalogue, in the case the catalogue allows, drawn from
// the tiles of the screen's own place; the rarer tiles stand only on the screens they belong to.
TEST(Screens, everyRowIsTenTilesOfItsOwnPlace) {
    const std::map<std::string_view, std::string_view> placeTiles = {
        {"Farmin", "fFXDsTBgGEAJV"}, {"TrainingCenter", "oLHgG"}, {"BanditsCave", "cKNQrgG"}};
    const std::map<char, std::set<std::string>> onlyOn = {
        {'D', {"FarminQ2"}},
        {'B', {"FarminQ2", "FarminQ3"}},
        {'L', {"TrainingCenterQ3", "TrainingCenterQ4"}},
        {'N', {"BanditsCaveQ1"}},
        {'Q', {"BanditsCaveQ3"}},
        {'E', {"FarminQ4"}},
        {'A', {"FarminQ1"}},
        {'J', {"FarminQ2"}},
        {'V', {"FarminQ1", "FarminQ4"}}};
    for (const Screen& screen : allScreens()) {
        const std::string name = std::string(screen.location) + std::string(screen.quadrant);
        for (const std::string_view row : screen.rows) {
            ASSERT_EQ(row.size(), 10u) << name << " " << row;
            for (const char tile : row) {
                EXPECT_NE(placeTiles.at(screen.location).find(tile), std::string_view::npos)
                    << name << " " << row << " " << tile;
                EXPECT_TRUE(!onlyOn.contains(tile) || onlyOn.at(tile).contains(name))
                    << name << " " << tile;
            }
        }
    }
}

// The pictures decide nothing: exactly two floor cells are blocked and exactly three cells
// showing the man in the green shirt are open.
TEST(Screens, onlyTheKnownCellsOpenOrBlockAgainstTheirPicture) {
    std::set<std::string> blockedFloor;
    std::set<std::string> openMen;
    for (const Screen& screen : allScreens())
        for (int row = 1; row <= 10; ++row)
            for (int column = 1; column <= 10; ++column) {
                if (screen.tile(row, column) == 'F')
                    blockedFloor.insert(cellName(screen, row, column));
                if (screen.tile(row, column) == 'g')
                    openMen.insert(cellName(screen, row, column));
            }
    EXPECT_EQ(blockedFloor, (std::set<std::string>{"Farmin Q1 x2y10", "Farmin Q2 x4y4"}));
    EXPECT_EQ(openMen, (std::set<std::string>{"BanditsCave Q1 x7y4", "BanditsCave Q3 x5y7",
                                              "BanditsCave Q4 x9y9"}));
}

// Each tile letter has its picture: the two cases of floor and man share one, every other
// letter has one of its own, and a letter outside the catalogue has none.
TEST(Screens, everyTileLetterShowsItsOwnPicture) {
    std::map<std::string_view, std::set<char>> lettersOfPicture;
    for (const Screen& screen : allScreens())
        for (const std::string_view row : screen.rows)
            for (const char tile : row) {
                EXPECT_FALSE(pictureOfTile(tile).empty()) << tile;
                lettersOfPicture[pictureOfTile(tile)].insert(tile);
            }
    for (const auto& [picture, letters] : lettersOfPicture)
        EXPECT_TRUE(letters.size() == 1 || letters == std::set<char>({'f', 'F'}) ||
                    letters == std::set<char>({'g', 'G'}))
            << picture;
    EXPECT_EQ(pictureOfTile('f'), pictureOfTile('F'));
    EXPECT_EQ(pictureOfTile('g'), pictureOfTile('G'));
    for (const char stranger : {'x', 'S', 'O', '.', ' ', '\0'})
        EXPECT_TRUE(pictureOfTile(stranger).empty()) << stranger;
}

// A screen carries the exit flags of exactly the two edges that face its neighbours.
TEST(Screens, exitMasksStandOnlyOnTheEdgesThatFaceANeighbour) {
    const auto isMask = [](std::string_view mask) {
        return mask.size() == 10 && mask.find_first_not_of("#.") == std::string_view::npos;
    };
    for (const Screen& screen : allScreens()) {
        const bool top = screen.quadrant == "Q1" || screen.quadrant == "Q2";
        const bool left = screen.quadrant == "Q1" || screen.quadrant == "Q3";
        SCOPED_TRACE(std::string(screen.location) + " " + std::string(screen.quadrant));
        EXPECT_TRUE(top ? screen.exitUp.empty() : isMask(screen.exitUp));
        EXPECT_TRUE(top ? isMask(screen.exitDown) : screen.exitDown.empty());
        EXPECT_TRUE(left ? screen.exitLeft.empty() : isMask(screen.exitLeft));
        EXPECT_TRUE(left ? isMask(screen.exitRight) : screen.exitRight.empty());
    }
}

// Where two facing edge cells can both be entered, both sides lead across; and a crossing from
// an open edge cell always lands on an open cell of the neighbour.
TEST(Screens, facingEdgesAgreeAndEveryCrossingLandsOnAnOpenCell) {
    for (const std::string_view place : {"Farmin", "TrainingCenter", "BanditsCave"})
        for (const FacingEdge& edge : facingEdges) {
            const Screen& first = screenOf(place, edge.first);
            const Screen& second = screenOf(place, edge.second);
            const std::string_view firstMask = edge.vertical ? first.exitDown : first.exitRight;
            const std::string_view secondMask = edge.vertical ? second.exitUp : second.exitLeft;
            for (int line = 1; line <= 10; ++line) {
                const bool firstOpen =
                    isOpen(edge.vertical ? first.tile(10, line) : first.tile(line, 10));
                const bool secondOpen =
                    isOpen(edge.vertical ? second.tile(1, line) : second.tile(line, 1));
                const bool firstLeads = firstMask[std::size_t(line - 1)] == '#';
                const bool secondLeads = secondMask[std::size_t(line - 1)] == '#';
                SCOPED_TRACE(std::string(place) + " " + std::string(edge.first) + "/" +
                             std::string(edge.second) + " line " + std::to_string(line));
                if (firstOpen && secondOpen) {
                    EXPECT_TRUE(firstLeads && secondLeads);
                }
                if (firstOpen && firstLeads) {
                    EXPECT_TRUE(secondOpen);
                }
                if (secondOpen && secondLeads) {
                    EXPECT_TRUE(firstOpen);
                }
            }
        }
}

// The game puts the hero without a step on the new-game cell and the three arrival cells, which
// are open; the inn's bed is the one such cell that no step can enter.
TEST(Screens, cellsWhereTheHeroIsPutAreOpenExceptTheInnBed) {
    GameState newGame;
    writeStartingPlace(newGame);
    std::vector<Arrival> placements = {{newGame.Location, newGame.Quadrant, newGame.Position}};
    for (const Destination place :
         {Destination::Farmin, Destination::TrainingCenter, Destination::BanditsCave})
        placements.push_back(arrivalAt(place));
    for (const Arrival& at : placements) {
        const std::optional<Cell> cell = cellOfKey(at.position);
        ASSERT_TRUE(cell) << at.position;
        EXPECT_TRUE(isOpen(screenOf(at.location, at.quadrant).tile(cell->row, cell->column)))
            << at.location << " " << at.quadrant << " " << at.position;
    }
    EXPECT_FALSE(isOpen(screenOf("Farmin", "Q2").tile(7, 4)));
}

// Drawing rewrites every cell's flag from its letter's case and the two exit tables facing the
// neighbours from their masks, with -1 and 0 only; the other two exit tables keep what they held.
TEST(Screens, drawingRewritesTheCellsAndOnlyTheExitsFacingNeighbours) {
    for (const Screen& screen : allScreens()) {
        GameState game = markedRecord();
        loadScreenTables(game, screen);
        SCOPED_TRACE(std::string(screen.location) + " " + std::string(screen.quadrant));
        for (int row = 1; row <= 10; ++row)
            for (int column = 1; column <= 10; ++column)
                EXPECT_EQ(game.CellOpen(row, column),
                          isOpen(screen.tile(row, column)) ? True : False);
        const auto expectExits = [](const EdgeTable& table, std::string_view mask) {
            for (int line = 1; line <= 10; ++line)
                EXPECT_EQ(table(line), mask.empty()                         ? Marker
                                       : mask[std::size_t(line - 1)] == '#' ? True
                                                                            : False);
        };
        expectExits(game.ExitUp, screen.exitUp);
        expectExits(game.ExitDown, screen.exitDown);
        expectExits(game.ExitLeft, screen.exitLeft);
        expectExits(game.ExitRight, screen.exitRight);
    }
}

// The town's first screen, as a new game draws it: rows count from the top, columns from the
// left; its exits lead down in columns 7 to 10 and right in rows 4, 5 and 10.
TEST(Screens, drawingTheFirstTownScreenGivesItsKnownFlags) {
    GameState game = markedRecord();
    loadScreenTables(game, screenOf("Farmin", "Q1"));
    EXPECT_EQ(game.CellOpen(3, 4), True);
    EXPECT_EQ(game.CellOpen(1, 1), False);
    EXPECT_EQ(game.CellOpen(7, 1), True);
    EXPECT_EQ(game.CellOpen(1, 7), False);
    EXPECT_EQ(game.CellOpen(2, 10), False);
    for (int line = 1; line <= 10; ++line) {
        EXPECT_EQ(game.ExitDown(line), line >= 7 ? True : False) << line;
        EXPECT_EQ(game.ExitRight(line), line == 4 || line == 5 || line == 10 ? True : False)
            << line;
        EXPECT_EQ(game.ExitUp(line), Marker);
        EXPECT_EQ(game.ExitLeft(line), Marker);
    }
}

// The bars around the grid show which sides lead to another screen of the same place; a
// quadrant that names none shows every side closed.
TEST(Screens, edgeBarsOpenTowardsTheQuadrantsNeighbours) {
    const auto sides = [](EdgeBars bars) {
        return std::string(bars.up ? "U" : "") + (bars.down ? "D" : "") + (bars.left ? "L" : "") +
               (bars.right ? "R" : "");
    };
    EXPECT_EQ(sides(edgeBarsOf("Q1")), "DR");
    EXPECT_EQ(sides(edgeBarsOf("Q2")), "DL");
    EXPECT_EQ(sides(edgeBarsOf("Q3")), "UR");
    EXPECT_EQ(sides(edgeBarsOf("Q4")), "UL");
    for (const std::string_view stranger : {"Q5", "q1", "", "Q1 "})
        EXPECT_EQ(sides(edgeBarsOf(stranger)), "") << stranger;
}
