#include "windows/Scenario.h"

#include "state/RulesTesting.h"
#include "state/SaveRecord.h"

#include <algorithm>
#include <sstream>
#include <utility>

namespace {

// The game's figures and texts that steps may set or check, by name.
const std::map<std::string, Integer GameState::*> figures = {
    {"StoryStage", &GameState::StoryStage}, {"YourLevel", &GameState::YourLevel},
    {"YourEX", &GameState::YourEX},         {"YourHP", &GameState::YourHP},
    {"YourTP", &GameState::YourTP},         {"YourAT", &GameState::YourAT},
    {"YourSE", &GameState::YourSE},         {"YourGold", &GameState::YourGold},
    {"NumBread", &GameState::NumBread},     {"NumLBread", &GameState::NumLBread},
    {"NumBomb", &GameState::NumBomb},       {"HasSlash", &GameState::HasSlash},
    {"HasStrike", &GameState::HasStrike},   {"StepsToFight", &GameState::StepsToFight}};
const std::map<std::string, std::string GameState::*> texts = {{"YourName", &GameState::YourName},
                                                               {"Quadrant", &GameState::Quadrant},
                                                               {"Position", &GameState::Position}};

std::vector<std::string> wordsOf(const std::string& line) {
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

// What follows the first `after` in a line; nothing when it is not there.
std::string rest(const std::string& line, const std::string& after) {
    const std::size_t at = line.find(after);
    return at == std::string::npos ? std::string() : line.substr(at + after.size());
}

std::string differs(const std::string& what, const std::string& actual,
                    const std::string& expected) {
    return actual == expected ? std::string() : what + " is \"" + actual + "\"";
}

// The key that types a character: its letter in capitals, or the character itself.
KeyPress keyTyping(char character) {
    const auto key = char(std::toupper(static_cast<unsigned char>(character)));
    return {character == ' ' ? "Space" : std::string(1, key), std::string(1, character)};
}

} // namespace

SaveFileRead Scenario::readSaveFile(const std::string& path) {
    const auto found = files.find(path);
    if (found != files.end())
        return {true, found->second, {}};
    return {false, {}, path.ends_with("/.") ? "it is a folder" : "No such file or directory"};
}

std::string Scenario::writeSaveFile(const std::string& path, const std::string& record) {
    if (path.ends_with("/."))
        return "the name chosen is a folder";
    files[path] = record;
    return {};
}

Scenario::Scenario(Setting* setting) : setting_(setting ? setting : &onTheWindows_) {
    restart();
}

// The program's windows go before the hands that may draw them.
Scenario::~Scenario() {
    flow_.reset();
}

void Scenario::restart() {
    flow_.reset();
    dialogs_.clear();
    Platform& platform = *this;
    WindowView& view = *this;
    flow_ = std::make_unique<Flow>(platform, &view);
    setting_->begin(*flow_);
}

void Scenario::showMessage(const std::string& text, std::function<void()> closed) {
    messages.push_back(text);
    dialogs_.push_back([this, closed = std::move(closed)] {
        if (!whileTold_.empty())
            failedWhileTold_ = step(std::exchange(whileTold_, {}));
        closed();
    });
}

void Scenario::chooseFile(const std::string& filter,
                          std::function<void(const std::string&)> chosen) {
    filter_ = filter;
    dialogs_.push_back(
        [chosen = std::move(chosen), answer = std::exchange(answer_, {})] { chosen(answer); });
}

// The dialogs the last action opened are answered in turn, each once the one before is closed.
void Scenario::answerDialogs() {
    while (!dialogs_.empty()) {
        const std::function<void()> answer = std::move(dialogs_.front());
        dialogs_.erase(dialogs_.begin());
        answer();
    }
}

std::string Scenario::play(const std::vector<std::string>& steps) {
    for (std::size_t at = 0; at < steps.size(); ++at) {
        std::string problem = step(steps[at]);
        if (problem.empty())
            problem = std::exchange(failedWhileTold_, {});
        if (!problem.empty())
            return "step " + std::to_string(at + 1) + " \"" + steps[at] + "\": " + problem;
    }
    return {};
}

std::string Scenario::step(const std::string& line) {
    const std::vector<std::string> words = wordsOf(line);
    const std::vector<std::string> subject = wordsOf(line.substr(0, line.find(':')));
    if (words.at(0) == "while") {
        whileTold_ = rest(line, "told: ");
        return {};
    }
    const std::vector<std::string> checks = {"shown", "ended", "gone", "same", "told"};
    const bool isCheck = line.find(':') != std::string::npos ||
                         std::find(words.begin(), words.end(), "shows") != words.end() ||
                         std::find(checks.begin(), checks.end(), words[0]) != checks.end();
    if (isCheck)
        return check(subject, rest(line, ": "));
    std::string problem = act(words, line);
    answerDialogs();
    return problem;
}

std::string Scenario::act(const std::vector<std::string>& words, const std::string& line) {
    const std::string& verb = words[0];
    const std::string what = words.size() > 1 ? words[1] : std::string();
    const std::string figure = verb.starts_with("game.") ? verb.substr(5) : std::string();
    if (verb == "title") {
        flow_->start();
    } else if (verb == "open") {
        flow_->start();
        flow_->openSavedGame(path(what));
    } else if (verb == "hero") {
        const Integer stage = Integer(words.size() > 4 ? std::stoi(words[4]) : 1);
        game() = heroAt(what, words.at(2), words.at(3), stage);
    } else if (figures.contains(figure)) {
        game().*figures.at(figure) = Integer(std::stoi(words.at(2)));
    } else if (texts.contains(figure)) {
        game().*texts.at(figure) = rest(line, " = ");
    } else if (verb == "play") {
        flow_->openMoveScreen();
    } else if (verb == "battle") {
        flow_->openMoveScreen();
        game().EnemyName = what;
        flow_->openBattle();
    } else if (verb == "close" && flow_->find(what)) {
        setting_->close(*flow_, what);
    } else if (verb == "type" && flow_->find(what)) {
        for (const char character : rest(line, what + ' '))
            setting_->press(*flow_, what, keyTyping(character));
    } else if (verb == "press" && flow_->find(what)) {
        for (std::size_t at = 2; at < words.size(); ++at)
            setting_->press(*flow_, what, {words[at], words[at] == "Space" ? " " : ""});
    } else if (verb == "walk") {
        return walk(rest(line, "walk "));
    } else if (verb == "fight") {
        return fight();
    } else if (verb == "train") {
        for (int round = 0; game().YourLevel < 5; ++round)
            if (const std::string problem = round < 200 ? walk("DU") : "not level 5";
                !problem.empty())
                return problem;
    } else if (verb == "save" || verb == "load") {
        answer_ = what.empty() ? std::string() : path(what);
        return verb == "save" ? pressed("MoveScreen", "Command1")
                              : pressed("TitleScreen", "Command2");
    } else if (std::count(verb.begin(), verb.end(), '.') == 1 && words.size() == 1) {
        return pressed(verb.substr(0, verb.find('.')), verb.substr(verb.find('.') + 1));
    } else {
        return "no such step, or no such window";
    }
    return {};
}

// Clicks a button of a window on show, as a player does, and lets the player answer what it
// asks.
std::string Scenario::pressed(const std::string& window, const std::string& button) {
    const Window* found = flow_->find(window);
    if (!found || !found->isShown() || !found->find(button))
        return "no " + button + " on show to press";
    setting_->click(*flow_, window, button);
    answerDialogs();
    return {};
}

std::string Scenario::check(const std::vector<std::string>& subject, const std::string& expected) {
    const std::string& verb = subject.at(0);
    const std::string what = subject.size() > 1 ? subject[1] : std::string();
    if (verb == "shown") {
        std::vector<std::string> names;
        std::string shown = "shown:";
        for (const Window* window : flow_->windows())
            if (window->isShown())
                names.push_back(window->name());
        std::sort(names.begin(), names.end());
        for (const std::string& name : names)
            shown += " " + name;
        return names == std::vector(subject.begin() + 1, subject.end()) ? "" : shown;
    }
    if (verb == "ended")
        return flow_->hasEnded() && flow_->windows().empty() ? std::string() : "it runs on";
    if (verb == "gone")
        return flow_->find(what) ? what + " is loaded" : std::string();
    if (verb == "same") {
        const int before = std::exchange(same_, flow_->find(what) ? loads_[what] : -1);
        return before < 0 || before == same_ ? std::string() : what + " was loaded anew";
    }
    if (verb == "told")
        return told(expected);
    if (verb == "filter")
        return differs("the filter", filter_, expected);
    if (verb == "file") {
        const SaveFileRead file = readSaveFile(path(what));
        return differs("the file", file.ok ? file.text : "<unreadable>", formatSaveRecord(game()));
    }
    const std::string name = verb.substr(verb.find('.') + 1);
    if (verb.starts_with("game."))
        return differs(name,
                       figures.contains(name) ? std::to_string(game().*figures.at(name))
                                              : game().*texts.at(name),
                       expected);
    return checkControl(subject, expected);
}

std::string Scenario::checkControl(const std::vector<std::string>& subject,
                                   const std::string& expected) {
    const std::string& verb = subject[0];
    const Window* window = flow_->find(verb.substr(0, verb.find('.')));
    if (subject.size() > 1 && subject[1] == "enables") {
        std::string marks;
        for (std::size_t at = 2; at < subject.size(); ++at) {
            const Control* button = window ? window->find(subject[at]) : nullptr;
            marks += button && button->enabled ? '1' : '0';
        }
        return differs("enabled", marks, expected);
    }
    const Control* control = window ? window->find(verb.substr(verb.find('.') + 1)) : nullptr;
    if (!control)
        return "no control " + verb;
    if (subject.size() > 1 && subject[1] == "shows") {
        const std::string picture = subject.at(2) == "nothing" ? std::string() : subject[2];
        return differs("the picture", control->picture, picture);
    }
    return differs("the caption", control->caption, expected);
}

std::string Scenario::walk(const std::string& path) {
    for (const char direction : path) {
        if (direction == ' ')
            continue;
        const std::size_t arrow = std::string("URLD").find(direction);
        std::string problem = pressed("MoveScreen", "Command" + std::to_string(arrow + 3));
        if (problem.empty() && flow_->find("BattleScreen"))
            problem = fight();
        if (!problem.empty())
            return problem;
    }
    return {};
}

std::string Scenario::fight() {
    for (int turn = 0; turn < 40 && flow_->find("BattleScreen"); ++turn) {
        const bool won = flow_->find("BattleScreen")->find("Command1")->enabled;
        pressed("BattleScreen", won ? "Command1" : "cmbAttack");
    }
    return flow_->find("BattleScreen") || flow_->find("StoryScreen")
               ? "the battle was lost or never won"
               : std::string();
}

std::string Scenario::told(const std::string& expected) {
    if (expected.empty()) // "told nothing"
        return read_ == messages.size() ? std::string() : "told " + messages[read_];
    if (read_ == messages.size())
        return "told nothing";
    const std::string& message = messages[read_++];
    const bool matches = expected.starts_with("...") ? message.ends_with(expected.substr(3))
                         : expected.ends_with("...")
                             ? message.starts_with(expected.substr(0, expected.size() - 3))
                             : message == expected;
    return matches ? std::string() : "told " + message;
}

GameState heroAt(const std::string& location, const std::string& quadrant,
                 const std::string& position, Integer storyStage) {
    GameState game = newHero("Ann");
    putHeroAt(game, {location, quadrant, position});
    game.StoryStage = storyStage;
    return game;
}

std::vector<std::string> stepsOf(const std::string& line) {
    std::vector<std::string> steps;
    for (std::size_t at = 0;;) {
        const std::size_t end = line.find(" | ", at);
        steps.push_back(line.substr(at, end - at));
        if (end == std::string::npos)
            return steps;
        at = end + 3;
    }
}

// Out to the townsman, west to the training center, up to its greeter to train beside him, out
// by the entrance to the cave; west along the straw, round the guard of the bottom left screen,
// up into the top left, east into the leader's hall and up to him. The story moves on at the
// townsman, the greeter and the leader.
const std::vector<std::string>& winningRoute() {
    static const std::vector<std::string> steps = stepsOf(
        "title | TitleScreen.Command1 | NameEntry.Command30 | NameEntry.Command2 | "
        "NameEntry.Command40 | NameEntry.Command15 | NameEntry.Command15 | NameEntry.Command1 | "
        "StoryScreen.Command1 | told: ...Good Luck, Ann | walk DDDD L | MoveScreen.Command8 | "
        "game.StoryStage: 2 | walk LL L | TravelWindow.TrainingCenter | game.Position: x10y1 | "
        "walk UUUU | MoveScreen.Command8 | game.StoryStage: 3 | train | game.YourAT: 19 | "
        "game.HasStrike: -1 | walk DDDD D | TravelWindow.BanditsCave | walk UUUUU LLLLLLL L | "
        "game.Quadrant: Q3 | walk L DDDD LL UUUUUU LLLLL UU U | game.Quadrant: Q1 | "
        "walk U RR UU R UUUU RRR DDD RR R | game.Quadrant: Q2 | walk RRRR | "
        "game.Position: x6y5 | MoveScreen.Command8 | game.StoryStage: 4 | fight | "
        "shown ClosingWindow | gone MoveScreen | gone BattleScreen | ClosingWindow.Command1 | "
        "shown TitleScreen");
    return steps;
}
