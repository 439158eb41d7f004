#include "web/Describe.h"
#include "web/WebPlatform.h"
#include "web/WebView.h"

#include <emscripten/bind.h>
#include <memory>

namespace {

// The game as the page holds it, for as long as the page lives.
struct Game {
    WebPlatform platform;
    WebView view{"desktop"};
    Flow flow{platform, &view};
};

std::unique_ptr<Game> game;

void clickControl(const std::string& window, const std::string& control) {
    game->flow.click(window, control);
}

void closeWindow(const std::string& window) {
    game->flow.closeBox(window);
}

void focusControl(const std::string& window, const std::string& control) {
    game->view.focusedByPlayer(window, control);
}

bool keyDown(const emscripten::val& event) {
    return game->view.keyDown(event);
}

void dialogAnswered(int dialog, const std::string& name) {
    game->platform.answered(dialog, name);
}

void fileOpened(int dialog, const std::string& name, const emscripten::val& bytes) {
    game->platform.fileOpened(dialog, name, bytes);
}

// The game's own account of its windows and figures, which the browser tests check the page
// against.
emscripten::val describeGame() {
    return describe(game->flow);
}

} // namespace

// What the page's script calls as the player plays.
EMSCRIPTEN_BINDINGS(quillmar) {
    emscripten::function("clickControl", &clickControl);
    emscripten::function("closeWindow", &closeWindow);
    emscripten::function("focusControl", &focusControl);
    emscripten::function("keyDown", &keyDown);
    emscripten::function("dialogAnswered", &dialogAnswered);
    emscripten::function("fileOpened", &fileOpened);
    emscripten::function("describe", &describeGame);
}

// The game outlives main: the page calls into it on every event, and the runtime stays.
int main() {
    game = std::make_unique<Game>();
    game->view.attach(game->flow);
    game->flow.start();
    return 0;
}
