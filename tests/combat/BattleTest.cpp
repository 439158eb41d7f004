#include "combat/Battle.h"

#include "combat/Roster.h"
#include "state/NewGame.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// A new hero at the start of a battle against this enemy, as the battle screen opens it.
GameState fighting(const std::string& enemy) {
    GameState game;
    writeStartingFigures(game);
    game.EnemyName = enemy;
    WhatEnemy(game);
    startBattle(game);
    return game;
}

// What one list button changes besides what it spends: the figures an effect can reach.
struct Outcome {
    Integer HP, TP, BattleAT, BattleDE, BattleSE, EnemyHP;
};

struct ButtonCase {
    int button;
    std::string message;
    Outcome after;
    bool won;
};

// Presses one button of the list in this mode and checks that the action did exactly what the
// case says (an item also spends one of `item`) and set GuardDE for the enemy unless it won.
void expectButton(GameState game, ListMode mode, const ButtonCase& row,
                  Integer GameState::*item = nullptr) {
    BattleFields battle{.listMode = mode};
    GameState expected = game;
    if (item)
        --(expected.*item);
    const Outcome& o = row.after;
    expected.YourHP = o.HP, expected.YourTP = o.TP, expected.EnemyHP = o.EnemyHP;
    expected.BattleAT = o.BattleAT, expected.BattleDE = o.BattleDE, expected.BattleSE = o.BattleSE;
    const HeroAction action = useListButton(game, battle, row.button);
    EXPECT_EQ(action.message, row.message) << "Do" << row.button;
    EXPECT_EQ(action.won, row.won) << "Do" << row.button;
    EXPECT_EQ(game, expected) << "Do" << row.button;
    EXPECT_EQ(battle.GuardDE, row.won ? 0 : game.BattleDE) << "Do" << row.button;
}

constexpr Integer GameState::*counts[] = {
    &GameState::NumBread,     &GameState::NumLBread, &GameState::NumFruit,  &GameState::NumLFruit,
    &GameState::NumChocolate, &GameState::NumMace,   &GameState::NumHelmet, &GameState::NumShoes,
    &GameState::NumBoomerang, &GameState::NumBomb};
constexpr Flag GameState::*learned[] = {&GameState::HasSlash,     &GameState::HasStrike,
                                        &GameState::HasBandage,   &GameState::HasDSlash,
                                        &GameState::HasDStrike,   &GameState::HasHeatSword,
                                        &GameState::HasColdSword, &GameState::HasElectricSword,
                                        &GameState::HasLBandage,  &GameState::HasNuke};

} // namespace

// An item costs one of itself and does its own thing only; the boomerang and the bomb hit and
// only the bomb is strong enough to beat the leader (24 HP) at once.
TEST(Battle, everyItemSpendsOneOfItselfAndDoesItsOwnEffect) {
    GameState game = fighting("LeaderOfBandits");
    game.YourHP = 1, game.YourTP = 1, game.YourMaxHP = 200, game.YourMaxTP = 200;
    for (Integer GameState::*count : counts)
        game.*count = 3;
    const ButtonCase rows[] = {
        {1, "You eat the BREAD, HP goes up by 10", {11, 1, 10, 7, 8, 24}, false},
        {2, "You eat the LARGE BREAD, HP goes up by 20", {21, 1, 10, 7, 8, 24}, false},
        {3, "You eat the FRUIT, TP goes up by 10", {1, 11, 10, 7, 8, 24}, false},
        {4, "You eat the LARGE FRUIT, TP goes up by 20", {1, 21, 10, 7, 8, 24}, false},
        {5,
         "You eat the CHOCOLATE, HP goes up by 99 TP goes up by 99",
         {100, 100, 10, 7, 8, 24},
         false},
        {6, "You use the MACE, Attack goes up by 10", {1, 1, 20, 7, 8, 24}, false},
        {7, "You use the HELMET, Defence goes up by 10", {1, 1, 10, 17, 8, 24}, false},
        {8, "You use the SHOES, Speed goes up by 10", {1, 1, 10, 7, 18, 24}, false},
        {9, " You use Boomerang on the LeaderOfBandits for 20 damage", {1, 1, 10, 7, 8, 4}, false},
        {10, " You use BOMB on the LeaderOfBandits for 50 damage", {1, 1, 10, 7, 8, -26}, true},
    };
    for (const ButtonCase& row : rows)
        expectButton(game, ListMode::Items, row, counts[row.button - 1]);
}

