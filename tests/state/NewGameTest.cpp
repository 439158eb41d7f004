#include "state/NewGame.h"

#include <gtest/gtest.h>

namespace {

// A record in which every field holds a value no new game gives it, as after a long game, a
// defeat or an odd save file.
GameState oddRecord() {
    GameState game;
    Integer odd = 31;
    for (Integer* figure :
         {&game.StoryStage,   &game.YourLevel, &game.YourEX,       &game.YourHP,
          &game.YourTP,       &game.YourAT,    &game.YourDE,       &game.YourSE,
          &game.YourSP,       &game.YourMaxHP, &game.YourMaxTP,    &game.YourMaxAT,
          &game.YourMaxDE,    &game.YourMaxSE, &game.YourMaxSP,    &game.YourGold,
          &game.NumBread,     &game.NumLBread, &game.NumFruit,     &game.NumLFruit,
          &game.NumChocolate, &game.NumMace,   &game.NumHelmet,    &game.NumShoes,
          &game.NumBoomerang, &game.NumBomb,   &game.StepsToFight, &game.EnemyHP,
          &game.EnemyAT,      &game.EnemyDE,   &game.EnemySE,      &game.EnemySP,
          &game.BattleAT,     &game.BattleDE,  &game.BattleSE,     &game.BattleSP})
        *figure = odd++;
    for (Flag* technique : {&game.HasSlash, &game.HasStrike, &game.HasBandage, &game.HasDSlash,
                            &game.HasDStrike, &game.HasHeatSword, &game.HasColdSword,
                            &game.HasElectricSword, &game.HasLBandage, &game.HasNuke})
        *technique = True;
    game.YourName = "Ann";
    game.Location = "BanditsCave";
    game.Position = "x9y9";
    game.Quadrant = "Q4";
    game.EnemyName = "Bat";
    game.CellOpen(3, 4) = True;
    game.ExitDown(7) = 5;
    return game;
}

// The fields the second step writes: the place, the story stage, the step count and experience.
void copyPlaceFields(GameState& to, const GameState& from) {
    to.Location = from.Location;
    to.Position = from.Position;
    to.Quadrant = from.Quadrant;
    to.StoryStage = from.StoryStage;
    to.StepsToFight = from.StepsToFight;
    to.YourEX = from.YourEX;
}

GameState newGameFrom(const GameState& earlier) {
    GameState game = earlier;
    writeStartingFigures(game);
    writeStartingPlace(game);
    return game;
}

} // namespace

// A new game, whatever came before, starts at level 1 with the starting figures, two loaves of
// bread and one fruit, no technique, in the town's first screen, five steps from a fight.
TEST(NewGame, everySavedFieldButTheNameGetsItsStartingValue) {
    const GameState before = oddRecord();
    const GameState game = newGameFrom(before);
    EXPECT_EQ(game.YourLevel, 1);
    EXPECT_EQ(game.YourEX, 0);
    EXPECT_EQ(game.YourHP, 20);
    EXPECT_EQ(game.YourMaxHP, 20);
    EXPECT_EQ(game.YourTP, 20);
    EXPECT_EQ(game.YourMaxTP, 20);
    EXPECT_EQ(game.YourAT, 10);
    EXPECT_EQ(game.YourMaxAT, 10);
    EXPECT_EQ(game.YourDE, 7);
    EXPECT_EQ(game.YourMaxDE, 7);
    EXPECT_EQ(game.YourSE, 8);
    EXPECT_EQ(game.YourMaxSE, 8);
    EXPECT_EQ(game.YourSP, 6);
    EXPECT_EQ(game.YourMaxSP, 6);
    EXPECT_EQ(game.YourGold, 100);
    EXPECT_EQ(game.NumBread, 2);
    EXPECT_EQ(game.NumFruit, 1);
    for (const Integer none : {game.NumLBread, game.NumLFruit, game.NumChocolate, game.NumMace,
                               game.NumHelmet, game.NumShoes, game.NumBoomerang, game.NumBomb})
        EXPECT_EQ(none, 0);
    for (const Flag technique : {game.HasSlash, game.HasStrike, game.HasBandage, game.HasDSlash,
                                 game.HasDStrike, game.HasHeatSword, game.HasColdSword,
                                 game.HasElectricSword, game.HasLBandage, game.HasNuke})
        EXPECT_EQ(technique, False);
    EXPECT_EQ(game.StoryStage, 1);
    EXPECT_EQ(game.Location, "Farmin");
    EXPECT_EQ(game.Quadrant, "Q1");
    EXPECT_EQ(game.Position, "x3y4");
    EXPECT_EQ(game.StepsToFight, 5);
    // The name typed before, the last battle and the map on display are not the new game's.
    EXPECT_EQ(game.YourName, "Ann");
    EXPECT_EQ(game.EnemyName, before.EnemyName);
    EXPECT_EQ(game.EnemyHP, before.EnemyHP);
    EXPECT_EQ(game.BattleSP, before.BattleSP);
    EXPECT_EQ(game.CellOpen, before.CellOpen);
    EXPECT_EQ(game.ExitDown, before.ExitDown);
}

// The king's message stands between the two steps: the first writes the figures and leaves
// place, story, step count and experience alone; the second writes only those.
TEST(NewGame, eachStepWritesExactlyItsOwnFields) {
    const GameState before = oddRecord();
    const GameState newGame = newGameFrom(before);

    GameState figuresOnly = before;
    writeStartingFigures(figuresOnly);
    GameState expected = newGame;
    copyPlaceFields(expected, before);
    EXPECT_EQ(figuresOnly, expected);

    GameState placeOnly = before;
    writeStartingPlace(placeOnly);
    expected = before;
    copyPlaceFields(expected, newGame);
    EXPECT_EQ(placeOnly, expected);
}

// An empty name is a name like any other; nothing fills it in.
TEST(NewGame, theNameIsKeptEvenWhenEmpty) {
    GameState game = oddRecord();
    game.YourName = "";
    EXPECT_EQ(newGameFrom(game).YourName, "");
}

// The stories are told exactly as written, with their own spelling and blanks.
TEST(NewGame, theStoriesKeepTheirOwnWordsAndBlanks) {
    const std::string opening = openingStory();
    EXPECT_TRUE(opening.starts_with("A 100 years ago, a man and his 3 friends defeated"));
    EXPECT_NE(opening.find("the Evilons ever return you  must defeat them again"),
              std::string::npos);
    EXPECT_TRUE(opening.ends_with("south of your town. And So It Begins..."));
    EXPECT_EQ(closingStory(), "After the Leader of Evilons falls, you return home to 'Farmin'. "
                              "You find that your house has been rebuilt. And that all the "
                              "enemys in the world are gone.Thus, End Quillmar");
}

// The king ends his permission with the hero's name, or with nothing after "Good Luck, ".
TEST(NewGame, theKingsMessageEndsWithTheHerosName) {
    const std::string message = "So you want permisson to go and get rid of the bandits that "
                                "destroyed your house? Well, yes, you can go and destroy them. "
                                "Here is [100] gold. Good Luck, ";
    EXPECT_EQ(kingsMessage("Ann"), message + "Ann");
    EXPECT_EQ(kingsMessage(""), message);
}
