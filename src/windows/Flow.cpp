#include "windows/Flow.h"

#include "state/NewGame.h"
#include "windows/AboutBox.h"
#include "windows/BattleScreen.h"
#include "windows/HelpWindow.h"
#include "windows/MoveScreen.h"
#include "windows/NameEntry.h"
#include "windows/NoticeWindow.h"
#include "windows/ShopWindow.h"
#include "windows/StatusPage.h"
#include "windows/StoryScreen.h"
#include "windows/TechniquesPage.h"
#include "windows/TitleScreen.h"
#include "windows/TravelWindow.h"

#include <algorithm>

// One action of the player, from the moment a view passes it on until it is done. Windows
// unloaded by the action before are let go as the next one begins: by then no handler of theirs
// can still be running.
class Flow::Action {
public:
    explicit Action(Flow& flow) : flow_(flow) {
        if (flow_.depth_++ == 0)
            flow_.unloaded_.clear();
    }
    ~Action() { --flow_.depth_; }
    Action(const Action&) = delete;
    Action& operator=(const Action&) = delete;

private:
    Flow& flow_;
};

Flow::Flow(Platform& platform, WindowView* view)
    : platform_(platform), view_(view), context_{game_, platform_, *this} {}

Flow::~Flow() = default;

void Flow::start() {
    const Action action(*this);
    show<TitleScreen>();
}

void Flow::openSavedGame(const std::string& path) {
    const Action action(*this);
    load<TitleScreen>().loadGame(path);
}

void Flow::click(std::string_view window, std::string_view control) {
    const Action action(*this);
    if (Window* found = loaded(window))
        found->click(control);
}

bool Flow::press(std::string_view window, const KeyPress& key) {
    const Action action(*this);
    Window* found = loaded(window);
    return found && found->press(key);
}

void Flow::closeBox(std::string_view window) {
    const Action action(*this);
    if (Window* found = loaded(window))
        found->closeBox();
}

void Flow::focusOn(std::string_view window, std::string_view control) {
    const Action action(*this);
    if (Window* found = loaded(window))
        found->focusOn(control);
}

const Window* Flow::find(std::string_view name) const {
    return loaded(name);
}

std::vector<const Window*> Flow::windows() const {
    std::vector<const Window*> all;
    for (const auto& window : windows_)
        all.push_back(window.get());
    return all;
}

void Flow::openMoveScreen() {
    const Action action(*this);
    show<MoveScreen>();
}

// An enemy that is not in the roster ends the program while the battle loads.
void Flow::openBattle() {
    const Action action(*this);
    load<BattleScreen>();
    if (ending_)
        return;
    show<BattleScreen>();
    hide(MoveScreen::Name);
}

void Flow::happened(const Window& from, Happening what) {
    switch (what) {
    case Happening::NewGameChosen:
        return replace<NameEntry>(from);
    case Happening::HelpChosen:
        return replace<HelpWindow>(from);
    case Happening::ContactChosen:
        return replace<ContactWindow>(from);
    case Happening::AboutChosen:
        show<AboutBox>();
        return;
    case Happening::QuitChosen:
        return endProgram();
    case Happening::AboutClosed:
        return unload(from.name());
    case Happening::NameChosen:
        return replace<StoryScreen>(from);
    case Happening::NameEntryClosed:
    case Happening::MoveScreenLeft:
    case Happening::BackToTitle:
        return replace<TitleScreen>(from);
    case Happening::StoryRead:
        return storyRead(from);
    case Happening::MenuChosen:
        return cover<StatusPage>(from);
    case Happening::EdgeOfPlaceReached:
        return cover<TravelWindow>(from);
    case Happening::ShopEntered:
        return cover<ShopWindow>(from);
    case Happening::FightStarted:
        return openBattle();
    case Happening::TravelCancelled:
        return backToMoveScreen(from);
    case Happening::BattleWon:
        load<MoveScreen>().showBattleWon();
        return backToMoveScreen(from);
    case Happening::BattleLost:
        load<StoryScreen>().tell("You are dead, you have lost.");
        return replace<StoryScreen>(from);
    case Happening::LeaderBeaten:
        show<ClosingWindow>();
        unload(MoveScreen::Name);
        return unload(from.name());
    case Happening::EnemyUnknown:
        ending_ = true;
        return platform_.showMessage("ERROR! CAN NOT CONTINUE", [this] { endProgram(); });
    case Happening::SecondMenuPageChosen:
        return replace<TechniquesPage>(from);
    case Happening::FirstMenuPageChosen:
        return replace<StatusPage>(from);
    case Happening::MenuLeft:
        load<MoveScreen>().showHealth();
        return backToMoveScreen(from);
    case Happening::MealEaten:
        return load<MoveScreen>().showHealth();
    case Happening::ShopLeft:
        load<MoveScreen>().showGold();
        return backToMoveScreen(from);
    }
}

