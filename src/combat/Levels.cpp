#include "combat/Levels.h"

#include <array>

namespace {

// The figures a level-up adds to and the maxima it sets, in the order it changes them.
constexpr std::array<Integer GameState::*, 6> gainedFigures{&GameState::YourAT, &GameState::YourDE,
                                                            &GameState::YourSE, &GameState::YourSP,
                                                            &GameState::YourHP, &GameState::YourTP};
constexpr std::array<Integer GameState::*, 6> fixedMaxima{
    &GameState::YourMaxAT, &GameState::YourMaxDE, &GameState::YourMaxSE,
    &GameState::YourMaxSP, &GameState::YourMaxHP, &GameState::YourMaxTP};

struct LevelRow {
    Integer levelBefore;
    std::array<Integer, 6> gains;  // AT, DE, SE, SP, HP, TP
    std::array<Integer, 6> maxima; // the same six, as they become
    Flag GameState::*technique;    // learned on reaching the level, or none
    std::string_view gainsLine;
};

// The maxima are a new hero's figures plus every gain so far, so a hero started afresh keeps
// each figure equal to its maximum. The lines that teach a technique run on after a blank.
// clang-format off
constexpr std::array<LevelRow, 4> levelTable{{
    {1, {2, 2, 2, 2, 3, 3}, {12,  9, 10,  8, 23, 23}, &GameState::HasSlash,
     "AT+2 DE+2 SE+2 SP+2 HP+3 TP+3 You can use SLASH"},
    {2, {2, 2, 2, 2, 4, 4}, {14, 11, 12, 10, 27, 27}, nullptr,
     "AT+2 DE+2 SE+2 SP+2 HP+4 TP+4"},
    {3, {3, 2, 2, 3, 4, 4}, {17, 13, 14, 13, 31, 31}, nullptr,
     "AT+3 DE+2 SE+2 SP+3 HP+4 TP+4"},
    {4, {2, 2, 2, 2, 4, 4}, {19, 15, 16, 15, 35, 35}, &GameState::HasStrike,
     "AT+2 DE+2 SE+2 SP+2 HP+4 TP+4 You can use STRIKE"},
}};
// clang-format on

// HP and TP gains are added to what the hero has now: a level-up is no visit to the inn.
std::string levelUp(GameState& game, Integer newLevel) {
    const LevelRow& row = levelTable[std::size_t(newLevel - 2)];
    if (game.YourLevel != row.levelBefore)
        return {};
    game.YourLevel = newLevel;
    for (std::size_t i = 0; i < gainedFigures.size(); ++i)
        game.*gainedFigures[i] = addWithinLimits(game.*gainedFigures[i], row.gains[i]);
    for (std::size_t i = 0; i < fixedMaxima.size(); ++i)
        game.*fixedMaxima[i] = row.maxima[i];
    if (row.technique)
        game.*row.technique = True;
    return std::string(row.gainsLine);
}

} // namespace

Integer experienceNeeded(Integer level) {
    return addWithinLimits(0, 10 * (level + 1));
}

std::string levelUpTo2(GameState& game) {
    return levelUp(game, 2);
}
std::string levelUpTo3(GameState& game) {
    return levelUp(game, 3);
}
std::string levelUpTo4(GameState& game) {
    return levelUp(game, 4);
}
std::string levelUpTo5(GameState& game) {
    return levelUp(game, 5);
}
