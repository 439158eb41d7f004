#pragma once

#include "state/GameState.h"

#include <array>
#include <span>
#include <string_view>

// One of the twelve screens of the world: a place ("Farmin", "TrainingCenter", "BanditsCave")
// and a quadrant of its 2 by 2 screens ("Q1" top left, "Q2" top right, "Q3" bottom left,
// "Q4" bottom right).
//
// Each row is ten tile letters, column 1 first. The letter names the picture; lower case means
// the hero may enter the cell, upper case that it is blocked. Each exit mask is ten characters
// along an edge ('#' where the edge leads on to the neighbouring screen, '.' where it does not);
// a screen carries only the masks of the two edges that face its neighbours.
struct Screen {
    std::string_view location;
    std::string_view quadrant;
    std::array<std::string_view, 10> rows;
    // Up/down masks run along columns 1..10, left/right masks along rows 1..10.
    std::string_view exitUp;
    std::string_view exitDown;
    std::string_view exitLeft;
    std::string_view exitRight;

    char tile(int row, int column) const {
        return rows[std::size_t(row - 1)][std::size_t(column - 1)];
    }
};

// The twelve screens, in the order the current screen is looked up: "Farmin" Q1..Q4, then
// "TrainingCenter" Q1..Q4, then "BanditsCave" Q1..Q4.
std::span<const Screen, 12> allScreens();

// The screen with exactly this place and quadrant (case-sensitive), or nullptr: a save file may
// name no screen, and then nothing is drawn.
const Screen* findScreen(std::string_view location, std::string_view quadrant);

// The name of the picture in the art that shows a tile letter ('f' and 'F' are both "gra001").
std::string_view pictureOfTile(char tile);

// The quadrant beside this one in the place's 2 by 2 arrangement, one screen down (+1) or up
// (-1) and right (+1) or left (-1); empty at the outer edge of the place, and for a key that
// names no quadrant, which has no neighbours at all.
std::string_view neighbourQuadrant(std::string_view quadrant, int rowStep, int columnStep);

// Whether each edge bar around the grid shows that the side leads on to another screen of the
// same place. It depends on the quadrant alone: an outer edge is always closed.
struct EdgeBars {
    bool up = false;
    bool down = false;
    bool left = false;
    bool right = false;
};
EdgeBars edgeBarsOf(std::string_view quadrant);

// Rewrites the walkability of the screen on display: all of CellOpen, and the two exit tables
// that lead to the screen's neighbours. The other two exit tables keep what they held; nothing
// reads them while this screen is shown.
void loadScreenTables(GameState& game, const Screen& screen);
