#include "world/Screens.h"

#include <cctype>

namespace {

// The twelve screens as the player sees them. Letters are the tile catalogue's codes: lower case
// may be entered, upper case is blocked. Two floor cells ('F') are blocked and three cells
// showing a man ('g') are open: the letter's case, not the picture, decides.
//
// '#' marks a row or column whose edge leads on to the neighbouring screen. Wherever two
// facing edge cells are both open the flag is set on both sides, and a crossing always lands on
// an open cell, so a step never needs to check where it lands.
constexpr Screen screens[] = {
    {
        .location = "Farmin",
        .quadrant = "Q1",
        .rows =
            {
                "XXXXXXXXXX",
                "XffffffXfF",
                "XfffAffXTT",
                "XffffffXff",
                "XffffffXff",
                "XXffXXXXfX",
                "sssssssssX",
                "sVsssssssX",
                "sssssssGsX",
                "XXXXXXssss",
            },
        .exitUp = "",
        .exitDown = "......####",
        .exitLeft = "",
        .exitRight = "...##....#",
    },
    {
        .location = "Farmin",
        .quadrant = "Q2",
        .rows =
            {
                "XXXXXXXXss",
                "ffXfDffXss",
                "TTXfDfffss",
                "ffXFDffXss",
                "ffXfDffXss",
                "XXXXXXXXss",
                "fJfBBBBXss",
                "fffffffXss",
                "XXfXXXXXss",
                "ssssssssss",
            },
        .exitUp = "",
        .exitDown = "##########",
        .exitLeft = "...##....#",
        .exitRight = "",
    },
    {
        .location = "Farmin",
        .quadrant = "Q3",
        .rows =
            {
                "XBBBBXssss",
                "XffffXssss",
                "XBBBfXssss",
                "XffffXsssX",
                "XfffffsssX",
                "XTTTfXsssX",
                "XffffXsGsX",
                "XffffXsssX",
                "XTTTTXsssX",
                "XXXXXXsssX",
            },
        .exitUp = "......####",
        .exitDown = "",
        .exitLeft = "",
        .exitRight = "###.###.#.",
    },
    {
        .location = "Farmin",
        .quadrant = "Q4",
        .rows =
            {
                "ssssssssss",
                "sssssssVss",
                "ssssssssss",
                "XXfXXXXfXX",
                "ffffXffffX",
                "ffffXfXfXX",
                "ffffXffffX",
                "TTTTXffXfX",
                "fEffXffffX",
                "XXXXXXXXXX",
            },
        .exitUp = "##########",
        .exitDown = "",
        .exitLeft = "###.......",
        .exitRight = "",
    },
    {
        .location = "TrainingCenter",
        .quadrant = "Q1",
        .rows =
            {
                "HHHHHHHHHH",
                "HoooooHooo",
                "HoooooHooo",
                "HoHHHHHooH",
                "HoGooooooo",
                "Hooooooooo",
                "HoHHHHHooH",
                "HoooHooooH",
                "HoooHooooH",
                "HoooHHHHHH",
            },
        .exitUp = "",
        .exitDown = ".###......",
        .exitLeft = "",
        .exitRight = ".##.##.###",
    },
    {
        .location = "TrainingCenter",
        .quadrant = "Q2",
        .rows =
            {
                "HHHHHHHHHH",
                "oooooHoooH",
                "oooooHoooH",
                "HHHHHHGooH",
                "oooooooooH",
                "oooooooooH",
                "HHHooHoooH",
                "oooooHoooH",
                "oooooHHHHH",
                "ooHooooooH",
            },
        .exitUp = "",
        .exitDown = "##.######.",
        .exitLeft = ".##.##....",
        .exitRight = "",
    },
    {
        .location = "TrainingCenter",
        .quadrant = "Q3",
        .rows =
            {
                "HoooHooooo",
                "HoooHooooo",
                "HoooHooHoo",
                "HoooHooHoo",
                "HoooHooHoL",
                "HoooHooHoo",
                "HoooHooHoo",
                "HoooHooHoo",
                "HoooHooHoo",
                "HHHHHHHHHH",
            },
        .exitUp = ".###......",
        .exitDown = "",
        .exitLeft = "",
        .exitRight = "##...#####",
    },
    {
        .location = "TrainingCenter",
        .quadrant = "Q4",
        .rows =
            {
                "ooHooooooH",
                "ooHooHHoHH",
                "HHHooHoooH",
                "GoHHHHoooH",
                "LLHooooooH",
                "ooHooooooH",
                "ooHooooooH",
                "ooHooHoooH",
                "ooHooHoooH",
                "oHHHHHHHHH",
            },
        .exitUp = "##.######.",
        .exitDown = "",
        .exitLeft = "####.####.",
        .exitRight = "",
    },
    {
        .location = "BanditsCave",
        .quadrant = "Q1",
        .rows =
            {
                "KKKKKKKKKK",
                "KNNNNNNNNK",
                "KccccccccK",
                "KccKccKccK",
                "KccKccKccK",
                "KrKKccKccc",
                "KrKgccKccc",
                "KKKccKKKKK",
                "KccccKcccc",
                "KccccKcccc",
            },
        .exitUp = "",
        .exitDown = ".#......#.",
        .exitLeft = "",
        .exitRight = ".######.##",
    },
    {
        .location = "BanditsCave",
        .quadrant = "Q2",
        .rows =
            {
                "KKKKKKKKKK",
                "cccccKcccK",
                "cccccKcccK",
                "cccccccccK",
                "cccccGcccK",
                "cccccKcccK",
                "cccccKcccK",
                "KKKKKKKccK",
                "cccccccccK",
                "cccccccccK",
            },
        .exitUp = "",
        .exitDown = ".....#..#.",
        .exitLeft = ".....##.##",
        .exitRight = "",
    },
    {
        .location = "BanditsCave",
        .quadrant = "Q3",
        .rows =
            {
                "KcKKKKKKcK",
                "KccccccKcc",
                "KccccccKcc",
                "KQcKKccKKK",
                "KQcQKcgKrr",
                "KQcQKccKrr",
                "KQcQKccKrr",
                "KQcQKccKrr",
                "KQcQKcccrr",
                "KKKKKKKKKK",
            },
        .exitUp = ".####.####",
        .exitDown = "",
        .exitLeft = "",
        .exitRight = ".##.#####.",
    },
    {
        .location = "BanditsCave",
        .quadrant = "Q4",
        .rows =
            {
                "KKKKKcKKcK",
                "cKccccKccK",
                "cKccccKccK",
                "KKKKKKKKKK",
                "rrrrrrcccK",
                "rrrrrrKcKK",
                "rrrrrrKccK",
                "rrrrrrKccK",
                "rrrrrrKcgK",
                "KKKKKKKcKK",
            },
        .exitUp = "##########",
        .exitDown = "",
        .exitLeft = ".##.#####.",
        .exitRight = "",
    },
};

struct TilePicture {
    char tile;
    std::string_view picture;
};

constexpr TilePicture tilePictures[] = {
    {'f', "gra001"}, {'F', "gra001"}, {'X', "gra002"}, {'D', "gra003"}, {'s', "gra004"},
    {'T', "gra007"}, {'B', "gra008"}, {'o', "gra011"}, {'L', "gra012"}, {'H', "gra013"},
    {'c', "gra014"}, {'K', "gra015"}, {'N', "gra016"}, {'Q', "gra018"}, {'r', "gra019"},
    {'g', "graC2"},  {'G', "graC2"},  {'E', "graC3"},  {'A', "graC4"},  {'J', "graC7"},
    {'V', "graC8"},
};

Flag flagOf(bool value) {
    return value ? True : False;
}

// A screen carries a mask only for the edges that face its neighbours; the tables of the other
// edges are left as they are.
void loadEdge(EdgeTable& table, std::string_view mask) {
    for (std::size_t index = 0; index < mask.size(); ++index)
        table(int(index) + 1) = flagOf(mask[index] == '#');
}

} // namespace

