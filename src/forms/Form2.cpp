#include "forms/Form2.h"

#include "forms/Form1.h"
#include "forms/Form11.h"
#include "forms/Form3.h"
#include "forms/Form6.h"
#include "forms/Form8.h"
#include "forms/HealthLabels.h"
#include "forms/graForm1.h"
#include "state/NewGame.h"
#include "state/SaveRecord.h"
#include "toolkit/Dialogs.h"
#include "toolkit/FormRegistry.h"
#include "toolkit/Keys.h"
#include "toolkit/SaveFiles.h"
#include "toolkit/Text.h"
#include "toolkit/Widgets.h"
#include "world/Encounters.h"
#include "world/Screens.h"
#include "world/Talk.h"

#include <QLabel>
#include <QStyle>

namespace {

const QPixmap& pictureNamed(std::string_view name) {
    return graForm1::instance().picture(text(name));
}

// Every step redraws a hundred cells, so each tile's picture is looked up once, by its letter.
const QPixmap& tilePicture(char tile) {
    static const auto pictures = [] {
        std::array<QPixmap, 128> byLetter;
        for (char letter = 'A'; letter <= 'z'; ++letter)
            if (!pictureOfTile(letter).empty())
                byLetter[std::size_t(letter)] = pictureNamed(pictureOfTile(letter));
        return byLetter;
    }();
    return pictures[std::size_t(tile) & 127];
}

const QPixmap& edgeBar(bool leadsOn) {
    return pictureNamed(leadsOn ? "CanGo" : "CanNotGo");
}

} // namespace

Form2::Form2() : GameForm(GameCaption, 7380, 7095, Frame::Fixed) {
    buildGrid();
    buildButtons();
    buildStatusPanel();
}

void Form2::buildGrid() {
    grid_ = new QWidget(this);
    place(grid_, {1200, 600, 4815, 4815});
    for (int row = 1; row <= 10; ++row)
        for (int column = 1; column <= 10; ++column) {
            const QByteArray name = QStringLiteral("map%1%2")
                                        .arg(row, 2, 10, QLatin1Char('0'))
                                        .arg(column, 2, 10, QLatin1Char('0'))
                                        .toLatin1();
            PictureBox* cell = addPicture(grid_, name.constData(),
                                          {480 * (column - 1), 480 * (row - 1), 495, 495});
            nameForScreenReaders(cell, QStringLiteral("Map row %1 column %2").arg(row).arg(column));
            cells_[std::size_t(10 * (row - 1) + column - 1)] = cell;
        }
    graup = addPicture(this, "graup", {1200, 120, 4815, 495});
    gradown = addPicture(this, "gradown", {1200, 5400, 4815, 495});
    graleft = addPicture(this, "graleft", {720, 600, 495, 4815});
    graright = addPicture(this, "graright", {6000, 600, 495, 4815});
    const std::pair<PictureBox*, const char*> bars[] = {
        {graup, "above"}, {gradown, "below"}, {graleft, "left of"}, {graright, "right of"}};
    for (const auto& [bar, side] : bars) {
        nameForScreenReaders(bar, QStringLiteral("Edge %1 the map").arg(QLatin1String(side)));
        describe(bar, QStringLiteral("White where it leads on to the next screen"));
    }
}

