#pragma once

#include "windows/MenuPage.h"

// The first menu page: the hero's figures, the items held, and food to eat outside battle.
class StatusPage : public MenuPage {
public:
    static constexpr const char* Name = "StatusPage";
    explicit StatusPage(const WindowContext& context);

    void load() override;

private:
    void buildFigures();
    void buildItemTable();
    void eat(int row);
};
