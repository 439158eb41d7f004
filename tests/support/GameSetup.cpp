#include "support/GameSetup.h"

#include "state/NewGame.h"

GameState heroAt(const std::string& location, const std::string& quadrant,
                 const std::string& position, Integer storyStage) {
    GameState game;
    game.YourName = "Ann";
    writeStartingFigures(game);
    writeStartingPlace(game);
    game.Location = location;
    game.Quadrant = quadrant;
    game.Position = position;
    game.StoryStage = storyStage;
    return game;
}