// A technique costs its TP (Dou. Slash 12 and Dou. Strike 16, whatever their captions say) and
// the nuke takes 50; the bandages heal and can never win.
TEST(Battle, everyTechniqueSpendsItsCostAndDoesItsOwnEffect) {
    GameState game = fighting("LeaderOfBandits");
    game.YourHP = 1, game.YourTP = 100, game.YourMaxHP = 200, game.YourMaxTP = 200;
    const ButtonCase rows[] = {
        {1, "You SLASH the LeaderOfBandits for 10 damage", {1, 95, 10, 7, 8, 14}, false},
        {2, "You STRIKE the LeaderOfBandits for 15 damage", {1, 93, 10, 7, 8, 9}, false},
        {3, "You BANDAGE yourself, HP goes up by 25", {26, 90, 10, 7, 8, 24}, false},
        {4, "You DOUBLE SLASH the LeaderOfBandits for 20 damage", {1, 88, 10, 7, 8, 4}, false},
        {5, "You DOUBLE STRIKE the LeaderOfBandits for 30 damage", {1, 84, 10, 7, 8, -6}, true},
        {6, "You attack the enemy with the HEAT SWORD for 35 damage", {1, 80, 10, 7, 8, -11}, true},
        {7, "You attack the enemy with the COLD SWORD for 40 damage", {1, 76, 10, 7, 8, -16}, true},
        {8,
         "You attack the enemy with the ELECTRIC SWORD for 50 damage",
         {1, 70, 10, 7, 8, -26},
         true},
        {9, "You LARGE BANDAGE yourself, 50HP gain", {51, 75, 10, 7, 8, 24}, false},
        {10, "You NUKE the LeaderOfBandits for 50 damage", {1, 50, 10, 7, 8, -26}, true},
    };
    for (const ButtonCase& row : rows)
        expectButton(game, ListMode::Techniques, row);
}

// HP and TP gains stop at the maxima, and an item used at full HP is spent all the same.
TEST(Battle, gainsStopAtTheMaximaAndStillCostTheItem) {
    struct Row {
        ListMode mode;
        int button;
        Integer HP, TP, HPAfter, TPAfter;
    };
    constexpr Row rows[] = {
        {ListMode::Items, 5, 5, 3, 20, 20},       // chocolate
        {ListMode::Items, 1, 20, 20, 20, 20},     // bread at full HP
        {ListMode::Items, 4, 20, 15, 20, 20},     // large fruit
        {ListMode::Techniques, 9, 10, 30, 20, 5}, // large bandage pays 25 first
    };
    for (const Row& row : rows) {
        GameState game = fighting("Slime");
        game.NumChocolate = game.NumBread = game.NumLFruit = 1;
        game.HasLBandage = True;
        game.YourHP = row.HP, game.YourTP = row.TP;
        BattleFields battle{.listMode = row.mode};
        useListButton(game, battle, row.button);
        EXPECT_EQ(game.YourHP, row.HPAfter) << "Do" << row.button;
        EXPECT_EQ(game.YourTP, row.TPAfter) << "Do" << row.button;
    }
    GameState full = fighting("Slime");
    BattleFields battle{.listMode = ListMode::Items};
    useListButton(full, battle, 1);
    EXPECT_EQ(full.NumBread, 1);
}

// An item can be chosen while at least one is held; its caption shows the count.
TEST(Battle, showingTheItemsEnablesThoseHeldAndCountsThem) {
    GameState game = fighting("Bat");
    const Integer held[] = {2, 0, 1, -1, 5, 0, 0, 0, 32767, 0};
    for (std::size_t i = 0; i < 10; ++i)
        game.*counts[i] = held[i];
    BattleFields battle{.listMode = ListMode::Techniques};
    const ListButtons buttons = showItems(game, battle);
    const std::string captions[] = {
        "Bread * 2", "L Bread * 0", "Fruit * 1", "L Fruit * -1",      "Chocolate * 5",
        "Mace * 0",  "Helmet * 0",  "Shoes * 0", "Boomerang * 32767", "Bomb * 0"};
    EXPECT_EQ(battle.listMode, ListMode::Items);
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(buttons[i].caption, captions[i]);
        EXPECT_EQ(buttons[i].enabled, held[i] > 0) << captions[i];
    }
}

