#include "help/HelpPages.h"
#include "items/Catalogue.h"
#include "items/Food.h"
#include "items/Shop.h"
#include "state/RulesTesting.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <tuple>

namespace {

// How messages name an item: "Large Bread" is "large bread".
std::string lowerCase(std::string_view name) {
    std::string lower(name);
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower;
}

} // namespace

// A row sells one at exactly its price up to 9999; refusals tell gold first, then the full count.
TEST(Shop, everyRowSellsAtItsPriceUpToTheLimit) {
    const std::string noGold = "YOU DO NOT HAVE THAT MUCH GOLD!";
    const Integer prices[] = {10, 20, 20, 40, 500, 500, 500, 500, 500, 1000};
    for (int row = 1; row <= 10; ++row) {
        const Integer price = prices[row - 1];
        const auto full = "You can not have more then 9999 " + lowerCase(item(row).name) + '.';
        // Gold, count held (an odd one from a save file too), messages, and whether one is bought.
        const std::tuple<Integer, Integer, std::vector<std::string>, Integer> tries[] = {
            {Integer(price - 1), 0, {noGold}, 0},
            {0, 9999, {noGold, full}, 0},
            {32767, 10000, {full}, 0},
            {price, 9998, {}, 1}};
        for (const auto& [gold, held, messages, bought] : tries) {
            GameState game;
            game.YourGold = gold;
            game.*item(row).count = held;
            GameState expected = game;
            expected.YourGold = Integer(gold - bought * price);
            expected.*item(row).count = Integer(held + bought);
            EXPECT_EQ(buy(game, row), messages) << row << " " << held;
            EXPECT_EQ(game, expected) << row << " " << held;
        }
    }
}

// A food raises its figure up to the maximum and uses one; with none, only that maximum holds.
TEST(Food, eachFoodGivesItsGainUpToTheMaximumAndUsesOne) {
    // Row; HP and TP of 20 before; held (0 is told, a saved -1 is not); HP and TP after.
    const std::tuple<int, Integer, Integer, Integer, Integer, Integer> meals[] = {
        {1, 2, 2, 1, 12, 2},     {1, 15, 2, 1, 20, 2},    {2, 2, 2, 1, 20, 2},
        {3, 2, 2, 1, 2, 12},     {4, 5, 5, 1, 5, 20},     {5, 1, 3, 1, 20, 20},
        {1, 25, 25, 0, 20, 25},  {2, 25, 25, -1, 20, 25}, {3, 25, 25, 0, 25, 20},
        {4, 25, 25, -1, 25, 20}, {5, 25, 25, 0, 25, 25},  {6, 25, 25, 1, 25, 25}};
    for (const auto& [row, HP, TP, held, afterHP, afterTP] : meals) {
        GameState game;
        game.YourHP = HP;
        game.YourTP = TP;
        game.YourMaxHP = 20;
        game.YourMaxTP = 20;
        game.*item(row).count = held;
        GameState expected = game;
        expected.YourHP = afterHP;
        expected.YourTP = afterTP;
        expected.*item(row).count = Integer(held > 0 && row <= 5 ? held - 1 : held);
        EXPECT_EQ(lackOfFood(game, row),
                  held == 0 ? "You do not have any " + lowerCase(item(row).name) : "");
        eat(game, row);
        EXPECT_EQ(game, expected) << row << " at " << HP << " " << TP << " " << held;
    }
}

// Each page's heading sits between its runs of blanks, and the body's words join by one blank.
TEST(HelpPages, everyPageOpensWithItsHeadingAndJoinsItsWordsByOneBlank) {
    const std::tuple<std::size_t, std::string, std::size_t, std::string, std::string> pages[] = {
        {10, "Starting a Game and the Controls", 23 + 18, "To begin a new game", "you have."},
        {12, "Loading a Saved Game and Saving a Game", 5 + 12, "Press the", "will save."},
        {33, "The Story", 28 + 34, "A 100 years ago,", "It Begins..."},
        {24, "Combat", 36 + 38, "Combat happens,", "to continue."}};
    for (int page = 1; page <= HelpPageCount; ++page) {
        const auto& [before, heading, after, firstWords, lastWords] = pages[page - 1];
        const std::string text = helpPageText(page);
        const std::string opening = std::string(before, ' ') + heading + std::string(after, ' ');
        ASSERT_TRUE(text.starts_with(opening + firstWords)) << page;
        const std::string body = text.substr(opening.size());
        EXPECT_TRUE(body.ends_with(lastWords)) << page;
        // The story keeps its one double blank; "Techni" and "ques" join as one word.
        EXPECT_EQ(body.find("  "), page == 3 ? body.find("  must") : std::string::npos) << page;
        EXPECT_EQ(body.rfind("  "), body.find("  ")) << page;
    }
    EXPECT_NE(helpPageText(4).find("or you can press Techniques, then"), std::string::npos);
}
