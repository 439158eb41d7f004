#include "combat/Levels.h"

#include "combat/Battle.h"
#include "combat/Roster.h"
#include "state/NewGame.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>

namespace {

constexpr std::string (*levelUps[])(GameState&) = {LevelUp2, LevelUp3, LevelUp4, LevelUp5};

GameState newHero() {
    GameState game;
    writeStartingFigures(game);
    writeStartingPlace(game);
    return game;
}

} // namespace

// The need for the next level grows by 10 a level, and no level's need wraps round.
TEST(Levels, theNextLevelNeedsTenMoreExperienceEachLevel) {
    EXPECT_EQ(experienceNeeded(1), 20);
    EXPECT_EQ(experienceNeeded(4), 50);
    EXPECT_EQ(experienceNeeded(32767), 32767);
}

// A level-up raises only a hero of the level before it; any other hero is left as he was.
TEST(Levels, eachLevelUpRaisesOnlyTheHeroOfTheLevelBefore) {
    for (Integer before = 1; before <= 4; ++before)
        for (Integer level = 0; level <= 6; ++level) {
            GameState game = newHero();
            game.YourLevel = level;
            const GameState unchanged = game;
            const std::string line = levelUps[before - 1](game);
            EXPECT_EQ(!line.empty(), level == before) << "LevelUp" << before + 1 << " at " << level;
            EXPECT_EQ(game.YourLevel, level == before ? before + 1 : level);
            if (level != before) {
                EXPECT_EQ(game, unchanged);
            }
        }
}

// A new hero taken through all four level-ups keeps every figure equal to its maximum, learns
// SLASH at level 2 and STRIKE at level 5, and is told each gain as the level table words it.
TEST(Levels, aNewHeroRaisedToLevelFiveHasTheTablesFigures) {
    GameState game = newHero();
    const std::string lines[] = {"AT+2 DE+2 SE+2 SP+2 HP+3 TP+3 You can use SLASH",
                                 "AT+2 DE+2 SE+2 SP+2 HP+4 TP+4", "AT+3 DE+2 SE+2 SP+3 HP+4 TP+4",
                                 "AT+2 DE+2 SE+2 SP+2 HP+4 TP+4 You can use STRIKE"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(levelUps[i](game), lines[i]);
        EXPECT_EQ(game.HasSlash, True);
        EXPECT_EQ(game.HasStrike, i == 3 ? True : False);
        EXPECT_EQ(game.YourAT, game.YourMaxAT);
        EXPECT_EQ(game.YourSP, game.YourMaxSP);
        EXPECT_EQ(game.YourHP, game.YourMaxHP);
    }
    const Integer figures[] = {game.YourLevel, game.YourAT, game.YourMaxAT, game.YourDE,
                               game.YourMaxDE, game.YourSE, game.YourMaxSE, game.YourSP,
                               game.YourMaxSP, game.YourHP, game.YourMaxHP, game.YourTP,
                               game.YourMaxTP};
    const Integer expected[] = {5, 19, 19, 15, 15, 16, 16, 15, 15, 35, 35, 35, 35};
    EXPECT_TRUE(std::equal(std::begin(figures), std::end(figures), std::begin(expected)));
}

// HP and TP gains are added to what the hero has, not a refill; the maxima are set whatever
// they were.
TEST(Levels, aLevelUpAddsToHpAndSetsTheMaxima) {
    GameState game = newHero();
    game.YourHP = 10, game.YourTP = 0, game.YourMaxAT = 99, game.YourMaxHP = 5;
    LevelUp2(game);
    EXPECT_EQ(game.YourHP, 13);
    EXPECT_EQ(game.YourTP, 3);
    EXPECT_EQ(game.YourMaxHP, 23);
    EXPECT_EQ(game.YourMaxAT, 12);
}

// A victory pays the roster's EX and gold (stopping at 32767) and grants at most one level,
// when the EX reaches the need; what lies beyond the need is lost. Level 5 only gathers.
TEST(Levels, aVictoryPaysAndGrantsAtMostOneLevel) {
    struct Row {
        const char* enemy;
        Integer level, EX, gold;
        Integer levelAfter, EXAfter, goldAfter;
        const char* levelLine;
        const char* gainsLine;
    };
    constexpr Row rows[] = {
        {"Bat", 1, 18, 100, 2, 0, 103, "You are now level 2",
         "AT+2 DE+2 SE+2 SP+2 HP+3 TP+3 You can use SLASH"},
        {"Bandit", 2, 29, 0, 3, 0, 8, "You are now level 3", "AT+2 DE+2 SE+2 SP+2 HP+4 TP+4"},
        {"Slime", 1, 10, 0, 1, 12, 2, "", ""},
        {"Slime", 1, 100, 0, 2, 0, 2, "You are now level 2",
         "AT+2 DE+2 SE+2 SP+2 HP+3 TP+3 You can use SLASH"},
        {"Mole", 4, 46, 0, 5, 0, 4, "You are now level 5",
         "AT+2 DE+2 SE+2 SP+2 HP+4 TP+4 You can use STRIKE"},
        {"Bandit", 5, 32760, 32760, 5, 32767, 32767, "", ""},
    };
    for (const Row& row : rows) {
        GameState game = newHero();
        game.EnemyName = row.enemy;
        game.YourLevel = row.level, game.YourEX = row.EX, game.YourGold = row.gold;
        const Victory victory = DoEX(game);
        EXPECT_FALSE(victory.endsTheGame);
        EXPECT_EQ(victory.rewardLine, findEnemy(row.enemy)->rewardLine);
        EXPECT_EQ(victory.levelLine, row.levelLine) << row.enemy << " " << row.EX;
        EXPECT_EQ(victory.gainsLine, row.gainsLine);
        EXPECT_EQ(game.YourLevel, row.levelAfter);
        EXPECT_EQ(game.YourEX, row.EXAfter);
        EXPECT_EQ(game.YourGold, row.goldAfter);
    }
}

// Beating the leader pays nothing and ends the game; a name outside the roster (which no battle
// is opened for) pays nothing either.
TEST(Levels, theLeaderPaysNothingAndEndsTheGame) {
    for (const char* enemy : {"LeaderOfBandits", "slime"}) {
        GameState game = newHero();
        game.EnemyName = enemy, game.YourEX = 19;
        const GameState unchanged = game;
        const Victory victory = DoEX(game);
        EXPECT_EQ(victory.endsTheGame, std::string(enemy) == "LeaderOfBandits");
        EXPECT_EQ(victory.rewardLine + victory.levelLine + victory.gainsLine, "");
        EXPECT_EQ(game, unchanged) << enemy;
    }
}