// A technique can be chosen when its flag is exactly -1 and the hero can pay its true cost.
TEST(Battle, showingTheTechniquesEnablesThoseLearnedAndPaidFor) {
    const std::string captions[] = {
        "Slash -5TP",          "Strike -7TP",      "Bandage -10TP",    "Dou. Slash -10TP",
        "Dou. Strike -14TP",   "Heat Sword -20TP", "Cold Sword -24TP", "Electric Sword -30TP",
        "Large Bandage -25TP", "Nuke -50TP"};
    struct Row {
        Integer TP;
        Flag flag;
        bool enabled[10];
    };
    constexpr Row rows[] = {
        {4, True, {}},
        {5, True, {true}},
        {10, True, {true, true, true}},
        {11, True, {true, true, true}},
        {12, True, {true, true, true, true}},
        {50, True, {true, true, true, true, true, true, true, true, true, true}},
        {50, 1, {}}, // a flag that is not exactly -1 counts as unlearned
    };
    for (const Row& row : rows) {
        GameState game = fighting("Bat");
        game.YourTP = row.TP;
        for (Flag GameState::*flag : learned)
            game.*flag = row.flag;
        BattleFields battle;
        const ListButtons buttons = showTechniques(game, battle);
        EXPECT_EQ(battle.listMode, ListMode::Techniques);
        for (std::size_t i = 0; i < 10; ++i) {
            EXPECT_EQ(buttons[i].caption, captions[i]);
            EXPECT_EQ(buttons[i].enabled, row.enabled[i]) << captions[i] << " at " << row.TP;
        }
    }
}

// A slash is affordable with exactly 5 TP and leaves none.
TEST(Battle, aTechniqueAffordableWithAllTheTpLeavesNone) {
    GameState game = fighting("Bat");
    game.HasSlash = True, game.YourTP = 5;
    BattleFields battle;
    ASSERT_TRUE(showTechniques(game, battle)[0].enabled);
    useListButton(game, battle, 1);
    EXPECT_EQ(game.YourTP, 0);
}

// The plain attack deals AT minus the enemy's DE but at least 1, and an enemy brought to
// exactly 0 HP is beaten; otherwise the enemy's answer meets the hero's DE.
TEST(Battle, theAttackDealsAtLeastOneAndWinsAtZero) {
    struct Row {
        const char* enemy;
        Integer BattleAT, EnemyHP, damage;
        bool won;
    };
    constexpr Row rows[] = {
        {"Slime", 10, 4, 8, true}, {"Bandit", 3, 16, 1, false}, {"Bandit", 8, 16, 1, false},
        {"Bat", 9, 6, 6, true},    {"Bat", 9, 7, 6, false},
    };
    for (const Row& row : rows) {
        GameState game = fighting(row.enemy);
        game.BattleAT = row.BattleAT, game.EnemyHP = row.EnemyHP;
        BattleFields battle;
        const HeroAction action = attack(game, battle);
        EXPECT_EQ(action.message, "You attack the " + std::string(row.enemy) + " for " +
                                      std::to_string(row.damage) + " damage");
        EXPECT_EQ(battle.HitDamage, row.damage);
        EXPECT_EQ(game.EnemyHP, row.EnemyHP - row.damage);
        EXPECT_EQ(action.won, row.won) << row.enemy << " " << row.EnemyHP;
        EXPECT_EQ(battle.GuardDE, row.won ? 0 : 7);
    }
}

// Only a hit can win: healing, eating or arming never end a battle, even against an enemy with
// no HP left.
TEST(Battle, onlyAHitCanWin) {
    GameState game = fighting("Bat");
    game.EnemyHP = 0, game.NumBread = game.NumMace = 1, game.YourTP = 40;
    BattleFields items{.listMode = ListMode::Items};
    BattleFields techniques{.listMode = ListMode::Techniques};
    EXPECT_FALSE(useListButton(game, items, 1).won);
    EXPECT_FALSE(useListButton(game, items, 6).won);
    EXPECT_FALSE(useListButton(game, techniques, 9).won);
    EXPECT_FALSE(defend(game, techniques).won);
    EXPECT_TRUE(useListButton(game, techniques, 1).won);
}

