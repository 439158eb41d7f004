#include "windows/MoveScreen.h"

#include "state/NewGame.h"
#include "state/SaveRecord.h"
#include "world/Encounters.h"
#include "world/Screens.h"
#include "world/Talk.h"

#include <cstdio>

namespace {

// Every step redraws a hundred cells, so each tile's picture is looked up once, by its letter.
std::string_view tilePicture(char tile) {
    static const auto pictures = [] {
        std::array<std::string_view, 128> byLetter;
        for (char letter = 'A'; letter <= 'z'; ++letter)
            byLetter[static_cast<unsigned char>(letter)] = pictureOfTile(letter);
        return byLetter;
    }();
    return pictures[static_cast<unsigned char>(tile) & 127U];
}

const char* edgeBar(bool leadsOn) {
    return leadsOn ? "CanGo" : "CanNotGo";
}

std::string cellName(int row, int column) {
    char name[8];
    std::snprintf(name, sizeof name, "map%02d%02d", row, column);
    return name;
}

} // namespace

MoveScreen::MoveScreen(const WindowContext& context)
    : GameWindow(Name, context, gameCaption(), {0, 0, 7380, 7095}, Frame::Fixed) {
    buildGrid();
    buildButtons();
    buildStatusPanel();
}

void MoveScreen::buildGrid() {
    for (int row = 1; row <= 10; ++row)
        for (int column = 1; column <= 10; ++column) {
            Control& box = addPicture(cellName(row, column),
                                      {1200 + 480 * (column - 1), 600 + 480 * (row - 1), 495, 495});
            box.accessibleName =
                "Map row " + std::to_string(row) + " column " + std::to_string(column);
            cells_[std::size_t(10 * (row - 1) + column - 1)] = &box;
        }
    up_ = &addPicture("graup", {1200, 120, 4815, 495});
    down_ = &addPicture("gradown", {1200, 5400, 4815, 495});
    left_ = &addPicture("graleft", {720, 600, 495, 4815});
    right_ = &addPicture("graright", {6000, 600, 495, 4815});
    const std::pair<Control*, const char*> bars[] = {
        {up_, "above"}, {down_, "below"}, {left_, "left of"}, {right_, "right of"}};
    for (const auto& [bar, side] : bars) {
        bar->accessibleName = std::string("Edge ") + side + " the map";
        bar->description = "White where it leads on to the next screen";
    }
}

void MoveScreen::buildButtons() {
    Control& saveButton = addButton("Command1", "Save", {0, 120, 1095, 375});
    const Control& quit = addButton("Command2", "Quit", {6120, 120, 1095, 375});
    Control& up = addButton("Command3", "", {960, 6000, 615, 495});
    Control& left = addButton("Command5", " ", {240, 6480, 615, 495});
    Control& down = addButton("Command6", " ", {960, 6480, 615, 495});
    Control& right = addButton("Command4", " ", {1680, 6480, 615, 495});
    Control& talkButton = addButton("Command8", "Talk", {2400, 6120, 1095, 375});
    Control& menu = addButton("Command7", "Menu", {2400, 6600, 1095, 375});
    up.arrow = Arrow::Up;
    left.arrow = Arrow::Left;
    down.arrow = Arrow::Down;
    right.arrow = Arrow::Right;
    up.accessibleName = "Step up";
    down.accessibleName = "Step down";
    left.accessibleName = "Step left";
    right.accessibleName = "Step right";
    bindKeys(up, {"Up", "W"}, "Up arrow or W");
    bindKeys(down, {"Down", "S"}, "Down arrow or S");
    bindKeys(left, {"Left", "A"}, "Left arrow or A");
    bindKeys(right, {"Right", "D"}, "Right arrow or D");
    bindKeys(talkButton, {"T"}, "T");
    bindKeys(menu, {"M"}, "M");
    bindKeys(saveButton, {"Ctrl+S"}, "Ctrl+S");
    onClick(saveButton, [this] { save(); });
    onClick(quit, [this] { announce(Happening::MoveScreenLeft); });
    onClick(menu, [this] { announce(Happening::MenuChosen); });
    onClick(talkButton, [this] { talk(); });
    onClick(up, [this] { walk(Direction::Up); });
    onClick(right, [this] { walk(Direction::Right); });
    onClick(left, [this] { walk(Direction::Left); });
    onClick(down, [this] { walk(Direction::Down); });
}

void MoveScreen::buildStatusPanel() {
    town_ = &addLabel("town", "Label12", {120, 5520, 975, 255});
    // The box is as narrow as the space left of the bottom edge bar; a size smaller still
    // fits the longest place name, "TrainingCenter", without cutting it.
    town_->font.points = 7;
    cellReadout_ = &addLabel("Label4", "Label4", {6600, 3360, 615, 255});
    quadrantReadout_ = &addLabel("Label7", "Label7", {6600, 3720, 615, 255});
    addLabel("Label3", "Level", {4320, 6240, 495, 255});
    addLabel("YourLevel", " ", {4920, 6240, 375, 255}).description = "Level";
    addLabel("Label8", "Gold", {5520, 6240, 375, 255});
    addLabel("YourGold", " ", {6000, 6240, 615, 255}).description = "Gold";
    addLabel("Label6", "HP:", {4320, 6720, 375, 255});
    addLabel("yourHP", " ", {4920, 6720, 255, 255});
    addLabel("Label9", "/", {5280, 6720, 135, 255});
    addLabel("yourMaxHP", " ", {5520, 6720, 255, 255});
    addLabel("Label11", "TP:", {5880, 6720, 375, 255});
    addLabel("yourTP", " ", {6360, 6720, 255, 255});
    addLabel("Label10", "/", {6720, 6720, 135, 255});
    addLabel("yourMaxTP", " ", {6960, 6720, 255, 255});
    addLine(4200, 6120, 4200, 7080);
    addLine(4200, 6120, 7320, 6120);
    town_->description = "Place";
    cellReadout_->description = "Cell";
    quadrantReadout_->description = "Quadrant";
    describeHealth();
}