// At the closing stage the story ends the game. After a defeat the move screen is still loaded,
// hidden; the game is over, so it goes too, and the next game starts on a freshly loaded one.
void Flow::storyRead(const Window& story) {
    if (game_.StoryStage != ClosingStoryStage)
        return startNewGame([this, name = story.name()] { unload(name); });
    show<TitleScreen>();
    unload(MoveScreen::Name);
    unload(story.name());
}

void Flow::backToMoveScreen(const Window& from) {
    show<MoveScreen>();
    unload(from.name());
}

// The record read becomes the game; the title goes once the move screen shows it.
void Flow::gameRead(const GameState& record) {
    game_ = record;
    startLoadedGame();
    unload(TitleScreen::Name);
}

void Flow::placeChosen(Destination destination) {
    load<MoveScreen>().arriveBy(destination);
    show<MoveScreen>();
    unload(TravelWindow::Name);
}

void Flow::startLoadedGame() {
    show<MoveScreen>().showLoadedGame();
}

// The step count starts afresh before the move screen loads: its load places the hero, which
// counts a step, and with the count of the game before that could open that game's next fight.
// After a lost battle the move screen is still loaded, hidden, and comes back without a load.
void Flow::startNewGame(std::function<void()> then) {
    game_.StepsToFight = StepsBetweenFights;
    show<MoveScreen>().beginNewGame(std::move(then));
}

void Flow::endProgram() {
    while (!windows_.empty())
        unload(windows_.back()->name());
    ended_ = true;
    platform_.endProgram();
}

template <class W> W& Flow::load() {
    if (Window* window = loaded(W::Name))
        return static_cast<W&>(*window);
    auto created = std::make_unique<W>(context_);
    W& window = *created;
    windows_.push_back(std::move(created));
    if (view_)
        view_->opened(window);
    window.load();
    return window;
}

template <class W> W& Flow::show() {
    W& window = load<W>();
    window.setShown(true);
    if (view_)
        view_->shown(window);
    return window;
}

template <class W> void Flow::replace(const Window& old) {
    show<W>();
    unload(old.name());
}

template <class W> void Flow::cover(const Window& waiting) {
    show<W>();
    hide(waiting.name());
}

Window* Flow::loaded(std::string_view name) const {
    const auto found = std::find_if(windows_.begin(), windows_.end(),
                                    [&](const auto& window) { return window->name() == name; });
    return found == windows_.end() ? nullptr : found->get();
}

void Flow::hide(std::string_view name) {
    Window* window = loaded(name);
    if (!window)
        return;
    window->setShown(false);
    if (view_)
        view_->hidden(*window);
}

void Flow::unload(std::string_view name) {
    const auto found = std::find_if(windows_.begin(), windows_.end(),
                                    [&](const auto& window) { return window->name() == name; });
    if (found == windows_.end())
        return;
    std::unique_ptr<Window> window = std::move(*found);
    windows_.erase(found);
    window->setShown(false);
    window->setObserver(nullptr);
    if (view_)
        view_->closed(*window);
    unloaded_.push_back(std::move(window));
}
