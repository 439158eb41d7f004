#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Every figure of the game is a 16-bit signed number, and every flag a 16-bit number holding
// -1 for true and 0 for false; readers test a flag for exactly -1.
using Integer = std::int16_t;
using Flag = std::int16_t;
constexpr Flag True = -1;
constexpr Flag False = 0;

// Adds to a figure, stopping at the ends of the 16-bit range instead of wrapping round:
// 32760 gold plus a reward of 10 is 32767, never a negative purse.
Integer addWithinLimits(Integer value, int amount);

// Which cells of the screen on display the hero may enter, indexed from 1 as (row, column).
class CellTable {
public:
    Flag& operator()(int row, int column) { return cells_[index(row, column)]; }
    Flag operator()(int row, int column) const { return cells_[index(row, column)]; }
    bool operator==(const CellTable&) const = default;

private:
    static std::size_t index(int row, int column) {
        return std::size_t(10 * (row - 1) + column - 1);
    }
    std::array<Flag, 100> cells_{};
};

// One exit flag for each of the ten rows or columns along an edge, indexed from 1.
class EdgeTable {
public:
    Flag& operator()(int index) { return flags_[std::size_t(index - 1)]; }
    Flag operator()(int index) const { return flags_[std::size_t(index - 1)]; }
    bool operator==(const EdgeTable&) const = default;

private:
    std::array<Flag, 10> flags_{};
};

// The one record of the whole game. The first block is what a save file holds, in its order;
// the rest belongs to the battle in progress or the screen on display and is never saved.
// At program start every number is 0, every flag false and every string empty.
struct GameState {
    Integer StoryStage = 0;
    std::string YourName;
    Integer YourLevel = 0;
    Integer YourEX = 0;
    Integer YourHP = 0;
    Integer YourTP = 0;
    Integer YourAT = 0;
    Integer YourDE = 0;
    Integer YourSE = 0;
    Integer YourSP = 0;
    Integer YourMaxHP = 0;
    Integer YourMaxTP = 0;
    Integer YourMaxAT = 0;
    Integer YourMaxDE = 0;
    Integer YourMaxSE = 0;
    Integer YourMaxSP = 0;
    Integer YourGold = 0;
    Integer NumBread = 0;
    Integer NumLBread = 0;
    Integer NumFruit = 0;
    Integer NumLFruit = 0;
    Integer NumChocolate = 0;
    Integer NumMace = 0;
    Integer NumHelmet = 0;
    Integer NumShoes = 0;
    Integer NumBoomerang = 0;
    Integer NumBomb = 0;
    Flag HasSlash = False;
    Flag HasStrike = False;
    Flag HasBandage = False;
    Flag HasDSlash = False;
    Flag HasDStrike = False;
    Flag HasHeatSword = False;
    Flag HasColdSword = False;
    Flag HasElectricSword = False;
    Flag HasLBandage = False;
    Flag HasNuke = False;
    std::string Location;
    std::string Position;
    std::string Quadrant;
    Integer StepsToFight = 0;

    // The battle in progress: the enemy and the hero's figures for this fight.
    std::string EnemyName;
    Integer EnemyHP = 0;
    Integer EnemyAT = 0;
    Integer EnemyDE = 0;
    Integer EnemySE = 0;
    Integer EnemySP = 0;
    Integer BattleAT = 0;
    Integer BattleDE = 0;
    Integer BattleSE = 0;
    Integer BattleSP = 0;

    // The screen on display: where the hero may step, and which edges lead to the next screen.
    CellTable CellOpen;
    EdgeTable ExitUp;
    EdgeTable ExitDown;
    EdgeTable ExitLeft;
    EdgeTable ExitRight;

    bool operator==(const GameState&) const = default;
};

// Where the hero stands: a place ("Farmin", "TrainingCenter", "BanditsCave"), a quadrant of its
// screens ("Q1" to "Q4") and a cell key ("x3y4").
struct Place {
    std::string_view location;
    std::string_view quadrant;
    std::string_view position;
};
void putHeroAt(GameState& game, const Place& place);
