#pragma once

#include "state/GameState.h"

// The places the travel window offers.
enum class Destination { Farmin, TrainingCenter, BanditsCave };

// Which places can be chosen at a story stage: stage 1 only the town, 2 also the training
// center, 3 to 21 all three, any other stage none.
struct TravelChoices {
    bool farmin = false;
    bool trainingCenter = false;
    bool banditsCave = false;
};
TravelChoices travelChoices(Integer storyStage);

// Where the hero arrives at each place.
Place arrivalAt(Destination destination);

// Puts the hero at the arrival cell of a place: Location, Quadrant and Position.
void travelTo(GameState& game, Destination destination);