void Form2::buildButtons() {
    auto* save = addButton(this, "Command1", "Save", {0, 120, 1095, 375});
    auto* quit = addButton(this, "Command2", "Quit", {6120, 120, 1095, 375});
    auto* up = addButton(this, "Command3", "", {960, 6000, 615, 495});
    auto* left = addButton(this, "Command5", " ", {240, 6480, 615, 495});
    auto* down = addButton(this, "Command6", " ", {960, 6480, 615, 495});
    auto* right = addButton(this, "Command4", " ", {1680, 6480, 615, 495});
    auto* talk = addButton(this, "Command8", "Talk", {2400, 6120, 1095, 375});
    auto* menu = addButton(this, "Command7", "Menu", {2400, 6600, 1095, 375});
    const std::pair<QPushButton*, QStyle::StandardPixmap> arrows[] = {
        {up, QStyle::SP_ArrowUp},
        {left, QStyle::SP_ArrowLeft},
        {down, QStyle::SP_ArrowDown},
        {right, QStyle::SP_ArrowRight}};
    for (const auto& [button, arrow] : arrows)
        button->setIcon(style()->standardIcon(arrow));
    const std::pair<QPushButton*, const char*> steps[] = {
        {up, "Step up"}, {down, "Step down"}, {left, "Step left"}, {right, "Step right"}};
    for (const auto& [button, name] : steps)
        nameForScreenReaders(button, QString::fromLatin1(name));
    bindKeys(up, {Qt::Key_Up, Qt::Key_W}, QStringLiteral("Up arrow or W"));
    bindKeys(down, {Qt::Key_Down, Qt::Key_S}, QStringLiteral("Down arrow or S"));
    bindKeys(left, {Qt::Key_Left, Qt::Key_A}, QStringLiteral("Left arrow or A"));
    bindKeys(right, {Qt::Key_Right, Qt::Key_D}, QStringLiteral("Right arrow or D"));
    bindKeys(talk, {Qt::Key_T}, QStringLiteral("T"));
    bindKeys(menu, {Qt::Key_M}, QStringLiteral("M"));
    bindKeys(save, {QKeySequence::Save}, QStringLiteral("Ctrl+S"));
    connect(save, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(quit, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(menu, &QPushButton::clicked, this, &Form2::Command7_Click);
    connect(talk, &QPushButton::clicked, this, &Form2::Command8_Click);
    connect(up, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(right, &QPushButton::clicked, this, &Form2::Command4_Click);
    connect(left, &QPushButton::clicked, this, &Form2::Command5_Click);
    connect(down, &QPushButton::clicked, this, &Form2::Command6_Click);
}

void Form2::buildStatusPanel() {
    town = addLabel(this, "town", "Label12", {120, 5520, 975, 255});
    // The box is as narrow as the space left of the bottom edge bar; a size smaller still
    // fits the longest place name, "TrainingCenter", without cutting it.
    town->setFont(layoutFont(FontFamily::Sans, 7));
    Label4 = addLabel(this, "Label4", "Label4", {6600, 3360, 615, 255});
    Label7 = addLabel(this, "Label7", "Label7", {6600, 3720, 615, 255});
    addLabel(this, "Label3", "Level", {4320, 6240, 495, 255});
    addLabel(this, "YourLevel", " ", {4920, 6240, 375, 255});
    addLabel(this, "Label8", "Gold", {5520, 6240, 375, 255});
    addLabel(this, "YourGold", " ", {6000, 6240, 615, 255});
    addLabel(this, "Label6", "HP:", {4320, 6720, 375, 255});
    addLabel(this, "yourHP", " ", {4920, 6720, 255, 255});
    addLabel(this, "Label9", "/", {5280, 6720, 135, 255});
    addLabel(this, "yourMaxHP", " ", {5520, 6720, 255, 255});
    addLabel(this, "Label11", "TP:", {5880, 6720, 375, 255});
    addLabel(this, "yourTP", " ", {6360, 6720, 255, 255});
    addLabel(this, "Label10", "/", {6720, 6720, 135, 255});
    addLabel(this, "yourMaxTP", " ", {6960, 6720, 255, 255});
    addLine(this, 4200, 6120, 4200, 7080);
    addLine(this, 4200, 6120, 7320, 6120);
    const std::pair<QLabel*, const char*> readouts[] = {
        {town, "Place"}, {Label4, "Cell"}, {Label7, "Quadrant"}};
    for (const auto& [label, meaning] : readouts)
        describe(label, QString::fromLatin1(meaning));
    describe(findChild<QLabel*>("YourLevel"), QStringLiteral("Level"));
    describe(findChild<QLabel*>("YourGold"), QStringLiteral("Gold"));
    describeHealth(this);
}

// The ways in. Each is the whole of what the move screen does when the player arrives for that
// reason; nothing else draws on it or writes its labels from outside.

// The move screen's own load draws the screen and places the hero; a loaded game then draws and
// places him once more, so loading counts two steps and a game saved close to a fight may open
// it at once.
void Form2::startLoadedGame() {
    Form2& screen = Show<Form2>();
    screen.DrawCurrentScreen();
    screen.PlaceHero();
}

// The step count starts afresh before the move screen loads: its load places the hero, which
// counts a step, and with the count of the game before that could open that game's next fight.
// After a lost battle the move screen is still loaded, hidden, and comes back without a load.
void Form2::startNewGame() {
    theGame().StepsToFight = StepsBetweenFights;
    Show<Form2>().NewGameInitialiser();
}

// Travel draws the new screen and the hero but does not place him: no step is counted, and
// the readouts keep naming the place left behind until the next step.
void Form2::arriveBy(Destination destination) {
    Form2& screen = Load<Form2>();
    const Place arrival = arrivalAt(destination);
    screen.DrawScreen(*findScreen(arrival.location, arrival.quadrant));
    travelTo(theGame(), destination);
    screen.drawHero(*cellOfKey(arrival.position));
    Show<Form2>();
}

void Form2::returnFromTravelWindow() {
    Show<Form2>();
}

// A won battle starts a new count towards the next fight and shows the whole status panel, as
// the battle may have raised the level and paid gold.
void Form2::returnFromBattle() {
    theGame().StepsToFight = StepsBetweenFights;
    Load<Form2>().showStatusPanel();
    Show<Form2>();
}

void Form2::showMealEaten() {
    fillHealthLabels(&Load<Form2>());
}

// The menu can only have changed HP and TP; level and gold are not shown again.
void Form2::returnFromMenu() {
    fillHealthLabels(&Load<Form2>());
    Show<Form2>();
}

void Form2::returnFromShop() {
    showNumber(&Load<Form2>(), "YourGold", theGame().YourGold);
    Show<Form2>();
}

void Form2::Form_Load() {
    showStatusPanel();
    DrawCurrentScreen();
    PlaceHero();
}

void Form2::Command1_Click() {
    const QString path = ShowSave(SaveFileFilter);
    if (path.isEmpty())
        return;
    const QString problem = writeSaveFile(path, formatSaveRecord(theGame()));
    if (!problem.isEmpty())
        MsgBox(QStringLiteral("The game was not saved: %1.").arg(problem));
}

void Form2::Command2_Click() {
    Show<Form1>();
    Unload<Form2>();
}

void Form2::Command7_Click() {
    Show<Form6>();
    Hide<Form2>();
}

// Whoever stands by the hero speaks first; only once the words are read does anything follow.
void Form2::Command8_Click() {
    GameState& game = theGame();
    const std::optional<Talk> talk = hear(game);
    if (!talk)
        return;
    MsgBox(text(talk->words));
    afterWords(game, *talk);
    switch (talk->effect) {
    case TalkEffect::None:
        return;
    case TalkEffect::Rest:
        restAtTheInn();
        return;
    case TalkEffect::OpenShop:
        Show<Form11>();
        Hide<Form2>();
        return;
    case TalkEffect::Fight:
        Form3::open();
        return;
    }
}

// The inn has refilled HP and TP and put the hero on the bed; the screen is drawn again and the
// hero placed, which counts as a step like any other.
void Form2::restAtTheInn() {
    showNumber(this, "yourHP", theGame().YourHP);
    showNumber(this, "yourTP", theGame().YourTP);
    DrawCurrentScreen();
    PlaceHero();
}

// A step that is taken redraws the whole screen, which is what takes the hero's picture off
// the cell he left.
void Form2::walk(Direction direction) {
    switch (step(theGame(), direction)) {
    case StepResult::Blocked:
        return;
    case StepResult::Moved:
    case StepResult::Crossed:
        DrawCurrentScreen();
        PlaceHero();
        return;
    case StepResult::OpenTravel:
        Show<Form8>();
        Hide<Form2>();
        return;
    }
}

// The screen named by Location and Quadrant; a pair that names no screen draws nothing and
// leaves the walkability tables as they were.
void Form2::DrawCurrentScreen() {
    if (const Screen* screen = findScreen(theGame().Location, theGame().Quadrant))
        DrawScreen(*screen);
}

// Drawing a screen also decides where the hero may step next: its walkability tables replace
// those of the screen before.
void Form2::DrawScreen(const Screen& screen) {
    showScreen(screen);
    loadScreenTables(theGame(), screen);
}

void Form2::showScreen(const Screen& screen) {
    const EdgeBars bars = edgeBarsOf(screen.quadrant);
    graleft->setPicture(edgeBar(bars.left));
    graup->setPicture(edgeBar(bars.up));
    graright->setPicture(edgeBar(bars.right));
    gradown->setPicture(edgeBar(bars.down));
    // The grid is repainted once as a whole, not as a hundred boxes, each of which the window
    // would have to fit in with its overlapping neighbours.
    for (int row = 1; row <= 10; ++row)
        for (int column = 1; column <= 10; ++column)
            cell({row, column})->setPicture(tilePicture(screen.tile(row, column)), false);
    grid_->update();
}

// Placing the hero is more than drawing him: it counts a step towards the next fight, which may
// open the battle before the readouts say where he is.
void Form2::PlaceHero() {
    if (const auto at = cellOfKey(theGame().Position))
        drawHero(*at);
    countStep();
    showWhereHeroIs();
}

void Form2::drawHero(Cell at) {
    cell(at)->setPicture(pictureNamed("graYou"));
}

// The battle opens on its own window and hides this one; the move screen goes on as it was.
void Form2::countStep() {
    if (EncounterStep(theGame()))
        Form3::open();
}

void Form2::showWhereHeroIs() {
    const GameState& game = theGame();
    Label4->setText(text(game.Position));
    Label7->setText(text(game.Quadrant));
    town->setText(text(game.Location));
}

PictureBox* Form2::cell(Cell at) const {
    return cells_[std::size_t(10 * (at.row - 1) + at.column - 1)];
}

// The first screen and the hero on it come before the king speaks, the starting figures reach
// the status panel only after his words, and the hero is not placed: the readouts keep what
// they showed until his first step.
void Form2::NewGameInitialiser() {
    GameState& game = theGame();
    DrawScreen(*findScreen(StartingPlace.location, StartingPlace.quadrant));
    drawHero(*cellOfKey(StartingPlace.position));
    MsgBox(text(kingsMessage(game.YourName)));
    writeStartingFigures(game);
    showStatusPanel();
    writeStartingPlace(game);
}

void Form2::showStatusPanel() {
    showNumber(this, "YourLevel", theGame().YourLevel);
    showNumber(this, "YourGold", theGame().YourGold);
    fillHealthLabels(this);
}
