#include "windows/MenuPage.h"

void MenuPage::addPageButtons(const char* pageName, const char* pageCaption, const char* quitName,
                              int top, Happening pageChosen) {
    const Control& page = addButton(pageName, pageCaption, {240, top, 1095, 375});
    Control& quit = addButton(quitName, "Quit", {1680, top, 1095, 375});
    bindKeys(quit, {"Esc"}, "Escape");
    onClick(page, [this, pageChosen] { announce(pageChosen); });
    onClick(quit, [this] { announce(Happening::MenuLeft); });
}
