#include "windows/HelpWindow.h"

#include "help/HelpPages.h"

HelpWindow::HelpWindow(const WindowContext& context)
    : GameWindow(Name, context, gameCaption(), {0, 0, 7380, 4965}, Frame::Sizable) {
    text_ = &addTextBox("Text1", {120, 120, 7095, 3975});
    text_->font.points = 12;
    text_->description = "Help page";
    pageButtons_ = {
        &addButton("Page1", "Starting a Game and the Controls", {120, 4320, 1335, 495}),
        &addButton("Page2", "Loading a Saved Game and Saving a Game", {1560, 4320, 1335, 495}),
        &addButton("Page3", "The Story", {3000, 4320, 1335, 495}),
        &addButton("Page4", "Combat", {4440, 4320, 1335, 495}),
    };
    pageButtons_[0]->font = {FontFamily::Serif, 8.25, false};
    pageButtons_[1]->font = {FontFamily::Serif, 6, false};
    Control& done = addButton("Command5", "Done", {6000, 4320, 1335, 495});
    addLine(0, 4200, 5880, 4200);
    addLine(0, 4200, 0, 4800);
    addLine(5880, 4200, 5880, 4800);
    for (int page = 1; page <= HelpPageCount; ++page)
        onClick(*pageButtons_[std::size_t(page - 1)], [this, page] { showPage(page); });
    bindKeys(done, {"Esc"}, "Escape");
    onClick(done, [this] { announce(Happening::BackToTitle); });
}

void HelpWindow::showPage(int page) {
    for (int each = 1; each <= HelpPageCount; ++each)
        setEnabled(*pageButtons_[std::size_t(each - 1)], each != page);
    setCaption(*text_, helpPageText(page));
}
