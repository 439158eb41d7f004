#include "forms/MenuPage.h"

#include "forms/Form2.h"
#include "toolkit/FormRegistry.h"

MenuPage::MenuPage(int clientWidthTwips, int clientHeightTwips)
    : GameForm(GameCaption, clientWidthTwips, clientHeightTwips, Frame::Fixed) {}

void MenuPage::leaveMenu() {
    Form2::returnFromMenu();
    FormRegistry::unload(objectName());
}
