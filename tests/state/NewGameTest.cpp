#include "state/NewGame.h"

#include "state/SaveRecord.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// A record in which every field holds a value no new game gives it, as after a long game, a
// defeat or an odd save file: 9 in every saved number, every technique learned.
GameState oddRecord() {
    std::string line = "9,\"Ann\"";
    for (int field = 3; field <= 27; ++field)
        line += ",9";
    for (int field = 28; field <= 37; ++field)
        line += ",#TRUE#";
    GameState game = readSaveRecord(line + ",\"BanditsCave\",\"x9y9\",\"Q4\",9", {}).game;
    game.EnemyName = "Bat", game.EnemyHP = 3, game.BattleSP = 4;
    game.CellOpen(3, 4) = True, game.ExitDown(7) = True;
    return game;
}

} // namespace

// A new game, whatever came before, saves as the new hero's line; name, battle and map stay.
TEST(NewGame, everySavedFieldButTheNameGetsItsStartingValue) {
    const GameState before = oddRecord();
    GameState game = before;
    writeStartingFigures(game);
    writeStartingPlace(game);
    EXPECT_EQ(formatSaveRecord(game),
              "1,\"Ann\",1,0,20,20,10,7,8,6,20,20,10,7,8,6,100,2,0,1,0,0,0,0,0,0,0,#FALSE#,"
              "#FALSE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,"
              "\"Farmin\",\"x3y4\",\"Q1\",5\r\n");
    EXPECT_EQ(game.EnemyName, before.EnemyName);
    EXPECT_EQ(game.BattleSP, before.BattleSP);
    EXPECT_EQ(game.CellOpen, before.CellOpen);
    EXPECT_EQ(game.ExitDown, before.ExitDown);
}

// The stories and the king keep their own spelling and blanks; the king ends with the name.
TEST(NewGame, theStoriesAndTheKingKeepTheirOwnWords) {
    const std::string opening = openingStory();
    EXPECT_TRUE(opening.starts_with("A 100 years ago, a man and his 3 friends defeated"));
    EXPECT_NE(opening.find("the Evilons ever return you  must defeat them again"),
              std::string::npos);
    EXPECT_TRUE(opening.ends_with("south of your town. And So It Begins..."));
    EXPECT_EQ(closingStory(), "After the Leader of Evilons falls, you return home to 'Farmin'. "
                              "You find that your house has been rebuilt. And that all the "
                              "enemys in the world are gone.Thus, End Quillmar");
    const std::string king = "So you want permisson to go and get rid of the bandits that "
                             "destroyed your house? Well, yes, you can go and destroy them. "
                             "Here is [100] gold. Good Luck, ";
    EXPECT_EQ(kingsMessage("Ann"), king + "Ann");
    EXPECT_EQ(kingsMessage(""), king);
}
