#include "state/NewGame.h"

#include "state/Words.h"

std::string openingStory() {
    return joined({"A 100 years ago, ", "a man and his 3 friends ", "defeated the Evilons. ",
                   "the man's name was Goodman. ", "You are his descendant. ",
                   "which is why should they, ", "the Evilons ever return you  ",
                   "must defeat them again, at ", "all costs. And now they have ",
                   "come back. They took the ", "king and now rule the ", "world. They put all of ",
                   "the king's troops in jail. ", "Your house has just been ",
                   "burned to the ground by the ", "bandits that live to the ",
                   "south of your town. And So ", "It Begins..."});
}

std::string closingStory() {
    return joined({"After the Leader of Evilons falls, ", "you return home to 'Farmin'. ",
                   "You find that your house has been rebuilt. ",
                   "And that all the enemys in the world are gone.", "Thus, End Quillmar"});
}

std::string kingsMessage(const std::string& heroName) {
    return joined({"So you want permisson to go and get rid of ",
                   "the bandits that destroyed your ", "house? Well, yes, you can go and ",
                   "destroy them. Here is [100] gold. ", "Good Luck, ", heroName});
}

void writeStartingFigures(GameState& game) {
    game.YourLevel = 1;
    game.YourGold = 100;
    game.YourHP = game.YourMaxHP = 20;
    game.YourTP = game.YourMaxTP = 20;
    game.YourAT = game.YourMaxAT = 10;
    game.YourDE = game.YourMaxDE = 7;
    game.YourSE = game.YourMaxSE = 8;
    game.YourSP = game.YourMaxSP = 6;
    game.NumBread = 2;
    game.NumFruit = 1;
    for (Integer* none : {&game.NumLBread, &game.NumLFruit, &game.NumChocolate, &game.NumMace,
                          &game.NumHelmet, &game.NumShoes, &game.NumBoomerang, &game.NumBomb})
        *none = 0;
    for (Flag* technique : {&game.HasSlash, &game.HasStrike, &game.HasBandage, &game.HasDSlash,
                            &game.HasDStrike, &game.HasHeatSword, &game.HasColdSword,
                            &game.HasElectricSword, &game.HasLBandage, &game.HasNuke})
        *technique = False;
}

void writeStartingPlace(GameState& game) {
    putHeroAt(game, StartingPlace);
    game.StoryStage = 1;
    game.StepsToFight = StepsBetweenFights;
    game.YourEX = 0;
}
