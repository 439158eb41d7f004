#include "world/Travel.h"

TravelChoices travelChoices(Integer storyStage) {
    // The story opens the places one by one; a stage past the game's own (only a save file can
    // hold one) offers nothing.
    const bool known = storyStage >= 1 && storyStage <= 21;
    return {.farmin = known,
            .trainingCenter = known && storyStage >= 2,
            .banditsCave = known && storyStage >= 3};
}

Place arrivalAt(Destination destination) {
    switch (destination) {
    case Destination::Farmin:
        return {"Farmin", "Q3", "x10y8"};
    case Destination::TrainingCenter:
        return {"TrainingCenter", "Q4", "x10y1"};
    case Destination::BanditsCave:
        break;
    }
    return {"BanditsCave", "Q4", "x10y8"};
}

void travelTo(GameState& game, Destination destination) {
    putHeroAt(game, arrivalAt(destination));
}
