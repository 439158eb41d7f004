#pragma once

#include "windows/GameWindow.h"

#include <memory>
#include <string_view>
#include <vector>

// How a view follows the windows as a whole: each is opened (created with its layout, before its
// load runs), shown, hidden and closed (unloaded) in the game's order. Changes to the controls
// reach the view through the window's observer, which it sets when a window opens.
class WindowView {
public:
    virtual ~WindowView() = default;
    virtual void opened(Window& window) = 0;
    virtual void shown(const Window& window) = 0;
    virtual void hidden(const Window& window) = 0;
    virtual void closed(const Window& window) = 0;
};

// The game's windows and the one game record, and every hand-over between them. A window says
// what happened in it; the flow decides what opens, hides, shows and unloads, in the game's
// order. No window names another.
//
// Each window exists at most once. Loading creates it with its layout and runs its load;
// loading a loaded window does nothing. Showing loads first if needed; showing a hidden window
// does not load it again. Hiding keeps everything; unloading destroys the window, so the next
// use starts afresh. A window that unloads itself lives on until the player's next action, so
// that the handler that unloaded it can finish.
class Flow : private Announcements {
public:
    // Without a view the windows run unseen, as the tests play them.
    Flow(Platform& platform, WindowView* view);
    ~Flow() override;
    Flow(const Flow&) = delete;
    Flow& operator=(const Flow&) = delete;

    // The title screen, as the program starts; then a saved game, if the program was given one.
    void start();
    void openSavedGame(const std::string& path);

    // What a view passes on from the player, to the window of that name; nothing happens when
    // it is not loaded.
    void click(std::string_view window, std::string_view control);
    bool press(std::string_view window, const KeyPress& key);
    void closeBox(std::string_view window);
    void focusOn(std::string_view window, std::string_view control);

    const Window* find(std::string_view name) const;
    // The loaded windows, in the order they were loaded.
    std::vector<const Window*> windows() const;
    GameState& game() { return game_; }
    bool hasEnded() const { return ended_; }

    // Where tests and tools begin play: the move screen as it first opens on the record as it
    // stands, and a battle over it against the enemy EnemyName names.
    void openMoveScreen();
    void openBattle();

private:
    class Action;

    void happened(const Window& from, Happening what) override;
    void gameRead(const GameState& record) override;
    void placeChosen(Destination destination) override;

    void storyRead(const Window& story);
    void backToMoveScreen(const Window& from);
    void startLoadedGame();
    void startNewGame(std::function<void()> then);
    void endProgram();

    template <class W> W& load();
    template <class W> W& show();
    // Shows a window, then unloads the one it replaces.
    template <class W> void replace(const Window& old);
    // Shows a window over the one that waits hidden until it comes back.
    template <class W> void cover(const Window& waiting);
    Window* loaded(std::string_view name) const;
    void hide(std::string_view name);
    void unload(std::string_view name);

    GameState game_;
    Platform& platform_;
    WindowView* view_;
    WindowContext context_;
    std::vector<std::unique_ptr<Window>> windows_;
    std::vector<std::unique_ptr<Window>> unloaded_;
    int depth_ = 0;
    bool ending_ = false;
    bool ended_ = false;
};
