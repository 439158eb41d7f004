#include "items/Shop.h"

#include "items/Catalogue.h"

// A count above 9999 can only come from a save file. It counts as full too: the hero is told
// why nothing is bought, rather than the click silently doing nothing.
std::vector<std::string> buy(GameState& game, int row) {
    const Item& item = ::item(row);
    Integer& count = game.*item.count;
    std::vector<std::string> messages;
    if (game.YourGold < item.cost)
        messages.emplace_back("YOU DO NOT HAVE THAT MUCH GOLD!");
    if (count >= MostOfAnItem)
        messages.push_back("You can not have more then " + std::to_string(MostOfAnItem) + " " +
                           lowerCaseName(item) + ".");
    if (messages.empty()) {
        // Neither can leave the 16-bit range: the count is below 9999 and the gold covers the cost.
        ++count;
        game.YourGold = Integer(game.YourGold - item.cost);
    }
    return messages;
}
