#include "combat/Levels.h"

#include "combat/Battle.h"
#include "combat/Roster.h"
#include "state/NewGame.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr std::string (*levelUps[])(GameState&) = {LevelUp2, LevelUp3, LevelUp4, LevelUp5};

GameState newHero() {
    GameState game;
    writeStartingFigures(game);
    writeStartingPlace(game);
    return game;
}

} // namespace

// A new hero raised to level 5 keeps every figure at its maximum and learns SLASH, then STRIKE.
TEST(Levels, aNewHeroRaisedToLevelFiveHasTheTablesFigures) {
    GameState game = newHero();
    const std::string lines[] = {"AT+2 DE+2 SE+2 SP+2 HP+3 TP+3 You can use SLASH",
                                 "AT+2 DE+2 SE+2 SP+2 HP+4 TP+4", "AT+3 DE+2 SE+2 SP+3 HP+4 TP+4",
                                 "AT+2 DE+2 SE+2 SP+2 HP+4 TP+4 You can use STRIKE"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(levelUps[i](game), lines[i]);
        EXPECT_EQ(game.HasSlash, True);
        EXPECT_EQ(game.HasStrike, i == 3 ? True : False);
        EXPECT_EQ(std::vector({game.YourAT, game.YourDE, game.YourSE, game.YourSP, game.YourHP,
                               game.YourTP}),
                  std::vector({game.YourMaxAT, game.YourMaxDE, game.YourMaxSE, game.YourMaxSP,
                               game.YourMaxHP, game.YourMaxTP}));
    }
    EXPECT_EQ(std::vector({game.YourLevel, game.YourAT, game.YourDE, game.YourSE, game.YourSP,
                           game.YourHP, game.YourTP}),
              std::vector<Integer>({5, 19, 15, 16, 15, 35, 35}));
}

// HP and TP gains are added to what the hero has, not a refill; the maxima are simply set.
TEST(Levels, aLevelUpAddsToHpAndSetsTheMaxima) {
    GameState game = newHero();
    game.YourHP = 10, game.YourTP = 0, game.YourMaxAT = 99, game.YourMaxHP = 5;
    LevelUp2(game);
    EXPECT_EQ(game.YourHP, 13);
    EXPECT_EQ(game.YourTP, 3);
    EXPECT_EQ(game.YourMaxHP, 23);
    EXPECT_EQ(game.YourMaxAT, 12);
}

// A victory pays (up to 32767) and grants one level at most, losing the EX beyond the need.
TEST(Levels, aVictoryPaysAndGrantsAtMostOneLevel) {
    constexpr struct {
        const char* enemy;
        Integer level, EX, gold;
        Integer levelAfter, EXAfter, goldAfter;
    } rows[] = {
        {"Bat", 1, 18, 100, 2, 0, 103}, {"Bandit", 2, 29, 0, 3, 0, 8},
        {"Slime", 1, 10, 0, 1, 12, 2},  {"Slime", 1, 100, 0, 2, 0, 2},
        {"Mole", 4, 46, 0, 5, 0, 4},    {"Bandit", 5, 32760, 32760, 5, 32767, 32767},
    };
    for (const auto& row : rows) {
        GameState game = newHero();
        game.EnemyName = row.enemy;
        game.YourLevel = row.level, game.YourEX = row.EX, game.YourGold = row.gold;
        const Victory victory = DoEX(game);
        const bool levelled = row.levelAfter != row.level;
        SCOPED_TRACE(std::string(row.enemy) + " " + std::to_string(row.EX));
        EXPECT_FALSE(victory.endsTheGame);
        EXPECT_EQ(victory.rewardLine, findEnemy(row.enemy)->rewardLine);
        EXPECT_EQ(victory.levelLine,
                  levelled ? "You are now level " + std::to_string(row.levelAfter) : "");
        EXPECT_EQ(victory.gainsLine.empty(), !levelled);
        EXPECT_EQ(game.YourLevel, row.levelAfter);
        EXPECT_EQ(game.YourEX, row.EXAfter);
        EXPECT_EQ(game.YourGold, row.goldAfter);
    }
    EXPECT_EQ(experienceNeeded(32767), 32767);
}

// Reward lines tell what is paid; the leader (or a name outside the roster) pays nothing.
TEST(Levels, rewardLinesTellWhatIsPaidAndTheLeaderPaysNothing) {
    for (const char* key : {"Slime", "Bat", "Mole", "BanditInTraining", "Bandit"}) {
        const Enemy& enemy = *findEnemy(key);
        EXPECT_EQ(enemy.rewardLine, "You get " + std::to_string(enemy.EX) + " Ex, and " +
                                        std::to_string(enemy.Gold) + " Gold.");
    }
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
