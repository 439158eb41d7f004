#include "support/GameSetup.h"

#include "forms/Form1.h"
#include "forms/Form3.h"
#include "forms/graForm1.h"
#include "state/NewGame.h"
#include "support/ScriptedDialogs.h"
#include "toolkit/Widgets.h"

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

Form2& moveScreenOf(const GameState& hero) {
    theGame() = hero;
    return Show<Form2>();
}

Form2& moveScreenAt(const std::string& location, const std::string& quadrant,
                    const std::string& position, Integer storyStage) {
    return moveScreenOf(heroAt(location, quadrant, position, storyStage));
}

Form3* openBattle(const std::string& enemy, const GameState& hero) {
    moveScreenOf(hero);
    theGame().EnemyName = enemy;
    Form3::open();
    return Loaded<Form3>();
}

void saveAs(ScriptedDialogs& dialogs, const QString& path) {
    dialogs.fileAnswers << path;
    click(Loaded<Form2>(), "Command1");
}

void loadFrom(ScriptedDialogs& dialogs, const QString& path) {
    dialogs.fileAnswers << path;
    click(Loaded<Form1>(), "Command2");
}

bool shows(QWidget* form, const char* pictureBoxName, const QString& pictureName) {
    auto* box = control<PictureBox>(form, pictureBoxName);
    const QPixmap& expected = graForm1::instance().picture(pictureName);
    return box && !expected.isNull() && box->picture().cacheKey() == expected.cacheKey();
}
