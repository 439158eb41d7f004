#include "windows/NoticeWindow.h"

NoticeWindow::NoticeWindow(std::string name, const WindowContext& context, std::string heading,
                           std::string text)
    : GameWindow(std::move(name), context, gameCaption(), {0, 0, 6000, 3600}, Frame::Fixed) {
    Control& title = addLabel("Label1", std::move(heading), {240, 240, 5520, 600});
    title.font = {FontFamily::Sans, 16, true};
    title.alignment = Alignment::Centre;
    addLabel("Label2", std::move(text), {360, 960, 5280, 1800}).font.points = 10;
    Control& back = addButton("Command1", "Back to Title", {2160, 3000, 1680, 375});
    back.isDefault = true;
    onClick(back, [this] { announce(Happening::BackToTitle); });
}

ClosingWindow::ClosingWindow(const WindowContext& context)
    : NoticeWindow(Name, context, "Congratulations!",
                   "The Leader of the Bandits has fallen, and the people of Farmin can sleep in "
                   "peace again. Your name will be told in every inn of the land.\n\nThank you "
                   "for playing Quillmar.") {}

ContactWindow::ContactWindow(const WindowContext& context)
    : NoticeWindow(Name, context, "Lantern Oak Studio",
                   "Quillmar is made by Lantern Oak Studio, a small team of friends who love "
                   "old-fashioned role-playing games.\n\nFound a bug, stuck in the bandits' cave, "
                   "or have an idea for the game? Write to us through the project's issue "
                   "tracker: we read every report.") {}
