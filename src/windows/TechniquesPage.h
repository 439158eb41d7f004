#pragma once

#include "windows/MenuPage.h"

// The second menu page: the ten techniques, their costs and which the hero has learned.
class TechniquesPage : public MenuPage {
public:
    static constexpr const char* Name = "TechniquesPage";
    explicit TechniquesPage(const WindowContext& context);

    void load() override;
};
