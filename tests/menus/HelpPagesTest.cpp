#include "menus/HelpPages.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string blanks(std::size_t count) {
    return std::string(count, ' ');
}

} // namespace

// The first page, blank for blank, as the help window opens with it.
TEST(HelpPages, firstPageIsTheControlsTextWithItsBlanks) {
    const std::string expected =
        blanks(10) + "Starting a Game and the Controls" + blanks(23) + blanks(18) +
        "To begin a new game press the new game button. Then using the buttons on the screen "
        "type in your name. Use the arrow buttons on the screen to move. Use the Talk button to "
        "Talk to the people that you see. The menu button takes you to the menu system. In the "
        "menu system, you can see your status, see how many items you have, use items, and see "
        "what techniques, you have.";
    EXPECT_EQ(helpPageText(1), expected);
}

// Each page opens with its heading placed by blanks and keeps its own joins and spelling.
TEST(HelpPages, everyPageOpensWithItsHeadingAndKeepsItsOwnWords) {
    EXPECT_TRUE(helpPageText(2).starts_with(blanks(12) + "Loading a Saved Game and Saving a Game" +
                                            blanks(5 + 12) + "Press "));
    EXPECT_TRUE(helpPageText(3).starts_with(blanks(33) + "The Story" + blanks(28 + 34) +
                                            "A 100 years ago,"));
    EXPECT_TRUE(
        helpPageText(4).starts_with(blanks(24) + "Combat" + blanks(36 + 38) + "Combat happens"));
    EXPECT_TRUE(helpPageText(2).ends_with("the left, 'File Name'. Your game will save."));
    EXPECT_TRUE(helpPageText(3).ends_with("south of your town. And So It Begins..."));
    EXPECT_TRUE(helpPageText(4).ends_with("then you go back to the move screen, to continue."));
    EXPECT_NE(helpPageText(3).find("the Evilons ever return you  must defeat"), std::string::npos);
    EXPECT_NE(helpPageText(4).find("or you can press Techniques, then the name"),
              std::string::npos);
    EXPECT_NE(helpPageText(4).find("when you are exporing some towns"), std::string::npos);
}
