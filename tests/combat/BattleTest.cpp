#include "combat/Battle.h"

#include "combat/Roster.h"
#include "state/NewGame.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

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

// One list button and the figures its action leaves: everything else must stay as it was.
struct ButtonCase {
    int button;
    std::string message;
    Integer HP, TP, BattleAT, BattleDE, BattleSE, EnemyHP;
    bool won;
};

// Presses the button in this mode and checks the action did exactly what the case says (an
// item also spends one of itself) and set GuardDE for the enemy's answer unless it won.
void expectButton(GameState game, ListMode mode, const ButtonCase& row,
                  Integer GameState::*item = nullptr) {
    BattleFields battle{.listMode = mode};
    GameState expected = game;
    if (item)
        --(expected.*item);
    expected.YourHP = row.HP, expected.YourTP = row.TP, expected.EnemyHP = row.EnemyHP;
    expected.BattleAT = row.BattleAT, expected.BattleDE = row.BattleDE;
    expected.BattleSE = row.BattleSE;
    const HeroAction action = useListButton(game, battle, row.button);
    SCOPED_TRACE("Do" + std::to_string(row.button));
    EXPECT_EQ(action.message, row.message);
    EXPECT_EQ(action.won, row.won);
    EXPECT_EQ(game, expected);
    EXPECT_EQ(battle.GuardDE, row.won ? 0 : game.BattleDE);
}

constexpr Integer GameState::*counts[] = {
    &GameState::NumBread,     &GameState::NumLBread, &GameState::NumFruit,  &GameState::NumLFruit,
    &GameState::NumChocolate, &GameState::NumMace,   &GameState::NumHelmet, &GameState::NumShoes,
    &GameState::NumBoomerang, &GameState::NumBomb};

} // namespace

// An item costs one of itself, even at full HP, and does its own thing only, gains up to the max.
TEST(Battle, everyItemSpendsOneOfItselfAndDoesItsOwnEffect) {
    GameState game = fighting("LeaderOfBandits");
    game.YourHP = 1, game.YourTP = 1, game.YourMaxHP = 15, game.YourMaxTP = 15;
    for (Integer GameState::*count : counts)
        game.*count = 3;
    const ButtonCase rows[] = {
        {1, "You eat the BREAD, HP goes up by 10", 11, 1, 10, 7, 8, 24, false},
        {2, "You eat the LARGE BREAD, HP goes up by 20", 15, 1, 10, 7, 8, 24, false},
        {3, "You eat the FRUIT, TP goes up by 10", 1, 11, 10, 7, 8, 24, false},
        {4, "You eat the LARGE FRUIT, TP goes up by 20", 1, 15, 10, 7, 8, 24, false},
        {5, "You eat the CHOCOLATE, HP goes up by 99 TP goes up by 99", 15, 15, 10, 7, 8, 24,
         false},
        {6, "You use the MACE, Attack goes up by 10", 1, 1, 20, 7, 8, 24, false},
        {7, "You use the HELMET, Defence goes up by 10", 1, 1, 10, 17, 8, 24, false},
        {8, "You use the SHOES, Speed goes up by 10", 1, 1, 10, 7, 18, 24, false},
        {9, " You use Boomerang on the LeaderOfBandits for 20 damage", 1, 1, 10, 7, 8, 4, false},
        {10, " You use BOMB on the LeaderOfBandits for 50 damage", 1, 1, 10, 7, 8, -26, true},
    };
    for (const ButtonCase& row : rows)
        expectButton(game, ListMode::Items, row, counts[row.button - 1]);
    game.YourHP = 15;
    expectButton(game, ListMode::Items, {1, rows[0].message, 15, 1, 10, 7, 8, 24, false},
                 &GameState::NumBread);
}

// A technique costs its true TP (Dou. Slash 12, Dou. Strike 16); bandages heal and never win.
TEST(Battle, everyTechniqueSpendsItsCostAndDoesItsOwnEffect) {
    GameState game = fighting("LeaderOfBandits");
    game.YourHP = 1, game.YourTP = 100, game.YourMaxHP = 30, game.YourMaxTP = 200;
    const ButtonCase rows[] = {
        {1, "You SLASH the LeaderOfBandits for 10 damage", 1, 95, 10, 7, 8, 14, false},
        {2, "You STRIKE the LeaderOfBandits for 15 damage", 1, 93, 10, 7, 8, 9, false},
        {3, "You BANDAGE yourself, HP goes up by 25", 26, 90, 10, 7, 8, 24, false},
        {4, "You DOUBLE SLASH the LeaderOfBandits for 20 damage", 1, 88, 10, 7, 8, 4, false},
        {5, "You DOUBLE STRIKE the LeaderOfBandits for 30 damage", 1, 84, 10, 7, 8, -6, true},
        {6, "You attack the enemy with the HEAT SWORD for 35 damage", 1, 80, 10, 7, 8, -11, true},
        {7, "You attack the enemy with the COLD SWORD for 40 damage", 1, 76, 10, 7, 8, -16, true},
        {8, "You attack the enemy with the ELECTRIC SWORD for 50 damage", 1, 70, 10, 7, 8, -26,
         true},
        {9, "You LARGE BANDAGE yourself, 50HP gain", 30, 75, 10, 7, 8, 24, false},
        {10, "You NUKE the LeaderOfBandits for 50 damage", 1, 50, 10, 7, 8, -26, true},
    };
    for (const ButtonCase& row : rows)
        expectButton(game, ListMode::Techniques, row);
}

