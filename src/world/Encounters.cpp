#include "world/Encounters.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

struct Encounter {
    std::string_view location;
    std::string_view quadrant;
    std::string_view enemy;
};

// Who attacks where. A place with a row here is dangerous: only there are steps counted.
constexpr std::array<Encounter, 8> encounterTable{{
    {"TrainingCenter", "Q1", "Slime"},
    {"TrainingCenter", "Q2", "Slime"},
    {"TrainingCenter", "Q3", "Bat"},
    {"TrainingCenter", "Q4", "Bat"},
    {"BanditsCave", "Q1", "Bat"},
    {"BanditsCave", "Q2", "BanditInTraining"},
    {"BanditsCave", "Q3", "BanditInTraining"},
    {"BanditsCave", "Q4", "Bandit"},
}};

bool isDangerous(std::string_view location) {
    return std::any_of(encounterTable.begin(), encounterTable.end(),
                       [location](const Encounter& e) { return e.location == location; });
}

// A quadrant outside the table (only a hand-edited save file holds one) leaves EnemyName as
// it was; the battle screen then stops the game in good order if that is no enemy.
void StartEncounter(GameState& game) {
    for (const Encounter& encounter : encounterTable)
        if (encounter.location == game.Location && encounter.quadrant == game.Quadrant)
            game.EnemyName = encounter.enemy;
}

} // namespace

// A negative count (again only from an edited file) is never counted down and never reaches 0,
// so no fight comes until a won battle or a new game sets the count again.
bool countEncounterStep(GameState& game) {
    if (!isDangerous(game.Location))
        return false;
    if (game.StepsToFight > 0)
        --game.StepsToFight;
    if (game.StepsToFight != 0)
        return false;
    StartEncounter(game);
    return true;
}
