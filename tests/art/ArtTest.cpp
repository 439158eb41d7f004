// The art reader, without Qt: the game's own art, and the reader's rules on a text of its own.
#include "art/ArtBook.h"

#include <gtest/gtest.h>
#include <map>

using Strings = std::vector<std::string>;

// Every picture of the game reads without a slip, at its kind's size; the rest are 64 x 64 tiles.
TEST(ArtTest, everyPictureOfTheGameReads) {
    const std::map<std::string, int> widths{
        {"graYou", 24}, {"CanGo", 8}, {"CanNotGo", 8}, {"GameIcon", 32}, {"MakerLogo", 96}};
    Strings said;
    ArtBook book(gameArt(), [&said](const std::string& warning) { said.push_back(warning); });
    for (const std::string& name : book.names()) {
        const ArtPicture* picture = book.picture(name);
        ASSERT_NE(picture, nullptr) << name;
        const int width = widths.contains(name) ? widths.at(name) : 64;
        const int height = name == "MakerLogo" ? 66 : width;
        EXPECT_EQ(std::pair(picture->width, picture->height), std::pair(width, height)) << name;
        EXPECT_EQ(picture->pixels.size(), std::size_t(width * height)) << name;
    }
    EXPECT_EQ(said, Strings());
}

// Lines 1-7: two legends, the second with green turned blue; 8: a floor drawn x2; 12: a rug on
// it; 16: the floor in blue; 17: a short row; 21: "_" on nothing; 24: one on itself; 29: no name.
const char* const rules =
    "palette warm\nr #ff0000\ng #00ff00\nend\npalette cold from warm\ng #0000ff\nend\n"
    "picture floor warm x2\ngr\nrg\nend\npicture rug cold x2 on floor\n_g\nr_\nend\n"
    "picture dim cold x2 as floor\npicture cut warm x1\nrg\nr\nend\npicture bare warm x1\n_\nend\n"
    "picture loop warm x1 on loop\nr\nend\n\n# nameless\npicture\nend\n";

TEST(ArtTest, theReaderKeepsItsRules) {
    Strings said; // where each warning was, "FILE:LINE:"
    ArtBook book({{"rules.txt", rules}}, [&said](const std::string& warning) {
        said.push_back(warning.substr(0, warning.find(' ')));
    });
    EXPECT_EQ(book.names(), (Strings{"floor", "rug", "dim", "cut", "bare", "loop"}));
    EXPECT_EQ(said, Strings{"rules.txt:29:"}); // the nameless one; none drawn yet
    const auto pixel = [&book](std::string_view name, std::size_t x, std::size_t y) {
        return book.picture(name) ? book.picture(name)->pixels.at(4 * y + x) : 0u;
    };
    EXPECT_EQ(pixel("rug", 0, 0), 0xff00ff00); // the floor through "_"
    EXPECT_EQ(pixel("rug", 2, 1), 0xff0000ff); // green turned blue
    EXPECT_EQ(pixel("rug", 1, 3), 0xffff0000); // red kept from the first legend
    EXPECT_EQ(pixel("dim", 1, 1), 0xff0000ff); // the floor's rows, drawn x2
    for (const char* unreadable : {"cut", "bare", "loop"})
        EXPECT_EQ(book.picture(unreadable), nullptr) << unreadable;
    EXPECT_EQ(said, (Strings{"rules.txt:29:", "rules.txt:17:", "rules.txt:21:", "rules.txt:24:"}));
}
