#include "world/Travel.h"

TravelChoices travelChoices(Integer storyStage) {
    // The story opens the places one by one; a stage past the game's own (only a save file can
    // hold one) offers nothing.
    const bool known = storyStage >= 1 && storyStage <= 21;
    return {.farmin = known,
            .trainingCenter = known && storyStage >= 2,
            .banditsCave = known && storyStage >= 3};
}

Arrival arrivalAt(Destination destination) {
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

// GCC 12 at -O3 reports a false -Wrestrict inside std::string's assignment from a string_view
// (GCC bug 105651): a string literal cannot overlap the string's own buffer.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#endif
void travelTo(GameState& game, Destination destination) {
    const Arrival arrival = arrivalAt(destination);
    game.Location = arrival.location;
    game.Quadrant = arrival.quadrant;
    game.Position = arrival.position;
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
