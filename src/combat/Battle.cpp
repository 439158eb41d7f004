#include "combat/Battle.h"

#include "combat/Levels.h"
#include "combat/Roster.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace {

// What an item or a technique does. HP and TP gains stop at the maxima; a raise lifts one of
// the hero's battle copies until the battle ends; damage comes off the enemy's HP, and only
// an action that deals damage can win.
struct Effect {
    int HP = 0;
    int TP = 0;
    Integer GameState::*raised = nullptr;
    int raise = 0;
    int damage = 0;
};

// A message that names the enemy puts its name between before and after, with nothing added
// around it: every blank, even the leading one of the boomerang and bomb lines, is the text's.
struct Message {
    std::string_view before;
    bool namesEnemy = false;
    std::string_view after = {};
};
constexpr bool enemy = true;

// A list button as an item: a count to spend one of, and what that one does.
struct ItemUse {
    std::string_view label; // the caption, before the count
    Integer GameState::*count;
    Effect effect;
    Message message;
};

// A list button as a technique: learned by a flag, paid for with TP.
struct TechniqueUse {
    std::string_view caption;
    Flag GameState::*learned;
    Integer cost;
    Effect effect;
    Message message;
};

struct ListEntry {
    ItemUse item;
    TechniqueUse technique;
};

// The ten list buttons, Do1 to Do10: each row is the button as an item, then as a technique.
// Two captions name less TP than their technique spends (Dou. Slash and Dou. Strike); the
// techniques page shows the true costs.
// clang-format off
constexpr std::array<ListEntry, 10> listTable{{
    {{"Bread * ", &GameState::NumBread, {.HP = 10},
      {"You eat the BREAD, HP goes up by 10"}},
     {"Slash -5TP", &GameState::HasSlash, 5, {.damage = 10},
      {"You SLASH the ", enemy, " for 10 damage"}}},
    {{"L Bread * ", &GameState::NumLBread, {.HP = 20},
      {"You eat the LARGE BREAD, HP goes up by 20"}},
     {"Strike -7TP", &GameState::HasStrike, 7, {.damage = 15},
      {"You STRIKE the ", enemy, " for 15 damage"}}},
    {{"Fruit * ", &GameState::NumFruit, {.TP = 10},
      {"You eat the FRUIT, TP goes up by 10"}},
     {"Bandage -10TP", &GameState::HasBandage, 10, {.HP = 25},
      {"You BANDAGE yourself, HP goes up by 25"}}},
    {{"L Fruit * ", &GameState::NumLFruit, {.TP = 20},
      {"You eat the LARGE FRUIT, TP goes up by 20"}},
     {"Dou. Slash -10TP", &GameState::HasDSlash, 12, {.damage = 20},
      {"You DOUBLE SLASH the ", enemy, " for 20 damage"}}},
    {{"Chocolate * ", &GameState::NumChocolate, {.HP = 99, .TP = 99},
      {"You eat the CHOCOLATE, HP goes up by 99 TP goes up by 99"}},
     {"Dou. Strike -14TP", &GameState::HasDStrike, 16, {.damage = 30},
      {"You DOUBLE STRIKE the ", enemy, " for 30 damage"}}},
    {{"Mace * ", &GameState::NumMace, {.raised = &GameState::BattleAT, .raise = 10},
      {"You use the MACE, Attack goes up by 10"}},
     {"Heat Sword -20TP", &GameState::HasHeatSword, 20, {.damage = 35},
      {"You attack the enemy with the HEAT SWORD for 35 damage"}}},
    {{"Helmet * ", &GameState::NumHelmet, {.raised = &GameState::BattleDE, .raise = 10},
      {"You use the HELMET, Defence goes up by 10"}},
     {"Cold Sword -24TP", &GameState::HasColdSword, 24, {.damage = 40},
      {"You attack the enemy with the COLD SWORD for 40 damage"}}},
    {{"Shoes * ", &GameState::NumShoes, {.raised = &GameState::BattleSE, .raise = 10},
      {"You use the SHOES, Speed goes up by 10"}},
     {"Electric Sword -30TP", &GameState::HasElectricSword, 30, {.damage = 50},
      {"You attack the enemy with the ELECTRIC SWORD for 50 damage"}}},
    {{"Boomerang * ", &GameState::NumBoomerang, {.damage = 20},
      {" You use Boomerang on the ", enemy, " for 20 damage"}},
     {"Large Bandage -25TP", &GameState::HasLBandage, 25, {.HP = 50},
      {"You LARGE BANDAGE yourself, 50HP gain"}}},
    {{"Bomb * ", &GameState::NumBomb, {.damage = 50},
      {" You use BOMB on the ", enemy, " for 50 damage"}},
     {"Nuke -50TP", &GameState::HasNuke, 50, {.damage = 50},
      {"You NUKE the ", enemy, " for 50 damage"}}},
}};
// clang-format on

// A gain stops at the maximum, but a figure already above it (from a save file) is only
// brought down by a gain, never by another kind of action.
void gainUpTo(Integer& figure, int gain, Integer most) {
    figure = std::min(addWithinLimits(figure, gain), most);
}