void MoveScreen::load() {
    showStatusPanel();
    drawCurrentScreen();
    placeHero();
}

// The move screen's own load has drawn the screen and placed the hero; a loaded game then draws
// and places him once more, so loading counts two steps and a game saved close to a fight may
// open it at once.
void MoveScreen::showLoadedGame() {
    drawCurrentScreen();
    placeHero();
}

// The first screen and the hero on it come before the king speaks, the starting figures reach
// the status panel only after his words, and the hero is not placed: the readouts keep what
// they showed until his first step.
void MoveScreen::beginNewGame(std::function<void()> then) {
    drawScreen(*findScreen(StartingPlace.location, StartingPlace.quadrant));
    drawHero(*cellOfKey(StartingPlace.position));
    platform().showMessage(kingsMessage(game().YourName), [this, then = std::move(then)] {
        writeStartingFigures(game());
        showStatusPanel();
        writeStartingPlace(game());
        then();
    });
}

// Travel draws the new screen and the hero but does not place him: no step is counted, and
// the readouts keep naming the place left behind until the next step.
void MoveScreen::arriveBy(Destination destination) {
    const Place arrival = arrivalAt(destination);
    drawScreen(*findScreen(arrival.location, arrival.quadrant));
    travelTo(game(), destination);
    drawHero(*cellOfKey(arrival.position));
}

// A won battle starts a new count towards the next fight and shows the whole status panel, as
// the battle may have raised the level and paid gold.
void MoveScreen::showBattleWon() {
    game().StepsToFight = StepsBetweenFights;
    showStatusPanel();
}

void MoveScreen::showGold() {
    setNumber(control("YourGold"), game().YourGold);
}

void MoveScreen::save() {
    platform().chooseFileToSave(SaveFileFilter, [this](const std::string& path) {
        if (path.empty())
            return;
        const std::string problem = platform().writeSaveFile(path, formatSaveRecord(game()));
        if (!problem.empty())
            platform().showMessage("The game was not saved: " + problem + ".", [] {});
    });
}

// Whoever stands by the hero speaks first; only once the words are read does anything follow.
void MoveScreen::talk() {
    const std::optional<Talk> heard = hear(game());
    if (!heard)
        return;
    platform().showMessage(heard->words, [this, said = *heard] {
        afterWords(game(), said);
        switch (said.effect) {
        case TalkEffect::None:
            return;
        case TalkEffect::Rest:
            return restAtTheInn();
        case TalkEffect::OpenShop:
            return announce(Happening::ShopEntered);
        case TalkEffect::Fight:
            return announce(Happening::FightStarted);
        }
    });
}

// The inn has refilled HP and TP and put the hero on the bed; the screen is drawn again and the
// hero placed, which counts as a step like any other.
void MoveScreen::restAtTheInn() {
    setNumber(control("yourHP"), game().YourHP);
    setNumber(control("yourTP"), game().YourTP);
    drawCurrentScreen();
    placeHero();
}

// A step that is taken redraws the whole screen, which is what takes the hero's picture off
// the cell he left.
void MoveScreen::walk(Direction direction) {
    switch (step(game(), direction)) {
    case StepResult::Blocked:
        return;
    case StepResult::Moved:
    case StepResult::Crossed:
        drawCurrentScreen();
        return placeHero();
    case StepResult::OpenTravel:
        return announce(Happening::EdgeOfPlaceReached);
    }
}

// The screen named by Location and Quadrant; a pair that names no screen draws nothing and
// leaves the walkability tables as they were.
void MoveScreen::drawCurrentScreen() {
    if (const Screen* screen = findScreen(game().Location, game().Quadrant))
        drawScreen(*screen);
}

// Drawing a screen also decides where the hero may step next: its walkability tables replace
// those of the screen before.
void MoveScreen::drawScreen(const Screen& screen) {
    showScreen(screen);
    loadScreenTables(game(), screen);
}

void MoveScreen::showScreen(const Screen& screen) {
    const EdgeBars bars = edgeBarsOf(screen.quadrant);
    setPicture(*left_, edgeBar(bars.left));
    setPicture(*up_, edgeBar(bars.up));
    setPicture(*right_, edgeBar(bars.right));
    setPicture(*down_, edgeBar(bars.down));
    for (int row = 1; row <= 10; ++row)
        for (int column = 1; column <= 10; ++column)
            setPicture(cell({row, column}), tilePicture(screen.tile(row, column)));
}

// Placing the hero is more than drawing him: it counts a step towards the next fight, which may
// open the battle before the readouts say where he is.
void MoveScreen::placeHero() {
    if (const auto at = cellOfKey(game().Position))
        drawHero(*at);
    countStep();
    showWhereHeroIs();
}

void MoveScreen::drawHero(Cell at) {
    setPicture(cell(at), "graYou");
}

void MoveScreen::countStep() {
    if (countEncounterStep(game()))
        announce(Happening::FightStarted);
}

void MoveScreen::showWhereHeroIs() {
    setCaption(*cellReadout_, game().Position);
    setCaption(*quadrantReadout_, game().Quadrant);
    setCaption(*town_, game().Location);
}

void MoveScreen::showStatusPanel() {
    setNumber(control("YourLevel"), game().YourLevel);
    setNumber(control("YourGold"), game().YourGold);
    fillHealthLabels();
}
