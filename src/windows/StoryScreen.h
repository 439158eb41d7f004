#pragma once

#include "windows/GameWindow.h"

// The story screen: the opening story before a new game, the words after a lost battle, or
// the closing story at the story's last stage.
class StoryScreen : public GameWindow {
public:
    static constexpr const char* Name = "StoryScreen";
    explicit StoryScreen(const WindowContext& context);

    void load() override;
    void closeBox() override { announce(Happening::StoryRead); }

    // After a lost battle the screen tells that instead of the story.
    void tell(std::string words) { setCaption(*story_, std::move(words)); }

private:
    Control* story_;
};