void apply(const Effect& effect, GameState& game) {
    if (effect.HP != 0)
        gainUpTo(game.YourHP, effect.HP, game.YourMaxHP);
    if (effect.TP != 0)
        gainUpTo(game.YourTP, effect.TP, game.YourMaxTP);
    if (effect.raised)
        game.*effect.raised = addWithinLimits(game.*effect.raised, effect.raise);
    game.EnemyHP = addWithinLimits(game.EnemyHP, -effect.damage);
}

std::string told(const Message& message, const GameState& game) {
    std::string text(message.before);
    if (message.namesEnemy)
        text += game.EnemyName;
    text += message.after;
    return text;
}

// Both sides' blows: strength against defence, but never less than 1.
Integer blow(Integer strength, Integer defence) {
    return std::max<Integer>(addWithinLimits(strength, -defence), 1);
}

// Every action that does not win leaves the enemy's answer to be measured against the
// hero's defence for this battle.
HeroAction answered(GameState& game, BattleFields& battle, std::string message, bool won) {
    if (!won)
        battle.GuardDE = game.BattleDE;
    return {std::move(message), won};
}

template <typename Describe> ListButtons listed(Describe describe) {
    ListButtons buttons;
    std::transform(listTable.begin(), listTable.end(), buttons.begin(), describe);
    return buttons;
}

} // namespace

void startBattle(GameState& game) {
    game.BattleAT = game.YourAT;
    game.BattleDE = game.YourDE;
    game.BattleSE = game.YourSE;
    game.BattleSP = game.YourSP;
}

HeroAction attack(GameState& game, BattleFields& battle) {
    battle.HitDamage = blow(game.BattleAT, game.EnemyDE);
    game.EnemyHP = addWithinLimits(game.EnemyHP, -battle.HitDamage);
    return answered(game, battle,
                    "You attack the " + game.EnemyName + " for " +
                        std::to_string(battle.HitDamage) + " damage",
                    game.EnemyHP <= 0);
}

// The doubled defence holds for the enemy's next hit only; every later turn sets it again.
HeroAction defend(GameState& game, BattleFields& battle) {
    battle.GuardDE = addWithinLimits(game.BattleDE, game.BattleDE);
    return {"You Defend", false};
}

// The buttons stay disabled until a list is shown, so a press without one cannot come; should
// it, nothing is used and the enemy simply takes its turn.
HeroAction useListButton(GameState& game, BattleFields& battle, int button) {
    if (battle.listMode == ListMode::Nothing)
        return answered(game, battle, {}, false);
    const ListEntry& entry = listTable.at(std::size_t(button - 1));
    const bool item = battle.listMode == ListMode::Items;
    if (item)
        game.*entry.item.count = addWithinLimits(game.*entry.item.count, -1);
    else
        game.YourTP = addWithinLimits(game.YourTP, -entry.technique.cost);
    const Effect& effect = item ? entry.item.effect : entry.technique.effect;
    apply(effect, game);
    return answered(game, battle, told(item ? entry.item.message : entry.technique.message, game),
                    effect.damage > 0 && game.EnemyHP < 1);
}

ListButtons showItems(const GameState& game, BattleFields& battle) {
    battle.listMode = ListMode::Items;
    return listed([&game](const ListEntry& entry) {
        const Integer count = game.*entry.item.count;
        return ListButton{std::string(entry.item.label) + std::to_string(count), count > 0};
    });
}

ListButtons showTechniques(const GameState& game, BattleFields& battle) {
    battle.listMode = ListMode::Techniques;
    return listed([&game](const ListEntry& entry) {
        const TechniqueUse& technique = entry.technique;
        return ListButton{std::string(technique.caption),
                          game.*technique.learned == True && technique.cost <= game.YourTP};
    });
}

EnemyHit EnemyAttack(GameState& game, const BattleFields& battle) {
    EnemyHit hit;
    hit.damage = blow(game.EnemyAT, battle.GuardDE);
    game.YourHP = addWithinLimits(game.YourHP, -hit.damage);
    hit.heroDied = game.YourHP < 1;
    hit.message = game.EnemyName + " attacks you for " + std::to_string(hit.damage);
    return hit;
}

// The level-ups in order of the level they lead to; a victory grants at most one.
constexpr std::array levelUps{LevelUp2, LevelUp3, LevelUp4, LevelUp5};

// Every battle opens with an enemy of the roster, so a name outside it cannot come here; were
// it to, the victory would pay nothing and change nothing.
Victory DoEX(GameState& game) {
    const Enemy* beaten = findEnemy(game.EnemyName);
    if (!beaten)
        return {};
    Victory victory;
    if (beaten->endsTheGame) {
        victory.endsTheGame = true;
        return victory;
    }
    game.YourEX = addWithinLimits(game.YourEX, beaten->EX);
    game.YourGold = addWithinLimits(game.YourGold, beaten->Gold);
    victory.rewardLine = beaten->rewardLine;
    const Integer level = game.YourLevel;
    if (level >= 1 && level < HighestLevel && game.YourEX >= experienceNeeded(level)) {
        victory.levelLine = "You are now level " + std::to_string(level + 1);
        game.YourEX = 0; // what is beyond the need is lost
        victory.gainsLine = levelUps[std::size_t(level - 1)](game);
    }
    return victory;
}