std::span<const Screen, 12> allScreens() {
    return std::span<const Screen, 12>(screens);
}

const Screen* findScreen(std::string_view location, std::string_view quadrant) {
    for (const Screen& screen : screens)
        if (screen.location == location && screen.quadrant == quadrant)
            return &screen;
    return nullptr;
}

std::string_view pictureOfTile(char tile) {
    for (const TilePicture& entry : tilePictures)
        if (entry.tile == tile)
            return entry.picture;
    return {};
}

std::string_view neighbourQuadrant(std::string_view quadrant, int rowStep, int columnStep) {
    constexpr std::string_view arrangement[2][2] = {{"Q1", "Q2"}, {"Q3", "Q4"}};
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 2; ++column) {
            if (arrangement[row][column] != quadrant)
                continue;
            const int toRow = row + rowStep;
            const int toColumn = column + columnStep;
            if (toRow < 0 || toRow > 1 || toColumn < 0 || toColumn > 1)
                return {};
            return arrangement[toRow][toColumn];
        }
    return {};
}

EdgeBars edgeBarsOf(std::string_view quadrant) {
    return {.up = !neighbourQuadrant(quadrant, -1, 0).empty(),
            .down = !neighbourQuadrant(quadrant, 1, 0).empty(),
            .left = !neighbourQuadrant(quadrant, 0, -1).empty(),
            .right = !neighbourQuadrant(quadrant, 0, 1).empty()};
}

void loadScreenTables(GameState& game, const Screen& screen) {
    for (int row = 1; row <= 10; ++row)
        for (int column = 1; column <= 10; ++column)
            game.CellOpen(row, column) =
                flagOf(std::islower(static_cast<unsigned char>(screen.tile(row, column))) != 0);
    loadEdge(game.ExitUp, screen.exitUp);
    loadEdge(game.ExitDown, screen.exitDown);
    loadEdge(game.ExitLeft, screen.exitLeft);
    loadEdge(game.ExitRight, screen.exitRight);
}
