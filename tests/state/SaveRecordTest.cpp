#include "state/SaveRecord.h"

#include "state/NewGame.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

// A new hero called Ann, and her record without its line end (its exact bytes are checked
// with the new game's starting values).
GameState ann() {
    GameState game;
    game.YourName = "Ann";
    writeStartingFigures(game);
    writeStartingPlace(game);
    return game;
}
const std::string annLine = [] {
    std::string line = formatSaveRecord(ann());
    line.resize(line.size() - 2);
    return line;
}();

// Ann's line with field 1..41 replaced by `value` (her fields hold no commas).
std::string annWith(int field, const std::string& value) {
    std::vector<std::string> fields;
    std::stringstream line(annLine);
    for (std::string piece; std::getline(line, piece, ',');)
        fields.push_back(piece);
    fields.at(std::size_t(field - 1)) = value;
    std::string joined;
    for (const std::string& piece : fields)
        joined += (joined.empty() ? "" : ",") + piece;
    return joined;
}

// A game in the middle of a battle, with unsaved fields that a load must keep.
GameState playing() {
    GameState game = ann();
    game.YourName = "Bob", game.YourGold = 55;
    game.EnemyName = "Bat", game.EnemyHP = 3, game.BattleAT = 12;
    game.CellOpen(2, 3) = True, game.ExitLeft(4) = True;
    return game;
}

} // namespace

// Every saved field goes to its own place and comes back unchanged; unsaved fields are kept.
TEST(SaveRecord, everySavedFieldRoundTripsAndUnsavedFieldsAreKept) {
    const GameState current = playing();
    GameState expected = current;
    expected.StoryStage = 50, expected.YourName = " Sir Ann, the 2nd! #1 (of, many) ";
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
    expected.YourHP = -32768, expected.YourGold = 32767, expected.NumBomb = -5;
    expected.HasSlash = expected.HasNuke = True;
    expected.Location = "Nowhere", expected.Position = "x0y11", expected.Quadrant = "";
    expected.StepsToFight = -1;
    const std::string line =
        "50,\" Sir Ann, the 2nd! #1 (of, many) \",3,4,-32768,6,7,8,9,10,11,12,13,14,15,16,32767,"
        "18,19,20,21,22,23,24,25,26,-5,#TRUE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,"
        "#FALSE#,#FALSE#,#TRUE#,\"Nowhere\",\"x0y11\",\"\",-1\r\n";
    EXPECT_EQ(formatSaveRecord(expected), line);
    const SaveRecordRead read = readSaveRecord(line, current);
    EXPECT_TRUE(read.ok) << read.problem;
    EXPECT_EQ(read.game, expected);
}

// Each flag has its own place: a true in field 28 + n sets the n-th technique only.
TEST(SaveRecord, eachFlagIsReadIntoItsOwnTechnique) {
    Flag GameState::*const techniques[] = {&GameState::HasSlash,     &GameState::HasStrike,
                                           &GameState::HasBandage,   &GameState::HasDSlash,
                                           &GameState::HasDStrike,   &GameState::HasHeatSword,
                                           &GameState::HasColdSword, &GameState::HasElectricSword,
                                           &GameState::HasLBandage,  &GameState::HasNuke};
    for (int n = 0; n < 10; ++n) {
        GameState expected = ann();
        expected.*techniques[n] = True;
        EXPECT_EQ(readSaveRecord(annWith(28 + n, "#TRUE#"), GameState{}).game, expected) << n;
    }
}

// The line may end in CR LF, in LF alone, or not at all; leading zeros are harmless.
TEST(SaveRecord, acceptsEveryUsualLineEndAndLeadingZeros) {
    for (const std::string& end : {"\r\n"s, "\n"s, ""s}) {
        const SaveRecordRead read = readSaveRecord(annLine + end, playing());
        EXPECT_TRUE(read.ok) << read.problem;
        EXPECT_EQ(read.game.YourName, "Ann");
        EXPECT_EQ(read.game.EnemyName, "Bat");
    }
    const std::pair<std::string, int> numbers[] = {{"007", 7}, {"-00012", -12}, {"-32768", -32768}};
    for (const auto& [text, gold] : numbers)
        EXPECT_EQ(readSaveRecord(annWith(17, text), GameState{}).game.YourGold, gold) << text;
}

// Nothing is taken from a file that does not read whole, and the problem names the field.
TEST(SaveRecord, refusesAnyMalformedFileAndLeavesTheGameAlone) {
    const GameState current = playing();
    const struct {
        std::string text;
        std::string problem;
    } cases[] = {
        {"", "the file is empty"},
        {annLine.substr(0, annLine.rfind(',')), "the file has 40 fields, not 41"},
        {annLine + ",5", "the file has 42 fields, not 41"},
        {annWith(5, "twenty"), "field 5 (YourHP) is not a whole number"},
        {annWith(5, "20 "), "field 5 (YourHP) is not a whole number"},
        {annWith(5, "\"20\""), "field 5 (YourHP) is not a whole number"},
        {annWith(17, "40000"), "field 17 (YourGold) is outside the range -32768 to 32767"},
        {annWith(17, "99999999999999999999"), "field 17 (YourGold) is outside the range"},
        {annWith(40, "\"Q1"), "field 40 (Quadrant) is missing its closing quote"},
        {annWith(2, "\"Ann\"x"), "field 2 (YourName) has more text after its closing quote"},
        {annWith(38, "Farmin"), "field 38 (Location) is not between double quotes"},
        {annWith(28, "#True#"), "field 28 (HasSlash) is neither #TRUE# nor #FALSE#"},
        {annWith(37, "-1"), "field 37 (HasNuke) is neither #TRUE# nor #FALSE#"},
        {annLine + "\r\n" + annLine + "\r\n", "the file has more than one line"},
        {annLine + "\r", "the file has a carriage return without a line feed"},
        {annWith(2, "\"A\0nn\""s), "NUL byte"},
        {"\x89PNG\r\n\x1a\n\0\0\0\rIHDR"s, "NUL byte"},
        {"\xff\xfe\x01\x02\x03", "the file has 1 field, not 41"},
    };
    for (const auto& bad : cases) {
        const SaveRecordRead read = readSaveRecord(bad.text, current);
        EXPECT_FALSE(read.ok) << bad.text;
        EXPECT_EQ(read.game, current) << bad.text;
        EXPECT_NE(read.problem.find(bad.problem), std::string::npos)
            << bad.text << " gave: " << read.problem;
    }
}
