#include "windows/GameWindow.h"

#include "Version.h"

std::string gameCaption() {
    return std::string("Quillmar v") + GameVersion + " - Lantern Oak Studio";
}

GameWindow::GameWindow(std::string name, const WindowContext& context, std::string caption,
                       Twips client, Frame frame)
    : Window(std::move(name), std::move(caption), client, frame), context_(context) {}

void GameWindow::tell(std::vector<std::string> messages, std::function<void()> then) {
    if (messages.empty())
        return then();
    const std::string first = messages.front();
    messages.erase(messages.begin());
    platform().showMessage(
        first, [this, rest = std::move(messages), then = std::move(then)] { tell(rest, then); });
}

void GameWindow::describeHealth() {
    control("yourHP").description = "Hit points";
    control("yourMaxHP").description = "Most hit points";
    control("yourTP").description = "Technique points";
    control("yourMaxTP").description = "Most technique points";
}

void GameWindow::fillHealthLabels() {
    setNumber(control("yourHP"), game().YourHP);
    setNumber(control("yourMaxHP"), game().YourMaxHP);
    setNumber(control("yourTP"), game().YourTP);
    setNumber(control("yourMaxTP"), game().YourMaxTP);
}
