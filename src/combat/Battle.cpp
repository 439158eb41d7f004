#include "combat/Battle.h"

#include "combat/Levels.h"
#include "combat/Roster.h"
#include "items/Catalogue.h"

#include <algorithm>
#include <utility>

namespace {

void apply(const Effect& effect, GameState& game) {
    gainHealth(game, effect, true);
    if (effect.raised)
        game.*effect.raised = addWithinLimits(game.*effect.raised, effect.raise);
    game.EnemyHP = addWithinLimits(game.EnemyHP, -effect.damage);
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

template <typename Entry, typename Describe>
ListButtons listed(std::span<const Entry, 10> entries, Describe describe) {
    ListButtons buttons;
    std::transform(entries.begin(), entries.end(), buttons.begin(), describe);
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
    const bool isItem = battle.listMode == ListMode::Items;
    if (isItem)
        game.*item(button).count = addWithinLimits(game.*item(button).count, -1);
    else
        game.YourTP = addWithinLimits(game.YourTP, -technique(button).cost);
    const Effect& effect = isItem ? item(button).effect : technique(button).effect;
    const Words& line = isItem ? item(button).battleLine : technique(button).battleLine;
    apply(effect, game);
    return answered(game, battle, line.around(game.EnemyName),
                    effect.damage > 0 && game.EnemyHP < 1);
}

ListButtons showItems(const GameState& game, BattleFields& battle) {
    battle.listMode = ListMode::Items;
    return listed(items(), [&game](const Item& item) {
        const Integer count = game.*item.count;
        return ListButton{std::string(item.listLabel) + std::to_string(count), count > 0};
    });
}

ListButtons showTechniques(const GameState& game, BattleFields& battle) {
    battle.listMode = ListMode::Techniques;
    return listed(techniques(), [&game](const Technique& technique) {
        return ListButton{std::string(technique.listCaption),
                          game.*technique.learned == True && technique.cost <= game.YourTP};
    });
}

EnemyHit enemyAttack(GameState& game, const BattleFields& battle) {
    EnemyHit hit;
    hit.damage = blow(game.EnemyAT, battle.GuardDE);
    game.YourHP = addWithinLimits(game.YourHP, -hit.damage);
    hit.heroDied = game.YourHP < 1;
    hit.message = game.EnemyName + " attacks you for " + std::to_string(hit.damage);
    return hit;
}

// The level-ups in order of the level they lead to; a victory grants at most one.
constexpr std::array levelUps{levelUpTo2, levelUpTo3, levelUpTo4, levelUpTo5};

// Every battle opens with an enemy of the roster, so a name outside it cannot come here; were
// it to, the victory would pay nothing and change nothing.
Victory rewardVictory(GameState& game) {
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
