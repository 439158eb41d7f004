// The rules alone, no windows: a step, a battle turn, and a save record written and read back,
// each beside the least work that could do the same job.
#include "Targets.h"
#include "combat/Battle.h"
#include "combat/Roster.h"
#include "state/NewGame.h"
#include "state/SaveRecord.h"
#include "world/Movement.h"
#include "world/Screens.h"

#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <charconv>
#include <cstdint>

namespace {

// A new game's hero in Farmin's first screen, between two open cells (x3y4 and x2y4).
GameState heroInFarmin() {
    GameState game;
    game.YourName = "Ann";
    writeStartingFigures(game);
    writeStartingPlace(game);
    game.Position = "x3y4";
    loadScreenTables(game, *findScreen(game.Location, game.Quadrant));
    return game;
}

void stepDecision(benchmark::State& state) {
    GameState game = heroInFarmin();
    bool up = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(step(game, up ? Direction::Up : Direction::Down));
        up = !up;
    }
    if (game.Position != "x3y4" && game.Position != "x2y4")
        state.SkipWithError("the hero left his two cells");
}

// The least a step must do: look the cell up and write the new position as a key.
void stepBaseline(benchmark::State& state) {
    std::array<std::int16_t, 100> open{};
    open[10 * 1 + 3] = open[10 * 2 + 3] = -1;
    std::string position;
    int row = 3;
    for (auto _ : state) {
        const int target = row == 3 ? 2 : 3;
        benchmark::DoNotOptimize(open.data());
        if (open[std::size_t(10 * (target - 1) + 3)] == -1) {
            row = target;
            // Appended piece by piece: GCC 12 at -O3 reports a false -Wrestrict for "x" + a
            // string (GCC bug 105651).
            position = 'x';
            position += std::to_string(row);
            position += "y4";
        }
        benchmark::DoNotOptimize(position.data());
    }
}

// The hero and a slime that can take blows for ever: their HP is topped up on every turn.
GameState heroAgainstSlime() {
    GameState game = heroInFarmin();
    game.EnemyName = "Slime";
    setUpEnemy(game);
    startBattle(game);
    return game;
}

void battleTurn(benchmark::State& state) {
    GameState game = heroAgainstSlime();
    BattleFields battle;
    for (auto _ : state) {
        game.EnemyHP = game.YourHP = 30000;
        const HeroAction action = attack(game, battle);
        benchmark::DoNotOptimize(action.message.data());
        const EnemyHit hit = enemyAttack(game, battle);
        benchmark::DoNotOptimize(hit.message.data());
    }
}

// The least a turn must do: two blows and the two lines that tell them.
void battleTurnBaseline(benchmark::State& state) {
    const GameState start = heroAgainstSlime();
    const std::string enemy = start.EnemyName;
    int heroAT = start.BattleAT, heroDE = start.BattleDE;
    int enemyAT = start.EnemyAT, enemyDE = start.EnemyDE;
    for (auto _ : state) {
        int enemyHP = 30000, heroHP = 30000;
        benchmark::DoNotOptimize(heroAT);
        benchmark::DoNotOptimize(enemyAT);
        const int dealt = std::max(heroAT - enemyDE, 1);
        enemyHP -= dealt;
        std::string heroLine =
            "You attack the " + enemy + " for " + std::to_string(dealt) + " damage";
        const int taken = std::max(enemyAT - heroDE, 1);
        heroHP -= taken;
        std::string enemyLine = enemy + " attacks you for " + std::to_string(taken);
        benchmark::DoNotOptimize(heroLine.data());
        benchmark::DoNotOptimize(enemyLine.data());
        benchmark::DoNotOptimize(enemyHP + heroHP);
    }
}

void saveRecord(benchmark::State& state) {
    const GameState game = heroInFarmin();
    for (auto _ : state) {
        const SaveRecordRead read = readSaveRecord(formatSaveRecord(game), game);
        if (!read.ok) {
            state.SkipWithError("the record did not read back");
            break;
        }
        benchmark::DoNotOptimize(read.game.YourGold);
    }
}

// The least a record needs: 41 numbers written with commas between them and read back.
void saveRecordBaseline(benchmark::State& state) {
    std::array<int, 41> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i] = int(i * 37) - 300;
    std::array<int, 41> readBack{};
    for (auto _ : state) {
        std::string record;
        for (const int field : fields) {
            char digits[8];
            const auto end = std::to_chars(digits, digits + sizeof digits, field).ptr;
            record.append(digits, end).push_back(',');
        }
        record.replace(record.size() - 1, 1, "\r\n");
        const char* at = record.data();
        for (int& field : readBack)
            at = std::from_chars(at, record.data() + record.size(), field).ptr + 1;
        benchmark::DoNotOptimize(readBack.data());
    }
}

} // namespace

int main(int argc, char** argv) {
    timedBenchmark("step", stepDecision);
    timedBenchmark("step_baseline", stepBaseline);
    timedBenchmark("battle_turn", battleTurn);
    timedBenchmark("battle_turn_baseline", battleTurnBaseline);
    timedBenchmark("save_record", saveRecord);
    timedBenchmark("save_record_baseline", saveRecordBaseline);
    return runWithTargets(
        argc, argv,
        {{"step decision (core step())", "step", "step_baseline"},
         {"battle turn (core attack + enemyAttack)", "battle_turn", "battle_turn_baseline"},
         {"save record formatted and read back", "save_record", "save_record_baseline"}});
}
