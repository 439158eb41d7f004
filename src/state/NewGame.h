#pragma once

#include "state/GameState.h"

#include <string>

// The words the new game shows, each built from its pieces exactly as the game tells them.
std::string openingStory();
std::string closingStory();
std::string kingsMessage(const std::string& heroName);

// The counted steps before the next fight, at a new game and after every won battle.
constexpr Integer StepsBetweenFights = 5;

// The story stage that no event reaches; only a save file can hold it. At it the story screen
// tells the closing story and leads back to the title.
constexpr Integer ClosingStoryStage = 50;

// Where every game starts: in the town, inside the hero's house.
constexpr Place StartingPlace{"Farmin", "Q1", "x3y4"};

// The new game writes its values in two steps around the king's message: first the hero's
// starting figures, items and techniques (everything but experience, place, story stage and
// step count), then, after the status panel shows them, the place, story stage, step count and
// experience. YourName is never touched: the name-entry screen has set it.
void writeStartingFigures(GameState& game);
void writeStartingPlace(GameState& game);
