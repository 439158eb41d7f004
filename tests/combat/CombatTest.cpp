#include "combat/Battle.h"
#include "combat/Levels.h"
#include "combat/Roster.h"
#include "items/Catalogue.h"
#include "state/RulesTesting.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <gtest/gtest.h>
#include <tuple>

namespace {

// The whole numbers a text names, in order: "AT+2 HP+3" names 2 and 3.
std::vector<int> numbersIn(std::string_view text) {
    std::vector<int> numbers;
    const char* at = text.data();
    const char* const end = at + text.size();
    while ((at = std::find_if(at, end, [](unsigned char c) { return std::isdigit(c); })) != end)
        at = std::from_chars(at, end, numbers.emplace_back()).ptr;
    return numbers;
}

// A new hero with HP and TP 100 of 1000, as the battle screen opens.
GameState fighting(const std::string& enemy) {
    GameState game = newHero();
    game.YourHP = 100;
    game.YourTP = 100;
    game.YourMaxHP = 1000;
    game.YourMaxTP = 1000;
    game.EnemyName = enemy;
    setUpEnemy(game);
    startBattle(game);
    return game;
}

// The six figures a level-up raises, in the order its gains line names them, then their maxima.
std::vector<int> figures(const GameState& game) {
    return {game.YourAT,    game.YourDE,    game.YourSE,    game.YourSP,
            game.YourHP,    game.YourTP,    game.YourMaxAT, game.YourMaxDE,
            game.YourMaxSE, game.YourMaxSP, game.YourMaxHP, game.YourMaxTP};
}

} // namespace

// Each list button is enabled, does, costs and wins as its line and the pages say it does.
TEST(Battle, everyListButtonDoesWhatItsLineSays) {
    for (const ListMode mode : {ListMode::Items, ListMode::Techniques})
        for (int button = 1; button <= 10; ++button) {
            const bool isItem = mode == ListMode::Items;
            // A technique spends what its caption says, but the two doubles 2 more.
            const int cost = numbersIn(technique(button).listCaption).at(0) +
                             (button == 4 || button == 5 ? 2 : 0);
            BattleFields battle;
            // Enabled while one is held, or while learned (its flag exactly -1) and paid for.
            const auto shown = [&](Integer held, Integer TP, Flag learned) {
                GameState game = fighting("Slime");
                game.*item(button).count = held;
                game.YourTP = TP;
                game.*technique(button).learned = learned;
                return (isItem ? showItems(game, battle)
                               : showTechniques(game, battle))[std::size_t(button - 1)];
            };
            EXPECT_TRUE(shown(1, Integer(cost), True).enabled);
            EXPECT_FALSE(shown(0, Integer(cost - 1), True).enabled);
            EXPECT_EQ(shown(1, Integer(cost), 1).enabled, isItem);
            if (button == 4) { // a label and its count; the double slash costs more than it says
                EXPECT_EQ(shown(1, Integer(cost), True).caption,
                          isItem ? "L Fruit * 1" : "Dou. Slash -10TP");
            }
            const auto press = [&](int enemyHP, GameState game = fighting("Slime")) {
                game.EnemyHP = Integer(enemyHP);
                game.*item(button).count = 3;
                return std::pair(useListButton(game, battle, button), game);
            };
            const auto [action, game] = press(1000);
            // The line's number goes to each figure the line names.
            const int amount = numbersIn(action.message).at(0);
            const auto says = [&](const char* word) {
                return action.message.find(word) != std::string::npos ? amount : 0;
            };
            EXPECT_EQ(game.YourHP, 100 + says("HP")) << action.message;
            EXPECT_EQ(game.YourTP, 100 + says("TP") - (isItem ? 0 : cost));
            EXPECT_EQ(game.BattleAT, 10 + says("Attack"));
            EXPECT_EQ(game.BattleDE, 7 + says("Defence"));
            EXPECT_EQ(game.BattleSE, 8 + says("Speed"));
            EXPECT_EQ(game.EnemyHP, 1000 - says("damage"));
            EXPECT_EQ(game.*item(button).count, isItem ? 2 : 3);
            EXPECT_EQ(battle.GuardDE, game.BattleDE);
            // Only a hit wins, when it brings the enemy below 1: left at 1 HP, the enemy fights on.
            EXPECT_FALSE(action.won || press(says("damage") + 1).first.won);
            EXPECT_EQ(press(says("damage")).first.won, says("damage") > 0);
            // The pages tell the same number, but the nuke's, which has always said 100 for 50.
            const std::string_view page = technique(button).pageDescription;
            for (const std::string_view text :
                 isItem ? std::array{item(button).menuDescription, item(button).shopDescription}
                        : std::array{page, page})
                for (const int number : numbersIn(text))
                    EXPECT_EQ(number, button == 10 && !isItem ? 100 : amount) << text;
            if (button == 9 && isItem) { // the enemy's name in its place, and the line's own blank
                EXPECT_EQ(action.message, " You use Boomerang on the Slime for 20 damage");
            }
        }
}

