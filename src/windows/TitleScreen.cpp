#include "windows/TitleScreen.h"

#include "state/SaveRecord.h"

TitleScreen::TitleScreen(const WindowContext& context)
    : GameWindow(Name, context, gameCaption(), {0, 0, 7410, 7125}, Frame::Fixed) {
    Control& logo = addPicture("Image1", {600, 240, 6135, 4215});
    logo.picture = "MakerLogo";
    logo.accessibleName = "Lantern Oak Studio";
    addLabel("Label1", "Presents", {2760, 4560, 2295, 495}).font = {FontFamily::Sans, 24, true};
    Control& title = addPicture("Image2", {1800, 5160, 4095, 1335});
    title.picture = "GameIcon";
    title.accessibleName = "Quillmar";

    const Control& newGame = addButton("Command1", "New Game", {240, 6600, 1000, 375});
    const Control& loadGame = addButton("Command2", "Load Game", {1440, 6600, 1000, 375});
    const Control& help = addButton("Command4", "Help", {2640, 6600, 1000, 375});
    const Control& contact = addButton("Command6", "Contact Us", {3840, 6600, 1000, 375});
    const Control& about = addButton("Command3", "About", {5040, 6600, 1000, 375});
    const Control& quitButton = addButton("Command5", "Quit", {6240, 6600, 1000, 375});
    setFocusOrder({&newGame, &loadGame, &about, &help, &quitButton, &contact});

    onClick(newGame, [this] { announce(Happening::NewGameChosen); });
    onClick(loadGame, [this] { chooseGame(); });
    onClick(about, [this] { announce(Happening::AboutChosen); });
    onClick(help, [this] { announce(Happening::HelpChosen); });
    onClick(quitButton, [this] { quit(); });
    onClick(contact, [this] { announce(Happening::ContactChosen); });
}

void TitleScreen::chooseGame() {
    platform().chooseFileToOpen(SaveFileFilter, [this](const std::string& path) {
        if (!path.empty())
            loadGame(path);
    });
}

// The whole file is read and checked before the game changes: a file that does not read
// leaves the game and the title as they were.
void TitleScreen::loadGame(const std::string& path) {
    const SaveFileRead file = platform().readSaveFile(path);
    const SaveRecordRead record = file.ok ? readSaveRecord(file.text, game()) : SaveRecordRead{};
    if (!record.ok) {
        const std::string& problem = file.ok ? record.problem : file.problem;
        platform().showMessage("The game could not be loaded: " + problem + ".", [] {});
        return;
    }
    flow().gameRead(record.game);
}