// Items are enabled while held; techniques while learned (flag exactly -1) and paid for.
TEST(Battle, theListsEnableWhatIsHeldOrLearnedAndPaidFor) {
    const auto shown = [](const ListButtons& buttons) {
        std::string captions, enabled;
        for (const ListButton& button : buttons)
            captions += button.caption + ",", enabled += button.enabled ? '1' : '0';
        return captions + enabled;
    };
    GameState game = fighting("Bat");
    const Integer held[] = {2, 0, 1, -1, 5, 0, 0, 0, 32767, 0};
    for (std::size_t i = 0; i < 10; ++i)
        game.*counts[i] = held[i];
    BattleFields battle{.listMode = ListMode::Techniques};
    EXPECT_EQ(shown(showItems(game, battle)),
              "Bread * 2,L Bread * 0,Fruit * 1,L Fruit * -1,Chocolate * 5,Mace * 0,Helmet * 0,"
              "Shoes * 0,Boomerang * 32767,Bomb * 0,1010100010");
    EXPECT_EQ(battle.listMode, ListMode::Items);

    const std::string captions =
        "Slash -5TP,Strike -7TP,Bandage -10TP,Dou. Slash -10TP,Dou. Strike -14TP,Heat Sword "
        "-20TP,Cold Sword -24TP,Electric Sword -30TP,Large Bandage -25TP,Nuke -50TP,";
    const std::tuple<Integer, Flag, std::string> rows[] = {
        {4, True, "0000000000"},  {5, True, "1000000000"},  {11, True, "1110000000"},
        {12, True, "1111000000"}, {29, True, "1111111010"}, {50, True, "1111111111"},
        {50, 1, "0000000000"}};
    for (const auto& [TP, flag, enabled] : rows) {
        game.YourTP = TP;
        for (Flag* technique : {&game.HasSlash, &game.HasStrike, &game.HasBandage, &game.HasDSlash,
                                &game.HasDStrike, &game.HasHeatSword, &game.HasColdSword,
                                &game.HasElectricSword, &game.HasLBandage, &game.HasNuke})
            *technique = flag;
        EXPECT_EQ(shown(showTechniques(game, battle)), captions + enabled) << TP;
        EXPECT_EQ(battle.listMode, ListMode::Techniques);
    }
}

// The attack deals AT minus the enemy's DE, at least 1, and an enemy brought to exactly 0 loses.
TEST(Battle, theAttackDealsAtLeastOneAndWinsAtZero) {
    const std::tuple<const char*, Integer, Integer, Integer, bool> rows[] = {
        {"Slime", 10, 4, 8, true},
        {"Bandit", 3, 16, 1, false},
        {"Bandit", 8, 16, 1, false},
        {"Bat", 9, 6, 6, true},
        {"Bat", 9, 7, 6, false}};
    for (const auto& [enemy, BattleAT, EnemyHP, damage, won] : rows) {
        GameState game = fighting(enemy);
        game.BattleAT = BattleAT, game.EnemyHP = EnemyHP;
        BattleFields battle;
        const HeroAction action = attack(game, battle);
        EXPECT_EQ(action.message, "You attack the " + std::string(enemy) + " for " +
                                      std::to_string(damage) + " damage");
        EXPECT_EQ(game.EnemyHP, EnemyHP - damage);
        EXPECT_EQ(action.won, won) << enemy << " " << EnemyHP;
        EXPECT_EQ(battle.GuardDE, won ? 0 : 7);
    }
}

// The enemy hits for AT minus the guard, at least 1; defend doubles DE, a helmet adds 10.
TEST(Battle, theEnemyHitsAgainstTheGuardAndCanKill) {
    enum Action { Attack, Defend, Helmet };
    const std::tuple<const char*, Action, Integer, Integer> rows[] = {
        {"Slime", Attack, 20, 1},
        {"Bandit", Attack, 20, 1},
        {"Bandit", Defend, 20, 1},
        {"LeaderOfBandits", Attack, 20, 5},
        {"LeaderOfBandits", Defend, 20, 1},
        {"LeaderOfBandits", Helmet, 20, 1},
        {"Slime", Attack, 1, 1}};
    for (const auto& [enemy, action, HP, hit] : rows) {
        GameState game = fighting(enemy);
        game.YourHP = HP, game.NumHelmet = 1, game.EnemyHP = 100;
        BattleFields battle{.listMode = ListMode::Items};
        ASSERT_FALSE((action == Attack   ? attack(game, battle)
                      : action == Defend ? defend(game, battle)
                                         : useListButton(game, battle, 7))
                         .won);
        const EnemyHit answer = EnemyAttack(game, battle);
        EXPECT_EQ(answer.message, std::string(enemy) + " attacks you for " + std::to_string(hit))
            << " after action " << action;
        EXPECT_EQ(game.YourHP, HP - hit);
        EXPECT_EQ(answer.heroDied, game.YourHP < 1);
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
    startBattle(game);
    EXPECT_EQ(attack(game, battle).message, "You attack the Bandit for 2 damage");
}

// Figures stop at the 16-bit ends: a wrapped doubled defence would let the enemy hit for 30000.
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
    EXPECT_EQ(EnemyAttack(game, battle).damage, 1);
    game.EnemyHP = -32760;
    EXPECT_TRUE(useListButton(game, battle, 10).won);
    EXPECT_EQ(game.EnemyHP, -32768);
}
