#include "windows/RandomPlayer.h"

#include "combat/Levels.h"
#include "items/Catalogue.h"
#include "state/SaveRecord.h"
#include "world/Movement.h"
#include "world/Screens.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

// Saved games to load at the title: the story's stages at their places, a rich hero at the
// shop, and a hero of the last level beside the leader, so that play reaches both endings.
std::vector<GameState> savedGames() {
    GameState leader = heroAt("BanditsCave", "Q2", "x6y5", 3);
    for (auto levelUp : {levelUpTo2, levelUpTo3, levelUpTo4, levelUpTo5})
        levelUp(leader);
    leader.NumBomb = 3;
    GameState rich = heroAt("Farmin", "Q4", "x7y2");
    rich.YourGold = 32000;
    return {heroAt("Farmin", "Q1", "x3y4"), rich, heroAt("TrainingCenter", "Q4", "x6y1", 2),
            heroAt("BanditsCave", "Q4", "x10y8", 3), leader};
}

bool outside(int value, int lowest, int highest) {
    return value < lowest || value > highest;
}

// What holds between any two actions of a game begun as games begin: the figures keep to their
// ranges and limits (nothing wraps), each stays at its level's value, and the hero stands on a
// cell of a screen.
std::string brokenFigure(const GameState& game) {
    const bool countOut = std::any_of(items().begin(), items().end(), [&](const Item& item) {
        return outside(game.*item.count, 0, MostOfAnItem);
    });
    if (countOut || outside(game.YourLevel, 1, 5) || outside(game.StoryStage, 1, 4) ||
        outside(game.StepsToFight, 0, 5) || game.YourEX < 0 || game.YourGold < 0)
        return "a count, the level, stage, step count, EX or gold out of range";
    if (game.YourHP > game.YourMaxHP || outside(game.YourTP, 0, game.YourMaxTP) ||
        game.YourAT != game.YourMaxAT || game.YourDE != game.YourMaxDE ||
        game.YourSE != game.YourMaxSE || game.YourSP != game.YourMaxSP ||
        game.YourMaxHP != game.YourMaxTP)
        return "HP or TP beyond its maximum, or a figure off its level's value";
    if (!cellOfKey(game.Position) || !findScreen(game.Location, game.Quadrant))
        return "the hero stands nowhere";
    return {};
}

// A control a screen reader could not name or explain: a picture, or a button without a caption
// (but the battle's numbered list), with no name; or a value label, blank or a figure, with no
// description.
bool unexplained(const Control& control) {
    int figure = 0;
    char after = 0;
    const bool blank = control.caption.find_first_not_of(' ') == std::string::npos;
    const bool bareButton =
        control.kind == ControlKind::Button && blank && !control.name.starts_with("Do");
    const bool valueLabel =
        control.kind == ControlKind::Label && !control.name.empty() &&
        (blank || std::sscanf(control.caption.c_str(), "%d %c", &figure, &after) == 1);
    return ((control.kind == ControlKind::Picture || bareButton) &&
            control.accessibleName.empty()) ||
           (valueLabel && control.description.empty());
}

const std::vector<std::string> roundTrip = {"file 0.QSV: saved", "MoveScreen.Command2",
                                            "game.YourGold = 12345", "load 0.QSV",
                                            "file 0.QSV: saved"};

} // namespace

RandomPlayer::RandomPlayer(unsigned seed, Setting* setting) : random_(seed), scenario_(setting) {
    const std::vector<GameState> games = savedGames();
    for (std::size_t game = 0; game < games.size(); ++game)
        scenario_.files[Scenario::path(std::to_string(game) + ".QSV")] =
            formatSaveRecord(games[game]);
    restart();
}

