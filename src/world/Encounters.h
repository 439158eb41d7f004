#pragma once

#include "state/GameState.h"

// Counts one step in the training center or the bandits' cave (only while the count is above
// 0) and, when the count is then 0 there, picks the enemy of the place and quadrant into
// EnemyName and returns true: the caller opens the battle. The town never counts.
bool countEncounterStep(GameState& game);
