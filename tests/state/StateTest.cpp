#include "state/RulesTesting.h"
#include "state/SaveRecord.h"

#include <gtest/gtest.h>

namespace {

// A new hero's record without its line end, and the same with its first `from` made `to`.
const std::string annLine =
    "1,\"Ann\",1,0,20,20,10,7,8,6,20,20,10,7,8,6,100,2,0,1,0,0,0,0,0,0,0,#FALSE#,#FALSE#,#FALSE#,"
    "#FALSE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,\"Farmin\",\"x3y4\",\"Q1\",5";
std::string annWith(std::string_view from, std::string_view to) {
    std::string line = annLine;
    return line.replace(line.find(from), from.size(), to);
}

// A record with every field unlike a new hero's, and a game in the middle of a battle.
const std::string oddLine =
    "50,\" Sir Ann, the 2nd! #1 (of, many) \",3,4,-32768,6,7,8,9,10,11,12,13,14,15,16,32767,18,19,"
    "20,21,22,23,24,25,26,-5,#TRUE#,#FALSE#,#FALSE#,#TRUE#,#TRUE#,#FALSE#,#TRUE#,#FALSE#,#FALSE#,"
    "#TRUE#,\"Nowhere\",\"x0y11\",\"\",-1\r\n";
GameState playing() {
    GameState game = newHero("Bob");
    game.EnemyName = "Bat";
    game.BattleAT = 12;
    game.CellOpen(2, 3) = True;
    game.ExitLeft(4) = True;
    return game;
}

} // namespace

// A new game saves as the new hero's line whatever came before, and tells its own words.
TEST(NewGame, writesTheNewHerosLineWhateverCameBeforeAndTellsItsOwnWords) {
    const GameState before = readSaveRecord(oddLine, playing()).game;
    GameState game = before;
    writeStartingFigures(game);
    writeStartingPlace(game);
    EXPECT_EQ(formatSaveRecord(game), annWith("Ann", before.YourName) + "\r\n");
    EXPECT_EQ(readSaveRecord(oddLine, game).game, before); // nothing unsaved has changed
    // The stories and the king keep their own spelling and blanks; the king ends with the name.
    EXPECT_NE(openingStory().find("the Evilons ever return you  must defeat"), std::string::npos);
    EXPECT_TRUE(closingStory().ends_with("enemys in the world are gone.Thus, End Quillmar"));
    EXPECT_EQ(kingsMessage("Ann"), "So you want permisson to go and get rid of the bandits that "
                                   "destroyed your house? Well, yes, you can go and destroy "
                                   "them. Here is [100] gold. Good Luck, Ann");
}

// Every saved field goes to its own place and back, whatever the line end; unsaved fields stay.
TEST(SaveRecord, everySavedFieldRoundTripsAndUnsavedFieldsAreKept) {
    GameState expected = playing();
    Integer value = 3;
    for (Integer* field :
         {&expected.YourLevel, &expected.YourEX,    &expected.YourHP,    &expected.YourTP,
          &expected.YourAT,    &expected.YourDE,    &expected.YourSE,    &expected.YourSP,
          &expected.YourMaxHP, &expected.YourMaxTP, &expected.YourMaxAT, &expected.YourMaxDE,
          &expected.YourMaxSE, &expected.YourMaxSP, &expected.YourGold,  &expected.NumBread,
          &expected.NumLBread, &expected.NumFruit,  &expected.NumLFruit, &expected.NumChocolate,
          &expected.NumMace,   &expected.NumHelmet, &expected.NumShoes,  &expected.NumBoomerang,
          &expected.NumBomb})
        *field = value++;
    for (Flag* flag : {&expected.HasSlash, &expected.HasDSlash, &expected.HasDStrike,
                       &expected.HasColdSword, &expected.HasNuke})
        *flag = True;
    expected.StoryStage = 50;
    expected.YourName = " Sir Ann, the 2nd! #1 (of, many) ";
    expected.YourHP = -32768;
    expected.YourGold = 32767;
    expected.NumBomb = -5;
    expected.Location = "Nowhere";
    expected.Position = "x0y11";
    expected.Quadrant = "";
    expected.StepsToFight = -1;
    EXPECT_EQ(formatSaveRecord(expected), oddLine);
    EXPECT_TRUE(readSaveRecord(oddLine, playing()).ok);
    EXPECT_EQ(readSaveRecord(oddLine, playing()).game, expected);
    for (const char* end : {"\n", ""}) // or LF alone, or none; leading zeros are harmless too
        EXPECT_EQ(readSaveRecord(annLine + end, playing()).game.YourName, "Ann");
    EXPECT_EQ(readSaveRecord(annWith(",100,", ",-0012,"), {}).game.YourGold, -12);
}

// Nothing is taken from a file that does not read whole, and the problem names the field.
TEST(SaveRecord, refusesAnyMalformedFileAndLeavesTheGameAlone) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "the file is empty"},
        {annLine.substr(0, annLine.rfind(',')), "the file has 40 fields, not 41"},
        {annLine + ",\"5", "field 42 is missing its closing quote"},
        {annWith(",100,", ",100 ,"), "field 17 (YourGold) is not a whole number"},
        {annWith(",100,", ",+100,"), "field 17 (YourGold) is not a whole number"},
        {annWith(",100,", ",32768,"), "field 17 (YourGold) is outside the range -32768 to 32767"},
        {annWith(",100,", ",99999999999999999999,"), "field 17 (YourGold) is outside the range"},
        {annWith("\"Q1\"", "\"Q1"), "field 40 (Quadrant) is missing its closing quote"},
        {annWith("\"Ann\"", "\"Ann"), "field 2 (YourName) has more text after its closing quote"},
        {annWith("\"Farmin\"", "Farmin"), "field 38 (Location) is not between double quotes"},
        {annWith("\"Farmin\"", "F\"armin\""), "field 38 (Location) is not between double quotes"},
        {annWith("#FALSE#", "#False#"), "field 28 (HasSlash) is neither #TRUE# nor #FALSE#"},
        {annWith("#FALSE#,\"", "-1,\""), "field 37 (HasNuke) is neither #TRUE# nor #FALSE#"},
        {annLine + "\n" + annLine, "the file has more than one line"},
        {annLine + "\r", "the file has a carriage return without a line feed"},
        {annWith("Ann", std::string("A\0nn", 4)), "the file holds a NUL byte"},
        {"\xff\xfe\x01\x02", "the file has 1 field, not 41"},
    };
    for (const auto& [text, problem] : cases) {
        const SaveRecordRead read = readSaveRecord(text, playing());
        EXPECT_FALSE(read.ok) << text;
        EXPECT_EQ(read.game, playing()) << text;
        EXPECT_NE(read.problem.find(problem), std::string::npos) << read.problem;
    }
}
