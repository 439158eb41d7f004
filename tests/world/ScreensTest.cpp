#include "world/Screens.h"

#include "state/NewGame.h"
#include "world/Movement.h"
#include "world/Travel.h"

#include <cctype>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

bool isOpen(char tile) {
    return std::islower(static_cast<unsigned char>(tile)) != 0;
}

std::string nameOf(const Screen& screen) {
    return std::string(screen.location) + " " + std::string(screen.quadrant);
}

bool leads(std::string_view mask, int line) {
    return mask[std::size_t(line - 1)] == '#';
}

} // namespace

// Screens are found by exact names; rows are ten tiles of their place, each with its own picture.
TEST(Screens, everyScreenIsFoundByNameAndDrawnFromItsPlacesTiles) {
    const std::map<std::string_view, std::string_view> placeTiles = {
        {"Farmin", "fFXDsTBgGEAJV"}, {"TrainingCenter", "oLHgG"}, {"BanditsCave", "cKNQrgG"}};
    std::map<std::string_view, std::set<char>> lettersOfPicture;
    for (const Screen& screen : allScreens()) {
        EXPECT_EQ(findScreen(screen.location, screen.quadrant), &screen);
        for (const std::string_view row : screen.rows) {
            ASSERT_EQ(row.size(), 10u) << nameOf(screen) << " " << row;
            for (const char tile : row) {
                EXPECT_NE(placeTiles.at(screen.location).find(tile), std::string_view::npos)
                    << nameOf(screen) << " " << row;
                lettersOfPicture[pictureOfTile(tile)].insert(tile);
            }
        }
    }
    for (const auto& [picture, letters] : lettersOfPicture)
        EXPECT_TRUE(!picture.empty() && (letters.size() == 1 || letters == std::set{'f', 'F'} ||
                                         letters == std::set{'g', 'G'}))
            << picture;
    EXPECT_EQ(pictureOfTile('x'), "");
    for (const auto& [location, quadrant] :
         {std::pair{"farmin", "Q1"}, {"Farmin", "q1"}, {"Farmin", "Q5"}, {"Farmin ", "Q1"}})
        EXPECT_EQ(findScreen(location, quadrant), nullptr) << location << quadrant;
}

// The case decides, not the picture: just two floor cells are blocked and three men are open.
TEST(Screens, onlyTheKnownCellsOpenOrBlockAgainstTheirPicture) {
    std::set<std::string> blockedFloor, openMen;
    for (const Screen& screen : allScreens())
        for (int row = 1; row <= 10; ++row)
            for (int column = 1; column <= 10; ++column) {
                const std::string cell = nameOf(screen) + " " + keyOfCell({row, column});
                if (screen.tile(row, column) == 'F')
                    blockedFloor.insert(cell);
                if (screen.tile(row, column) == 'g')
                    openMen.insert(cell);
            }
    EXPECT_EQ(blockedFloor, (std::set<std::string>{"Farmin Q1 x2y10", "Farmin Q2 x4y4"}));
    EXPECT_EQ(openMen, (std::set<std::string>{"BanditsCave Q1 x7y4", "BanditsCave Q3 x5y7",
                                              "BanditsCave Q4 x9y9"}));
}

// Where two facing edge cells are open both lead across, and every crossing lands on an open cell.
TEST(Screens, facingEdgesAgreeAndEveryCrossingLandsOnAnOpenCell) {
    // Two neighbouring screens of one place: `first` lies above or to the left of `second`.
    constexpr struct {
        std::string_view first, second;
        bool vertical;
    } facingEdges[] = {
        {"Q1", "Q3", true}, {"Q2", "Q4", true}, {"Q1", "Q2", false}, {"Q3", "Q4", false}};
    for (const std::string_view place : {"Farmin", "TrainingCenter", "BanditsCave"})
        for (const auto& [firstQuadrant, secondQuadrant, vertical] : facingEdges) {
            const Screen& first = *findScreen(place, firstQuadrant);
            const Screen& second = *findScreen(place, secondQuadrant);
            const std::string_view firstMask = vertical ? first.exitDown : first.exitRight;
            const std::string_view secondMask = vertical ? second.exitUp : second.exitLeft;
            ASSERT_EQ(firstMask.size() + secondMask.size(), 20u) << nameOf(first);
            for (int line = 1; line <= 10; ++line) {
                const bool firstOpen =
                    isOpen(vertical ? first.tile(10, line) : first.tile(line, 10));
                const bool secondOpen =
                    isOpen(vertical ? second.tile(1, line) : second.tile(line, 1));
                SCOPED_TRACE(nameOf(first) + "/" + std::string(secondQuadrant) + " line " +
                             std::to_string(line));
                EXPECT_TRUE(!(firstOpen && secondOpen) ||
                            (leads(firstMask, line) && leads(secondMask, line)));
                EXPECT_TRUE(!(firstOpen && leads(firstMask, line)) || secondOpen);
                EXPECT_TRUE(!(secondOpen && leads(secondMask, line)) || firstOpen);
            }
        }
}

// The new-game and arrival cells, where the hero is put, are open; the inn's bed is the exception.
TEST(Screens, cellsWhereTheHeroIsPutAreOpenExceptTheInnBed) {
    GameState newGame;
    writeStartingPlace(newGame);
    std::vector<Place> placements = {{newGame.Location, newGame.Quadrant, newGame.Position}};
    for (const Destination place :
         {Destination::Farmin, Destination::TrainingCenter, Destination::BanditsCave})
        placements.push_back(arrivalAt(place));
    for (const Place& at : placements) {
        const Cell cell = cellOfKey(at.position).value();
        EXPECT_TRUE(isOpen(findScreen(at.location, at.quadrant)->tile(cell.row, cell.column)))
            << at.location << " " << at.quadrant << " " << at.position;
    }
    EXPECT_FALSE(isOpen(findScreen("Farmin", "Q2")->tile(7, 4)));
}

// The edge bars open towards the quadrant's neighbours; a quadrant that names none shows none.
TEST(Screens, edgeBarsOpenTowardsTheQuadrantsNeighbours) {
    const auto sides = [](std::string_view quadrant) {
        const EdgeBars bars = edgeBarsOf(quadrant);
        return std::string(bars.up ? "U" : "") + (bars.down ? "D" : "") + (bars.left ? "L" : "") +
               (bars.right ? "R" : "");
    };
    EXPECT_EQ(sides("Q1") + sides("Q2") + sides("Q3") + sides("Q4"), "DRDLURUL");
    EXPECT_EQ(sides("q1") + sides("Q5") + sides(""), "");
}
