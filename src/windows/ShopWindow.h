#pragma once

#include "windows/GameWindow.h"

// The town's item shop: one piece per click, for gold.
class ShopWindow : public GameWindow {
public:
    static constexpr const char* Name = "ShopWindow";
    explicit ShopWindow(const WindowContext& context);

    void load() override;
    void closeBox() override { announce(Happening::ShopLeft); }

private:
    void buyOne(int row);
    void showRow(int row);
};
