#include "windows/StoryScreen.h"

#include "state/NewGame.h"

StoryScreen::StoryScreen(const WindowContext& context)
    : GameWindow(Name, context, gameCaption(), {0, 0, 4500, 3345}, Frame::Fixed) {
    story_ = &addLabel("Label", " ", {120, 120, 4215, 2295});
    story_->description = "Story";
    Control& ok = addButton("Command1", "OK", {1440, 2760, 1455, 375});
    ok.isDefault = true;
    onClick(ok, [this] { announce(Happening::StoryRead); });
}

// The story follows the blank the label is laid out with.
void StoryScreen::load() {
    setCaption(*story_, story_->caption + openingStory());
    if (game().StoryStage == ClosingStoryStage)
        setCaption(*story_, closingStory());
}