std::string RandomPlayer::act() {
    const std::vector<std::string> choices = possibleSteps();
    steps.push_back(choices[std::size_t(pick(choices.size()))]);
    std::string problem = scenario_.play({steps.back()});
    // What a save wrote is the game, byte for byte; in the town, where loading counts no step,
    // loading it at once gives back the same record.
    if (problem.empty() && steps.back() == "save 0.QSV") {
        const bool inTown = scenario_.game().Location == "Farmin";
        roundTrips += inTown ? 1 : 0;
        problem = scenario_.play(inTown ? roundTrip : std::vector{roundTrip.front()});
    }
    if (problem.empty() && scenario_.flow().hasEnded()) {
        ++ends;
        problem = scenario_.play({"ended"});
        restart();
    }
    if (problem.empty())
        problem = checkShownWindows();
    if (problem.empty() && alsoCheck)
        problem = alsoCheck(scenario_.flow());
    return problem.empty() && scenario_.game().StoryStage ? brokenFigure(scenario_.game())
                                                          : problem;
}

// Exactly one window can be acted on (the about box aside), and every control on show has a
// name or description for screen readers.
std::string RandomPlayer::checkShownWindows() {
    int actedOn = 0;
    for (const Window* window : scenario_.flow().windows()) {
        if (!window->isShown())
            continue;
        seen.insert(window->name());
        for (const Control& control : window->controls())
            if (unexplained(control))
                return window->name() + "." + control.name + " says nothing to a reader";
        actedOn += window->name() == "AboutBox" ? 0 : 1;
    }
    return actedOn == 1 ? std::string() : std::to_string(actedOn) + " windows to act on";
}

// Every button that can be pressed and every close box; the arrows and the fight, which are the
// game, come up more often. Save and Load Game answer with a file or a cancel.
std::vector<std::string> RandomPlayer::possibleSteps() {
    static const std::map<std::string, int> weights = {
        {"MoveScreen.Command3", 8},  {"MoveScreen.Command4", 8}, {"MoveScreen.Command5", 8},
        {"MoveScreen.Command6", 8},  {"MoveScreen.Command8", 4}, {"BattleScreen.cmbAttack", 6},
        {"TitleScreen.Command2", 4}, {"NameEntry.Command1", 4}};
    const bool cancel = pick(6) == 0;
    const std::string load = cancel ? "load" : "load " + std::to_string(pick(5)) + ".QSV";
    std::vector<std::string> choices;
    for (const Window* window : scenario_.flow().windows()) {
        if (!window->isShown())
            continue;
        choices.push_back("close " + window->name());
        for (const Control& control : window->controls()) {
            if (control.kind != ControlKind::Button || !control.visible || !control.enabled)
                continue;
            std::string step = window->name() + "." + control.name;
            const auto weight = weights.find(step);
            if (step == "MoveScreen.Command1")
                step = cancel ? "save" : "save 0.QSV";
            else if (step == "TitleScreen.Command2")
                step = load;
            choices.insert(choices.end(), std::size_t(weight == weights.end() ? 1 : weight->second),
                           step);
        }
    }
    return choices;
}

void RandomPlayer::restart() {
    scenario_.restart();
    steps = {"title"};
    scenario_.play(steps);
}

int RandomPlayer::pick(std::size_t count) {
    return std::uniform_int_distribution<int>(0, int(count) - 1)(random_);
}

std::string playRandomly(RandomPlayer& player, unsigned seed, int count) {
    for (int action = 1; action <= count; ++action)
        if (const std::string problem = player.act(); !problem.empty()) {
            std::string replay;
            for (const std::string& step : player.steps)
                replay += (replay.empty() ? "\"" : "\", \"") + step;
            return "seed " + std::to_string(seed) + ", action " + std::to_string(action) + ": " +
                   problem + ", after the steps " + replay + "\"";
        }
    const bool everywhere = player.seen.size() == 13 && player.ends > 0 && player.roundTrips > 0;
    return everywhere ? "" : "some window, the end of the program or a save loaded back not met";
}

int fromEnvironment(const char* name, int otherwise) {
    const char* value = std::getenv(name);
    return value && std::atoi(value) > 0 ? std::atoi(value) : otherwise;
}