// A blow is AT minus DE (twice DE on defence), at least 1, and never wraps; 0 HP falls, 1 not.
TEST(Battle, eachBlowHitsAtLeastOneNeverWrapsAndFellsAtZero) {
    const auto turn = [](const std::string& enemy, Integer AT, Integer HP) {
        GameState game = fighting(enemy);
        // With no AT the hero defends.
        game.BattleAT = AT;
        game.BattleDE = 4;
        game.YourHP = HP;
        BattleFields battle;
        const HeroAction action = AT ? attack(game, battle) : defend(game, battle);
        if (action.won)
            return action.message + ", won";
        const EnemyHit hit = enemyAttack(game, battle);
        return action.message + ", " + hit.message + (hit.heroDied ? ", dead at " : ", at ") +
               std::to_string(game.YourHP);
    };
    EXPECT_EQ(turn("Bat", 9, 20), "You attack the Bat for 6 damage, won");
    EXPECT_EQ(turn("Bat", 8, 2), "You attack the Bat for 5 damage, Bat attacks you for 1, at 1");
    EXPECT_EQ(turn("Bandit", 3, 4),
              "You attack the Bandit for 1 damage, Bandit attacks you for 4, dead at 0");
    EXPECT_EQ(turn("Bandit", 0, 20), "You Defend, Bandit attacks you for 1, at 19");
    // Figures stop at the 16-bit ends: a wrapped doubled defence would let the enemy hit 30000.
    GameState game = fighting("LeaderOfBandits");
    game.BattleAT = 32767;
    game.BattleDE = 20000;
    game.YourHP = 32760;
    game.YourMaxHP = 32767;
    game.EnemyHP = -32760;
    BattleFields battle{.listMode = ListMode::Items};
    for (const int button : {6, 1, 10}) // a mace, a bread and a bomb
        useListButton(game, battle, button);
    EXPECT_EQ(std::vector({game.BattleAT, game.YourHP, game.EnemyHP}),
              std::vector<Integer>({32767, 32767, -32768}));
    defend(game, battle);
    EXPECT_EQ(enemyAttack(game, battle).damage, 1);
}

// Each level-up gains what its line says, each figure at its maximum; SLASH at 2, STRIKE at 5.
TEST(Levels, eachLevelUpGainsWhatItsLineSays) {
    std::string (*const levelUps[])(GameState&) = {levelUpTo2, levelUpTo3, levelUpTo4, levelUpTo5};
    GameState game = newHero();
    std::vector<int> top = figures(game);
    // The gains add to HP; the maxima are set.
    game.YourHP = 10;
    game.YourTP = 0;
    game.YourMaxAT = 99;
    for (int i = 0; i < 4; ++i) {
        std::vector<int> expected = figures(game);
        const std::string line = levelUps[i](game);
        for (std::size_t k = 0; k < 6; ++k) {
            expected[k] += numbersIn(line).at(k);
            top[k + 6] += numbersIn(line)[k];
            expected[k + 6] = top[k + 6];
        }
        EXPECT_EQ(figures(game), expected) << line;
        EXPECT_EQ(game.YourLevel, i + 2);
        EXPECT_EQ(std::pair(game.HasSlash, game.HasStrike), std::pair(True, i == 3 ? True : False));
    }
    EXPECT_EQ(figures(game), (std::vector{19, 15, 16, 15, 25, 15, 19, 15, 16, 15, 35, 35}));
}

// Each enemy of strength s has HP 2s, the other four figures s, and pays s EX and s gold.
TEST(Levels, eachEnemyIsAsStrongAsItPays) {
    const std::pair<const char*, int> strengths[] = {{"Slime", 2},  {"Bat", 3},
                                                     {"Mole", 4},   {"BanditInTraining", 6},
                                                     {"Bandit", 8}, {"LeaderOfBandits", 12}};
    for (const auto& [key, s] : strengths) {
        GameState game;
        game.EnemyName = key;
        const Enemy* enemy = setUpEnemy(game);
        const int pays = s == 12 ? 0 : s; // beating the leader ends the game instead
        EXPECT_EQ(std::vector<int>({game.EnemyHP, game.EnemyAT, game.EnemyDE, game.EnemySE,
                                    game.EnemySP, enemy->EX, enemy->Gold}),
                  std::vector({2 * s, s, s, s, s, pays, pays}))
            << key;
    }
}

// A win pays (up to 32767) and one level at most, at 20, 30, 40 or 50 EX; the leader pays nothing.
TEST(Levels, aVictoryPaysAndGrantsAtMostOneLevel) {
    // The enemy and what it pays; level, EX and gold before; and after.
    using Win = std::tuple<std::string, int, Integer, Integer, Integer, Integer, Integer, Integer>;
    const Win wins[] = {
        {"Bat", 3, 1, 18, 100, 2, 0, 103},          {"Slime", 2, 1, 17, 0, 1, 19, 2},
        {"Slime", 2, 1, 100, 0, 2, 0, 2},           {"Bandit", 8, 2, 22, 0, 3, 0, 8},
        {"BanditInTraining", 6, 3, 34, 0, 4, 0, 6}, {"Mole", 4, 4, 46, 0, 5, 0, 4},
        {"Bat", 3, 0, 100, 0, 0, 103, 3},           {"Bandit", 8, 5, 32760, 32760, 5, 32767, 32767},
        {"LeaderOfBandits", 0, 1, 19, 5, 1, 19, 5}, {"slime", 0, 1, 19, 5, 1, 19, 5}};
    for (const auto& [enemy, pays, level, EX, gold, levelAfter, EXAfter, goldAfter] : wins) {
        GameState game = newHero();
        game.EnemyName = enemy;
        game.YourLevel = level;
        game.YourEX = EX;
        game.YourGold = gold;
        const Victory victory = rewardVictory(game);
        EXPECT_EQ(std::vector({game.YourLevel, game.YourEX, game.YourGold}),
                  std::vector({levelAfter, EXAfter, goldAfter}))
            << enemy;
        const std::string paid = std::to_string(pays);
        EXPECT_EQ(victory.rewardLine,
                  pays ? "You get " + paid + " Ex, and " + paid + " Gold." : "");
        EXPECT_EQ(victory.levelLine,
                  levelAfter != level ? "You are now level " + std::to_string(levelAfter) : "");
        EXPECT_EQ(victory.gainsLine.empty(), levelAfter == level);
        EXPECT_EQ(victory.endsTheGame, enemy == "LeaderOfBandits");
    }
}
