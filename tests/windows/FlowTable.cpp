// What the player sees, and in which order, from window to window: each row is a rule played as
// a scenario (docs/scenarios.md). The rules' own tests test the rules; these catch what only
// windows break: the order of events, the window on show, stale labels kept on purpose, the
// messages, the dialogs, the keys and the close boxes. The window layer plays them alone, and
// the desktop view plays them again through its widgets.
#include "state/NewGame.h"
#include "windows/Scenario.h"

namespace {

// Each rule as a row: what it says, then its steps.
const std::pair<const char*, const char*> rows[] = {
    // The title and a new game.
    {"About twice shows one box over the title; with it open, Help replaces the title",
     "title | TitleScreen.Command3 | same AboutBox | TitleScreen.Command3 | same AboutBox | "
     "shown AboutBox TitleScreen | AboutBox.Command1 | shown TitleScreen | TitleScreen.Command3 | "
     "TitleScreen.Command4 | shown AboutBox HelpWindow"},
    {"help shows one page at a time, its button disabled; Done and Contact Us come back",
     "title | TitleScreen.Command4 | HelpWindow enables Page1 Page2 Page3 Page4: 0111 | "
     "HelpWindow.Page3 | HelpWindow enables Page1 Page2 Page3 Page4: 1101 | HelpWindow.Command5 | "
     "shown TitleScreen | TitleScreen.Command6 | shown ContactWindow | ContactWindow.Command1 | "
     "shown TitleScreen"},
    {"keys type in the current case and the name is kept as shown",
     "title | TitleScreen.Command1 | gone TitleScreen | NameEntry.YouName: Hero | "
     "NameEntry.Command2 | NameEntry.Command40 | NameEntry.Command2: a | "
     "NameEntry.Command40: Upper Case | NameEntry.Command2 | NameEntry.Command28 | "
     "NameEntry.Command39 | NameEntry.Command40 | NameEntry.Command31 | "
     "NameEntry.Command40: Lower Case | NameEntry.Command1 | game.YourName: HeroAa1 # | "
     "shown StoryScreen | StoryScreen.Label: @OPENING@"},
    {"a new game draws its screen, the king speaks over the old figures, then the new ones show; "
     "the readouts stay stale and no leftover fight opens",
     "hero TrainingCenter Q1 x5y5 4 | game.YourGold = 250 | game.StepsToFight = 1 | title | "
     "TitleScreen.Command1 | NameEntry.Command30 | NameEntry.Command1 | "
     "while told: MoveScreen.YourGold: 250 | StoryScreen.Command1 | told: @KING@ | "
     "MoveScreen.YourGold: 100 | MoveScreen.yourHP: 20 | MoveScreen.town: TrainingCenter | "
     "MoveScreen.Label4: x5y5 | shown MoveScreen | MoveScreen.map0304 shows graYou | "
     "MoveScreen.map0505 shows gra001 | game.StoryStage: 1 | game.StepsToFight: 5"},
    {"a game saved at the closing stage ends with the closing story at the next new game",
     "hero Farmin Q1 x3y4 50 | play | save ending.QSV | MoveScreen.Command2 | load ending.QSV | "
     "MoveScreen.Command2 | TitleScreen.Command1 | NameEntry.Command1 | "
     "StoryScreen.Label: @CLOSING@ | StoryScreen.Command1 | shown TitleScreen | gone MoveScreen | "
     "told nothing | game.StoryStage: 50"},
    // Saves and loads.
    {"a saved game loads as it was saved, on its cell with its panel; a cancel saves nothing",
     "hero Farmin Q4 x5y6 3 | game.YourLevel = 3 | game.YourGold = 321 | game.YourHP = 11 | "
     "game.YourName = @LONG@ | play | save ann.QSV | filter: Quillmar Save (*.QSV)|*.QSV | "
     "file ann.QSV: saved | game.YourGold = 7 | save | MoveScreen.Command2 | load ann.QSV | "
     "filter: Quillmar Save (*.QSV)|*.QSV | told nothing | shown MoveScreen | "
     "file ann.QSV: saved | MoveScreen.map0506 shows graYou | MoveScreen.map0504 shows gra001 | "
     "MoveScreen.YourLevel: 3 | MoveScreen.YourGold: 321 | MoveScreen.yourHP: 11 | "
     "MoveScreen.town: Farmin | MoveScreen.Label7: Q4 | MoveScreen.Label4: x5y6 | "
     "MoveScreen.Command7 | StatusPage.lblName: @LONG@"},
    {"a saved game on the command line opens as Load Game would; one that does not read leaves "
     "the title with the message",
     "hero Farmin Q4 x5y6 | game.YourGold = 7 | open absent.QSV | "
     "told: The game could not be loaded: ... | told nothing | shown TitleScreen | "
     "same TitleScreen | load . | told: The game could not be loaded: ... | same TitleScreen | "
     "game.YourGold: 7 | game.Position: x5y6 | "
     "hero Farmin Q4 x5y6 | play | save ann.QSV | MoveScreen.Command2 | game.YourGold = 7 | "
     "open ann.QSV | shown MoveScreen | MoveScreen.Label4: x5y6 | MoveScreen.YourGold: 100"},
    {"a save the file system refuses says so, and the game goes on",
     "hero Farmin Q1 x3y4 | play | save . | "
     "told: The game was not saved: the name chosen is a folder. | shown MoveScreen"},
    {"loading places the hero twice, so a game saved two steps before a fight opens it",
     "hero TrainingCenter Q1 x5y5 | game.StepsToFight = 3 | play | save close.QSV | "
     "MoveScreen.Command2 | load close.QSV | shown BattleScreen | MoveScreen.Label4: x5y5 | "
     "BattleScreen.info1: Slime Whats to Fight!"},
    // The move screen and travel.
    {"loading shows the figures and places the hero; a step erases his old cell and a crossing "
     "draws the next screen with its bars",
     "hero Farmin Q1 x9y7 | game.YourLevel = 2 | game.YourGold = -7 | play | "
     "MoveScreen.YourLevel: 2 | MoveScreen.YourGold: -7 | MoveScreen.yourMaxTP: 20 | "
     "MoveScreen.Command6 | MoveScreen.map1007 shows graYou | MoveScreen.map0907 shows gra004 | "
     "MoveScreen.Label4: x10y7 | MoveScreen.Command6 | MoveScreen.Label7: Q3 | "
     "MoveScreen.map0107 shows graYou | MoveScreen.map0708 shows graC2 | "
     "MoveScreen.graup shows CanGo | MoveScreen.gradown shows CanNotGo"},
    {"a saved place and cell that name nothing draw nothing, and no arrow moves the hero",
     "hero farmin Q1 x03y4 | play | MoveScreen.map0101 shows nothing | "
     "MoveScreen.map0304 shows nothing | MoveScreen.Command3 | MoveScreen.Command6 | "
     "game.Position: x03y4 | MoveScreen.town: farmin"},
    {"travel draws the new place without a counted step; the readouts stay on the old one until "
     "the next step",
     "hero TrainingCenter Q4 x10y1 3 | game.StepsToFight = 3 | play | MoveScreen.Command6 | "
     "TravelWindow.BanditsCave | shown MoveScreen | gone TravelWindow | "
     "MoveScreen.map1008 shows graYou | MoveScreen.map0909 shows graC2 | "
     "MoveScreen.town: TrainingCenter | MoveScreen.Label4: x10y1 | game.Position: x10y8 | "
     "game.StepsToFight: 2 | MoveScreen.Command3 | MoveScreen.town: BanditsCave | "
     "MoveScreen.Label4: x9y8"},
    // Talk.
    {"talk beside nobody says nothing",
     "hero TrainingCenter Q3 x6y3 | play | MoveScreen.Command8 | told nothing | shown MoveScreen"},
    {"the greeter's words come before the story moves on; talk counts no step",
     "hero TrainingCenter Q4 x6y1 2 | play | while told: game.StoryStage: 2 | "
     "MoveScreen.Command8 | told: Hello! Going thoungh... | game.StoryStage: 3 | "
     "game.StepsToFight: 4 | shown MoveScreen"},
    {"after Good Night the inn fills HP and TP on the panel and redraws the hero on the bed",
     "hero Farmin Q2 x8y2 | game.YourHP = 3 | game.YourTP = 4 | play | "
     "while told: MoveScreen.yourHP: 3 | MoveScreen.Command8 | "
     "told: Hi wecome to the Inn. Good Night. | MoveScreen.yourHP: 20 | MoveScreen.yourTP: 20 | "
     "MoveScreen.Label4: x7y4 | MoveScreen.map0704 shows graYou | MoveScreen.map0802 shows gra001"},
    {"the shop counter welcomes the hero, then the shop opens over the hidden move screen",
     "hero Farmin Q4 x7y2 | play | while told: shown MoveScreen | MoveScreen.Command8 | "
     "told: Wecome to the Item Shop. | shown ShopWindow | ShopWindow.numgold: 100"},
    {"the leader's words come first, then the last stage and his fight",
     "hero BanditsCave Q2 x4y5 3 | play | while told: game.StoryStage: 3 | MoveScreen.Command8 | "
     "told: ...Guess who is next... {FIGHT} | game.StoryStage: 4 | shown BattleScreen | "
     "BattleScreen.info1: Leader Of Bandits Whats to Fight! | game.StepsToFight: 4"},
    // Battle.
    {"a wall is not a step; the fifth step opens the fight over the moved hero, with the list "
     "empty and off and no END BATTLE",
     "hero TrainingCenter Q3 x5y4 | game.StepsToFight = 2 | play | MoveScreen.Command4 | "
     "shown MoveScreen | MoveScreen.Command6 | shown BattleScreen | "
     "BattleScreen.info1: Bat Whats to Fight! | BattleScreen.info2: | MoveScreen.Label4: x6y4 | "
     "BattleScreen.yourHP: 20 | BattleScreen.lblLevel: 1 | BattleScreen.Do1: | "
     "BattleScreen enables cmbAttack cmbTechniques Do1 Do10 Command1: 11000"},
    {"the enemy answers what does not win; HP follows and the list is cleared",
     "hero TrainingCenter Q1 x5y5 | battle LeaderOfBandits | BattleScreen.cmbUseItem | "
     "BattleScreen.Do1: Bread * 2 | BattleScreen enables Do1 Do2 Do3: 101 | BattleScreen.Do3 | "
     "BattleScreen.info2: You eat the FRUIT, TP goes up by 10 | "
     "BattleScreen.info3: LeaderOfBandits attacks you for 5 | BattleScreen.yourHP: 15 | "
     "BattleScreen.Do1: | BattleScreen enables Do1 Do3: 00 | BattleScreen.cmbDefend | "
     "BattleScreen.info3: LeaderOfBandits attacks you for 1"},
    {"a win leaves END BATTLE alone and the HP, TP and level labels stale; END BATTLE shows the "
     "new figures on the move screen and starts a new count",
     "hero TrainingCenter Q1 x5y5 | game.HasSlash = -1 | game.YourEX = 18 | battle Bat | "
     "BattleScreen.cmbTechniques | BattleScreen.Do1 | "
     "BattleScreen.info2: You SLASH the Bat for 10 damage | BattleScreen.info3: You've Won | "
     "BattleScreen.info4: You get 3 Ex, and 3 Gold. | BattleScreen.info5: You are now level 2 | "
     "BattleScreen.info6: AT+2 DE+2 SE+2 SP+2 HP+3 TP+3 You can use SLASH | "
     "BattleScreen.yourTP: 20 | BattleScreen.lblLevel: 1 | "
     "BattleScreen enables cmbAttack cmbDefend cmbUseItem cmbTechniques Do1 Command1: 000001 | "
     "BattleScreen.Command1 | shown MoveScreen | gone BattleScreen | MoveScreen.YourLevel: 2 | "
     "MoveScreen.YourGold: 103 | MoveScreen.yourTP: 18 | MoveScreen.yourMaxTP: 23 | "
     "game.StepsToFight: 5"},
    {"death is told before any battle line; the defeat story's OK starts a new game with the "
     "same name on the same move screen",
     "hero BanditsCave Q2 x5y5 4 | game.YourHP = 1 | game.YourGold = 900 | "
     "battle LeaderOfBandits | same MoveScreen | while told: BattleScreen.info3: | "
     "BattleScreen.cmbDefend | told: You are dead | shown StoryScreen | "
     "StoryScreen.Label: You are dead, you have lost. | StoryScreen.Command1 | "
     "told: ...Good Luck, Ann | shown MoveScreen | same MoveScreen | game.YourGold: 100 | "
     "game.StoryStage: 1 | MoveScreen.map0304 shows graYou"},
    {"an enemy that is not in the roster ends the program with a message",
     "hero TrainingCenter Q1 x5y5 | battle slime | told: ERROR! CAN NOT CONTINUE | ended"},
    // The menu pages and the shop.
    {"the status page shows the hero; bread raises HP here and on the move screen at once, and "
     "with none left it says so",
     "hero Farmin Q1 x3y4 | game.YourEX = 7 | game.YourSE = 9 | game.NumLBread = 3 | "
     "game.NumBomb = 4 | game.YourHP = 15 | game.NumBread = 1 | play | MoveScreen.Command7 | "
     "shown StatusPage | StatusPage.lblName: Ann | StatusPage.lblGold: 100 | "
     "StatusPage.lblAT: 10/10 | StatusPage.lblSE: 9/8 | StatusPage.neededex: 20 | "
     "StatusPage.lblex: 7 | StatusPage.lblLBread: 3 | StatusPage.lblBomb: 4 | "
     "StatusPage enables Command1 Command5 Command6 Command10: 1100 | StatusPage.Command1 | "
     "told nothing | StatusPage.lblBread: 0 | StatusPage.yourHP: 20 | MoveScreen.yourHP: 20 | "
     "StatusPage.Command1 | told: You do not have any bread | game.YourHP: 20"},
    {"the pages replace each other afresh; Quit on either shows HP and TP, not the gold",
     "hero Farmin Q1 x3y4 | game.HasStrike = -1 | play | MoveScreen.Command7 | "
     "StatusPage.Command12 | gone StatusPage | TechniquesPage.lblSlash: NO | "
     "TechniquesPage.lblStrike: YES | TechniquesPage.Command1 | shown StatusPage | "
     "gone TechniquesPage | game.YourHP = 12 | game.YourGold = 5 | StatusPage.Command12 | "
     "TechniquesPage.Command3 | shown MoveScreen | MoveScreen.yourHP: 12 | "
     "MoveScreen.YourGold: 100 | MoveScreen.Command7 | game.YourTP = 9 | StatusPage.Command13 | "
     "shown MoveScreen | MoveScreen.yourTP: 9"},
    {"100 gold buys ten breads, then refusals are told gold first; Done shows the gold on the "
     "move screen, which kept the old figure until then",
     "hero Farmin Q4 x7y2 | play | MoveScreen.Command8 | told: ...Shop. | ShopWindow.Command1 | "
     "ShopWindow.Command1 | ShopWindow.Command1 | ShopWindow.Command1 | ShopWindow.Command1 | "
     "ShopWindow.Command1 | ShopWindow.Command1 | ShopWindow.Command1 | ShopWindow.Command1 | "
     "ShopWindow.Command1 | ShopWindow.numbread: 12 | ShopWindow.numgold: 0 | told nothing | "
     "game.NumBread = 9999 | ShopWindow.Command1 | told: YOU DO NOT HAVE THAT MUCH GOLD! | "
     "told: You can not have more then 9999 bread. | MoveScreen.YourGold: 100 | "
     "ShopWindow.Command11 | shown MoveScreen | MoveScreen.YourGold: 0"},
    // Keys.
    {"the title's Tab order follows its button numbers, not the order on screen",
     "title | press TitleScreen Tab Tab Space | shown AboutBox TitleScreen | AboutBox.Command1 | "
     "press TitleScreen Tab Space | shown HelpWindow"},
    {"on the move screen the arrows and W A S D step, T talks, Ctrl+S saves, M opens the menu, "
     "and Escape leaves the menu pages",
     "hero Farmin Q1 x3y4 | play | press MoveScreen Up D | game.Position: x2y5 | "
     "press MoveScreen A Down Left Right S W T | game.Position: x3y4 | told: Good luck, Ann | "
     "press MoveScreen Ctrl+S | filter: Quillmar Save (*.QSV)|*.QSV | press MoveScreen M | "
     "shown StatusPage | press StatusPage Esc | shown MoveScreen | MoveScreen.Command7 | "
     "StatusPage.Command12 | press TechniquesPage Esc | shown MoveScreen"},
    {"Escape leaves the shop and the help window",
     "hero Farmin Q4 x7y2 | play | press MoveScreen T | press ShopWindow Esc | shown MoveScreen | "
     "MoveScreen.Command2 | TitleScreen.Command4 | press HelpWindow Esc | shown TitleScreen"},
    {"the name entry types from the keyboard, wherever the focus; Backspace takes back, Enter "
     "continues",
     "title | TitleScreen.Command1 | press NameEntry Tab Tab | type NameEntry a Z1! | "
     "press NameEntry Backspace | type NameEntry ,& | NameEntry.YouName: Heroa Z1 | "
     "press NameEntry Return | game.YourName: Heroa Z1 | shown StoryScreen"},
    {"in battle A D I T are the commands and the digits the list while they can be pressed; "
     "Enter ends a battle once it is won",
     "hero TrainingCenter Q1 x5y5 | battle Slime | press BattleScreen 2 Return | "
     "BattleScreen.info2: | shown BattleScreen | press BattleScreen I 1 | "
     "BattleScreen.info2: You eat the BREAD, HP goes up by 10 | press BattleScreen D | "
     "BattleScreen.info2: You Defend | press BattleScreen T | BattleScreen.Do1: Slash -5TP | "
     "press BattleScreen A Return | shown MoveScreen"},
    {"the travel window takes an offered place by its letter",
     "hero Farmin Q1 x8y1 | play | MoveScreen.Command5 | press TravelWindow B T | "
     "shown TravelWindow | press TravelWindow F | shown MoveScreen | game.Quadrant: Q3"},
    // A close box never closes a window behind the game's back: it takes the window's own way
    // out, the name entry's back to the title and the travel window's to the move screen, and
    // the battle's does nothing, for a fight must be decided.
    {"the title's Quit and its close box end the program",
     "title | TitleScreen.Command5 | ended | title | close TitleScreen | ended"},
    {"the about box's, the help window's and the contact window's lead back to the title",
     "title | TitleScreen.Command3 | close AboutBox | shown TitleScreen | TitleScreen.Command4 | "
     "HelpWindow.Page4 | close HelpWindow | shown TitleScreen | TitleScreen.Command6 | "
     "close ContactWindow | shown TitleScreen"},
    {"the name entry's goes back to the title with nothing stored",
     "title | TitleScreen.Command1 | NameEntry.Command2 | close NameEntry | shown TitleScreen | "
     "game.YourName: "},
    {"the story's is its OK: a new game, or the title at the closing stage",
     "title | TitleScreen.Command1 | NameEntry.Command1 | close StoryScreen | shown MoveScreen | "
     "told: ...Good Luck, Hero | hero BanditsCave Q1 x6y5 50 | game.YourHP = 1 | play | "
     "MoveScreen.Command8 | BattleScreen.cmbDefend | close StoryScreen | shown TitleScreen | "
     "gone MoveScreen"},
    {"the move screen's is its Quit",
     "hero BanditsCave Q1 x6y5 | play | close MoveScreen | shown TitleScreen"},
    {"the travel window's, offering the town and the training center at stage 2, goes back to "
     "the move screen with nothing changed",
     "hero TrainingCenter Q4 x10y1 2 | play | MoveScreen.Command6 | "
     "TravelWindow enables Farmin TrainingCenter BanditsCave: 110 | close TravelWindow | "
     "shown MoveScreen | gone TravelWindow | game.Position: x10y1 | "
     "MoveScreen.town: TrainingCenter"},
    {"the menu pages' and the shop's are their Quit and Done",
     "hero Farmin Q4 x7y2 | play | MoveScreen.Command7 | game.YourHP = 12 | close StatusPage | "
     "shown MoveScreen | MoveScreen.yourHP: 12 | MoveScreen.Command7 | StatusPage.Command12 | "
     "game.YourTP = 9 | close TechniquesPage | shown MoveScreen | MoveScreen.yourTP: 9 | "
     "MoveScreen.Command8 | ShopWindow.Command1 | close ShopWindow | shown MoveScreen | "
     "MoveScreen.YourGold: 90"},
    {"the battle's does nothing, fighting or won",
     "hero BanditsCave Q1 x6y5 | game.YourAT = 100 | battle Bat | close BattleScreen | "
     "shown BattleScreen | BattleScreen.cmbAttack | close BattleScreen | shown BattleScreen | "
     "BattleScreen.info3: You've Won"},
    {"the closing window's goes back to the title",
     "hero BanditsCave Q2 x5y5 3 | game.NumBomb = 1 | battle LeaderOfBandits | "
     "BattleScreen.cmbUseItem | BattleScreen.Do10 | shown ClosingWindow | close ClosingWindow | "
     "shown TitleScreen"},
};

} // namespace

// Texts too long to stand in a row: the stories, the king's words, a name of 20,000 letters.
std::vector<FlowRow> flowRows() {
    std::string opening = openingStory();
    opening.insert(opening.begin(), ' '); // the story label's own blank comes first
    const std::pair<const char*, std::string> texts[] = {{"@OPENING@", opening},
                                                         {"@CLOSING@", closingStory()},
                                                         {"@KING@", kingsMessage("")},
                                                         {"@LONG@", std::string(20000, 'B')}};
    std::vector<FlowRow> table;
    for (const auto& [rule, line] : rows) {
        std::string steps = line;
        for (const auto& [name, text] : texts)
            for (std::size_t at; (at = steps.find(name)) != std::string::npos;)
                steps.replace(at, std::string(name).size(), text);
        table.push_back({rule, stepsOf(steps)});
    }
    table.push_back({"a player starts a new game, follows the story, trains to level 5, crosses "
                     "the cave, beats the leader of the bandits and comes back to the title",
                     winningRoute()});
    return table;
}
