#pragma once

#include "forms/Form2.h"
#include "state/GameState.h"
#include "support/FormTest.h"

#include <string>

class Form3;
class ScriptedDialogs;

// Puts a hero with the starting figures of a new game on a cell of a screen, as a saved game
// would, so window tests can start anywhere in the world.
GameState heroAt(const std::string& location, const std::string& quadrant,
                 const std::string& position, Integer storyStage = 1);

// Makes `hero` the game and shows the move screen, as loading a saved game does.
Form2& moveScreenOf(const GameState& hero);
Form2& moveScreenAt(const std::string& location, const std::string& quadrant,
                    const std::string& position, Integer storyStage = 1);

// The move screen of `hero`, then a battle against an enemy over it, as an encounter opens it.
Form3* openBattle(const std::string& enemy,
                  const GameState& hero = heroAt("TrainingCenter", "Q1", "x5y5"));

// "Talk" on the move screen of a hero, to someone who opens window F: a fight or the shop.
template <class F> F* talkTo(const GameState& hero) {
    click(&moveScreenOf(hero), "Command8");
    return Loaded<F>();
}

// "Save" on the move screen, answering the dialog with a path (an empty one cancels).
void saveAs(ScriptedDialogs& dialogs, const QString& path);
// "Load Game" on the title, answering the dialog with a path.
void loadFrom(ScriptedDialogs& dialogs, const QString& path);

// Whether a picture box shows the picture graForm1 holds under a name.
bool shows(QWidget* form, const char* pictureBoxName, const QString& pictureName);