// The enemy hits with AT minus GuardDE but at least 1; defending doubles DE for that hit and a
// helmet adds 10 to it; a hero brought below 1 HP dies, and the hit is still told.
TEST(Battle, theEnemyHitsAgainstTheGuardAndCanKill) {
    struct Row {
        const char* enemy;
        int action; // 0 attack (never winning here), 1 defend, 2 helmet
        Integer HP, hit;
    };
    constexpr Row rows[] = {
        {"Slime", 0, 20, 1},
        {"Bandit", 0, 20, 1},
        {"Bandit", 1, 20, 1},
        {"LeaderOfBandits", 0, 20, 5},
        {"LeaderOfBandits", 1, 20, 1},
        {"LeaderOfBandits", 2, 20, 1},
        {"Slime", 0, 1, 1},
    };
    for (const Row& row : rows) {
        GameState game = fighting(row.enemy);
        game.YourHP = row.HP, game.NumHelmet = 1, game.EnemyHP = 100;
        BattleFields battle{.listMode = ListMode::Items};
        const HeroAction action = row.action == 0   ? attack(game, battle)
                                  : row.action == 1 ? defend(game, battle)
                                                    : useListButton(game, battle, 7);
        ASSERT_FALSE(action.won);
        const EnemyHit hit = EnemyAttack(game, battle);
        EXPECT_EQ(hit.damage, row.hit) << row.enemy << " after action " << row.action;
        EXPECT_EQ(hit.message,
                  std::string(row.enemy) + " attacks you for " + std::to_string(row.hit));
        EXPECT_EQ(game.YourHP, row.HP - row.hit);
        EXPECT_EQ(hit.heroDied, game.YourHP < 1);
    }
}

// A mace lasts for the rest of the battle; the next battle copies the hero's own AT again.
TEST(Battle, aMaceLastsTheBattleAndTheNextBattleStartsAfresh) {
    GameState game = fighting("Bandit");
    game.NumMace = 1;
    BattleFields battle{.listMode = ListMode::Items};
    useListButton(game, battle, 6);
    EXPECT_EQ(attack(game, battle).message, "You attack the Bandit for 12 damage");
    EXPECT_EQ(attack(game, battle).message, "You attack the Bandit for 12 damage");
    EXPECT_EQ(game.YourAT, 10);
    startBattle(game);
    EXPECT_EQ(attack(game, battle).message, "You attack the Bandit for 2 damage");
}

// Figures stop at the ends of the 16-bit range rather than wrap: a doubled defence that would
// wrap negative would let the enemy hit for tens of thousands.
TEST(Battle, figuresStopAtTheSixteenBitLimits) {
    GameState game = fighting("LeaderOfBandits");
    game.BattleAT = 32767, game.BattleDE = 20000, game.NumMace = 2, game.NumBomb = 32767;
    game.YourHP = 32760, game.YourMaxHP = 32767, game.NumBread = 1;
    BattleFields battle{.listMode = ListMode::Items};
    useListButton(game, battle, 6);
    EXPECT_EQ(game.BattleAT, 32767);
    useListButton(game, battle, 1);
    EXPECT_EQ(game.YourHP, 32767);
    defend(game, battle);
    EXPECT_EQ(battle.GuardDE, 32767);
    EXPECT_EQ(EnemyAttack(game, battle).damage, 1);
    game.EnemyHP = -32760;
    EXPECT_TRUE(useListButton(game, battle, 10).won);
    EXPECT_EQ(game.EnemyHP, -32768);
    EXPECT_EQ(game.NumBomb, 32766);
}

// The list buttons are disabled until a list is shown; a press before that uses nothing.
TEST(Battle, aListButtonBeforeAnyListUsesNothing) {
    GameState game = fighting("Bat");
    const GameState before = game;
    BattleFields battle;
    const HeroAction action = useListButton(game, battle, 1);
    EXPECT_FALSE(action.won);
    EXPECT_EQ(game, before);
    EXPECT_EQ(battle.GuardDE, game.BattleDE);
}
