// What the player sees, and in which order, from window to window: each row is a rule played as
// a scenario (support/Scenario.h) on the real windows. The rules' own tests test the rules; these
// catch what only windows break: the order of events, the window on show, stale labels kept on
// purpose, the messages, the dialogs, the keys and the close boxes.
#include "state/NewGame.h"
#include "support/Scenario.h"

#include <QTest>

namespace {

// Texts too long to stand in a row: the stories, the king's words, a name of 20,000 letters.
void row(const char* rule, QString steps) {
    const std::pair<const char*, QString> texts[] = {
        {"@OPENING@", " " + QString::fromStdString(openingStory())},
        {"@CLOSING@", QString::fromStdString(closingStory())},
        {"@KING@", QString::fromStdString(kingsMessage(""))},
        {"@LONG@", QString(20000, u'B')}};
    for (const auto& [name, text] : texts)
        steps.replace(QLatin1String(name), text);
    QTest::newRow(rule) << steps.split(QStringLiteral(" | "));
}

// Each rule as a row: what it says, then its steps.
const std::pair<const char*, const char*> rows[] = {
    // The title and a new game.
    {"About twice shows one box over the title; with it open, Help replaces the title",
     "title | Form1.Command3 | same frmAbout | Form1.Command3 | same frmAbout | "
     "shown Form1 frmAbout | frmAbout.Command1 | shown Form1 | Form1.Command3 | "
     "Form1.Command4 | shown Form9 frmAbout"},
    {"help shows one page at a time, its button disabled; Done and Contact Us come back",
     "title | Form1.Command4 | Form9 enables Page1 Page2 Page3 Page4: 0111 | Form9.Page3 | "
     "Form9 enables Page1 Page2 Page3 Page4: 1101 | Form9.Command5 | shown Form1 | "
     "Form1.Command6 | shown Form12 | Form12.Command1 | shown Form1"},
    {"keys type in the current case and the name is kept as shown",
     "title | Form1.Command1 | gone Form1 | Form5.YouName: Hero | Form5.Command2 | "
     "Form5.Command40 | Form5.Command2: a | Form5.Command40: Upper Case | Form5.Command2 | "
     "Form5.Command28 | Form5.Command39 | Form5.Command40 | Form5.Command31 | "
     "Form5.Command40: Lower Case | Form5.Command1 | game.YourName: HeroAa1 # | shown Form4 | "
     "Form4.Label: @OPENING@"},
    {"a new game draws its screen, the king speaks over the old figures, then the new ones "
     "show; the readouts stay stale and no leftover fight opens",
     "hero TrainingCenter Q1 x5y5 4 | game.YourGold = 250 | game.StepsToFight = 1 | title | "
     "Form1.Command1 | Form5.Command30 | Form5.Command1 | while told: Form2.YourGold: 250 | "
     "Form4.Command1 | told: @KING@ | Form2.YourGold: 100 | Form2.yourHP: 20 | "
     "Form2.town: TrainingCenter | Form2.Label4: x5y5 | shown Form2 | "
     "Form2.map0304 shows graYou | Form2.map0505 shows gra001 | game.StoryStage: 1 | "
     "game.StepsToFight: 5"},
    {"a game saved at the closing stage ends with the closing story at the next new game",
     "hero Farmin Q1 x3y4 50 | play | save ending.QSV | Form2.Command2 | load ending.QSV | "
     "Form2.Command2 | Form1.Command1 | Form5.Command1 | Form4.Label: @CLOSING@ | "
     "Form4.Command1 | shown Form1 | gone Form2 | told nothing | game.StoryStage: 50"},
    // Saves and loads.
    {"a saved game loads as it was saved, on its cell with its panel; a cancel saves nothing",
     "hero Farmin Q4 x5y6 3 | game.YourLevel = 3 | game.YourGold = 321 | game.YourHP = 11 | "
     "game.YourName = @LONG@ | play | save ann.QSV | filter: Quillmar Save (*.QSV) | "
     "file ann.QSV: saved | game.YourGold = 7 | save | Form2.Command2 | load ann.QSV | "
     "filter: Quillmar Save (*.QSV) | told nothing | shown Form2 | file ann.QSV: saved | "
     "Form2.map0506 shows graYou | Form2.map0504 shows gra001 | Form2.YourLevel: 3 | "
     "Form2.YourGold: 321 | Form2.yourHP: 11 | Form2.town: Farmin | Form2.Label7: Q4 | "
     "Form2.Label4: x5y6 | Form2.Command7 | Form6.lblName: @LONG@"},
    {"a saved game on the command line opens as Load Game would; one that does not read leaves "
     "the title with the message",
     "open absent.QSV | told: The game could not be loaded: ... | shown Form1 | "
     "hero Farmin Q4 x5y6 | play | save ann.QSV | Form2.Command2 | game.YourGold = 7 | "
     "open ann.QSV | shown Form2 | Form2.Label4: x5y6 | Form2.YourGold: 100"},
    {"a save the file system refuses says so, and the game goes on",
     "hero Farmin Q1 x3y4 | play | save . | "
     "told: The game was not saved: the name chosen is a folder. | shown Form2"},
    {"loading places the hero twice, so a game saved two steps before a fight opens it",
     "hero TrainingCenter Q1 x5y5 | game.StepsToFight = 3 | play | save close.QSV | "
     "Form2.Command2 | load close.QSV | shown Form3 | Form2.Label4: x5y5 | "
     "Form3.info1: Slime Whats to Fight!"},
    // The move screen and travel.
    {"loading shows the figures and places the hero; a step erases his old cell and a crossing "
     "draws the next screen with its bars",
     "hero Farmin Q1 x9y7 | game.YourLevel = 2 | game.YourGold = -7 | play | "
     "Form2.YourLevel: 2 | Form2.YourGold: -7 | Form2.yourMaxTP: 20 | Form2.Command6 | "
     "Form2.map1007 shows graYou | Form2.map0907 shows gra004 | Form2.Label4: x10y7 | "
     "Form2.Command6 | Form2.Label7: Q3 | Form2.map0107 shows graYou | "
     "Form2.map0708 shows graC2 | Form2.graup shows CanGo | Form2.gradown shows CanNotGo"},
    {"a saved place and cell that name nothing draw nothing, and no arrow moves the hero",
     "hero farmin Q1 x03y4 | play | Form2.map0101 shows nothing | Form2.map0304 shows nothing | "
     "Form2.Command3 | Form2.Command6 | game.Position: x03y4 | Form2.town: farmin"},
    {"travel draws the new place without a counted step; the readouts stay on the old one until "
     "the next step",
     "hero TrainingCenter Q4 x10y1 3 | game.StepsToFight = 3 | play | Form2.Command6 | "
     "Form8.BanditsCave | shown Form2 | gone Form8 | Form2.map1008 shows graYou | "
     "Form2.map0909 shows graC2 | Form2.town: TrainingCenter | Form2.Label4: x10y1 | "
     "game.Position: x10y8 | game.StepsToFight: 2 | Form2.Command3 | "
     "Form2.town: BanditsCave | Form2.Label4: x9y8"},
    // Talk.
    {"talk beside nobody says nothing",
     "hero TrainingCenter Q3 x6y3 | play | Form2.Command8 | told nothing | shown Form2"},
    {"the greeter's words come before the story moves on; talk counts no step",
     "hero TrainingCenter Q4 x6y1 2 | play | while told: game.StoryStage: 2 | "
     "Form2.Command8 | told: Hello! Going thoungh... | game.StoryStage: 3 | "
     "game.StepsToFight: 4 | shown Form2"},
    {"after Good Night the inn fills HP and TP on the panel and redraws the hero on the bed",
     "hero Farmin Q2 x8y2 | game.YourHP = 3 | game.YourTP = 4 | play | "
     "while told: Form2.yourHP: 3 | Form2.Command8 | "
     "told: Hi wecome to the Inn. Good Night. | Form2.yourHP: 20 | Form2.yourTP: 20 | "
     "Form2.Label4: x7y4 | Form2.map0704 shows graYou | Form2.map0802 shows gra001"},
    {"the shop counter welcomes the hero, then the shop opens over the hidden move screen",
     "hero Farmin Q4 x7y2 | play | while told: shown Form2 | Form2.Command8 | "
     "told: Wecome to the Item Shop. | shown Form11 | Form11.numgold: 100"},
    {"the leader's words come first, then the last stage and his fight",
     "hero BanditsCave Q2 x4y5 3 | play | while told: game.StoryStage: 3 | Form2.Command8 | "
     "told: ...Guess who is next... {FIGHT} | game.StoryStage: 4 | shown Form3 | "
     "Form3.info1: Leader Of Bandits Whats to Fight! | game.StepsToFight: 4"},
    // Battle.
    {"a wall is not a step; the fifth step opens the fight over the moved hero, with the list "
     "empty and off and no END BATTLE",
     "hero TrainingCenter Q3 x5y4 | game.StepsToFight = 2 | play | Form2.Command4 | "
     "shown Form2 | Form2.Command6 | shown Form3 | Form3.info1: Bat Whats to Fight! | "
     "Form3.info2: | Form2.Label4: x6y4 | Form3.yourHP: 20 | Form3.lblLevel: 1 | Form3.Do1: | "
     "Form3 enables cmbAttack cmbTechniques Do1 Do10 Command1: 11000"},
    {"the enemy answers what does not win; HP follows and the list is cleared",
     "hero TrainingCenter Q1 x5y5 | battle LeaderOfBandits | Form3.cmbUseItem | "
     "Form3.Do1: Bread * 2 | Form3 enables Do1 Do2 Do3: 101 | Form3.Do3 | "
     "Form3.info2: You eat the FRUIT, TP goes up by 10 | "
     "Form3.info3: LeaderOfBandits attacks you for 5 | Form3.yourHP: 15 | Form3.Do1: | "
     "Form3 enables Do1 Do3: 00 | Form3.cmbDefend | "
     "Form3.info3: LeaderOfBandits attacks you for 1"},
    {"a win leaves END BATTLE alone and the HP, TP and level labels stale; END BATTLE shows the "
     "new figures on the move screen and starts a new count",
     "hero TrainingCenter Q1 x5y5 | game.HasSlash = -1 | game.YourEX = 18 | battle Bat | "
     "Form3.cmbTechniques | Form3.Do1 | Form3.info2: You SLASH the Bat for 10 damage | "
     "Form3.info3: You've Won | Form3.info4: You get 3 Ex, and 3 Gold. | "
     "Form3.info5: You are now level 2 | "
     "Form3.info6: AT+2 DE+2 SE+2 SP+2 HP+3 TP+3 You can use SLASH | Form3.yourTP: 20 | "
     "Form3.lblLevel: 1 | "
     "Form3 enables cmbAttack cmbDefend cmbUseItem cmbTechniques Do1 Command1: 000001 | "
     "Form3.Command1 | shown Form2 | gone Form3 | Form2.YourLevel: 2 | Form2.YourGold: 103 | "
     "Form2.yourTP: 18 | Form2.yourMaxTP: 23 | game.StepsToFight: 5"},
    {"death is told before any battle line; the defeat story's OK starts a new game with the "
     "same name on the same move screen",
     "hero BanditsCave Q2 x5y5 4 | game.YourHP = 1 | game.YourGold = 900 | "
     "battle LeaderOfBandits | same Form2 | while told: Form3.info3: | Form3.cmbDefend | "
     "told: You are dead | shown Form4 | Form4.Label: You are dead, you have lost. | "
     "Form4.Command1 | told: ...Good Luck, Ann | shown Form2 | same Form2 | "
     "game.YourGold: 100 | game.StoryStage: 1 | Form2.map0304 shows graYou"},
    {"an enemy that is not in the roster ends the program with a message",
     "hero TrainingCenter Q1 x5y5 | battle slime | told: ERROR! CAN NOT CONTINUE | ended"},
    // The menu pages and the shop.
    {"the status page shows the hero; bread raises HP here and on the move screen at once, and "
     "with none left it says so",
     "hero Farmin Q1 x3y4 | game.YourEX = 7 | game.YourSE = 9 | game.NumLBread = 3 | "
     "game.NumBomb = 4 | game.YourHP = 15 | game.NumBread = 1 | play | Form2.Command7 | "
     "shown Form6 | Form6.lblName: Ann | Form6.lblGold: 100 | Form6.lblAT: 10/10 | "
     "Form6.lblSE: 9/8 | Form6.neededex: 20 | Form6.lblex: 7 | Form6.lblLBread: 3 | "
     "Form6.lblBomb: 4 | Form6 enables Command1 Command5 Command6 Command10: 1100 | "
     "Form6.Command1 | told nothing | Form6.lblBread: 0 | Form6.yourHP: 20 | "
     "Form2.yourHP: 20 | Form6.Command1 | told: You do not have any bread | game.YourHP: 20"},
    {"the pages replace each other afresh; Quit on either shows HP and TP, not the gold",
     "hero Farmin Q1 x3y4 | game.HasStrike = -1 | play | Form2.Command7 | Form6.Command12 | "
     "gone Form6 | Form7.lblSlash: NO | Form7.lblStrike: YES | Form7.Command1 | shown Form6 | "
     "gone Form7 | game.YourHP = 12 | game.YourGold = 5 | Form6.Command12 | Form7.Command3 | "
     "shown Form2 | Form2.yourHP: 12 | Form2.YourGold: 100 | Form2.Command7 | "
     "game.YourTP = 9 | Form6.Command13 | shown Form2 | Form2.yourTP: 9"},
    {"100 gold buys ten breads, then refusals are told gold first; Done shows the gold on the "
     "move screen, which kept the old figure until then",
     "hero Farmin Q4 x7y2 | play | Form2.Command8 | told: ...Shop. | Form11.Command1 | "
     "Form11.Command1 | Form11.Command1 | Form11.Command1 | Form11.Command1 | "
     "Form11.Command1 | Form11.Command1 | Form11.Command1 | Form11.Command1 | "
     "Form11.Command1 | Form11.numbread: 12 | Form11.numgold: 0 | told nothing | "
     "game.NumBread = 9999 | Form11.Command1 | told: YOU DO NOT HAVE THAT MUCH GOLD! | "
     "told: You can not have more then 9999 bread. | Form2.YourGold: 100 | Form11.Command11 | "
     "shown Form2 | Form2.YourGold: 0"},
    // Keys.
    {"the title's Tab order follows its button numbers, not the order on screen",
     "title | press Form1 Tab Tab Space | shown Form1 frmAbout | frmAbout.Command1 | "
     "press Form1 Tab Space | shown Form9"},
    {"on the move screen the arrows and W A S D step, T talks, Ctrl+S saves, M opens the menu, "
     "and Escape leaves the menu pages",
     "hero Farmin Q1 x3y4 | play | press Form2 Up D | game.Position: x2y5 | "
     "press Form2 A Down Left Right S W T | game.Position: x3y4 | told: Good luck, Ann | "
     "press Form2 Ctrl+S | filter: Quillmar Save (*.QSV) | press Form2 M | "
     "shown Form6 | press Form6 Escape | shown Form2 | Form2.Command7 | Form6.Command12 | "
     "press Form7 Escape | shown Form2"},
    {"Escape leaves the shop and the help window",
     "hero Farmin Q4 x7y2 | play | press Form2 T | press Form11 Escape | shown Form2 | "
     "Form2.Command2 | Form1.Command4 | press Form9 Escape | shown Form1"},
    {"the name entry types from the keyboard, wherever the focus; Backspace takes back, Enter "
     "continues",
     "title | Form1.Command1 | press Form5 Tab Tab | type Form5 a Z1! | press Form5 Backspace | "
     "type Form5 ,& | Form5.YouName: Heroa Z1 | press Form5 Return | "
     "game.YourName: Heroa Z1 | shown Form4"},
    {"in battle A D I T are the commands and the digits the list while they can be pressed; Enter "
     "ends a battle once it is won",
     "hero TrainingCenter Q1 x5y5 | battle Slime | press Form3 2 Return | Form3.info2: | "
     "shown Form3 | press Form3 I 1 | Form3.info2: You eat the BREAD, HP goes up by 10 | "
     "press Form3 D | Form3.info2: You Defend | press Form3 T | Form3.Do1: Slash -5TP | "
     "press Form3 A Return | shown Form2"},
    {"the travel window takes an offered place by its letter",
     "hero Farmin Q1 x8y1 | play | Form2.Command5 | press Form8 B T | shown Form8 | "
     "press Form8 F | shown Form2 | game.Quadrant: Q3"},
    // A close box never closes a window behind the game's back: it takes the window's own way
    // out, the name entry's back to the title and the travel window's to the move screen, and
    // the battle's does nothing, for a fight must be decided.
    {"the title's Quit and its close box end the program",
     "title | Form1.Command5 | ended | title | close Form1 | ended"},
    {"the about box's, the help window's and the contact window's lead back to the title",
     "title | Form1.Command3 | close frmAbout | shown Form1 | Form1.Command4 | Form9.Page4 | "
     "close Form9 | shown Form1 | Form1.Command6 | close Form12 | shown Form1"},
    {"the name entry's goes back to the title with nothing stored",
     "title | Form1.Command1 | Form5.Command2 | close Form5 | shown Form1 | game.YourName: "},
    {"the story's is its OK: a new game, or the title at the closing stage",
     "title | Form1.Command1 | Form5.Command1 | close Form4 | shown Form2 | "
     "told: ...Good Luck, Hero | hero BanditsCave Q1 x6y5 50 | game.YourHP = 1 | play | "
     "Form2.Command8 | Form3.cmbDefend | close Form4 | shown Form1 | gone Form2"},
    {"the move screen's is its Quit",
     "hero BanditsCave Q1 x6y5 | play | close Form2 | shown Form1"},
    {"the travel window's, offering the town and the training center at stage 2, goes back to "
     "the move screen with nothing changed",
     "hero TrainingCenter Q4 x10y1 2 | play | Form2.Command6 | Form8 enables Farmin "
     "TrainingCenter BanditsCave: 110 | close Form8 | shown Form2 | gone Form8 | "
     "game.Position: x10y1 | Form2.town: TrainingCenter"},
    {"the menu pages' and the shop's are their Quit and Done",
     "hero Farmin Q4 x7y2 | play | Form2.Command7 | game.YourHP = 12 | close Form6 | "
     "shown Form2 | Form2.yourHP: 12 | Form2.Command7 | Form6.Command12 | game.YourTP = 9 | "
     "close Form7 | shown Form2 | Form2.yourTP: 9 | Form2.Command8 | Form11.Command1 | "
     "close Form11 | shown Form2 | Form2.YourGold: 90"},
    {"the battle's does nothing, fighting or won",
     "hero BanditsCave Q1 x6y5 | game.YourAT = 100 | battle Bat | close Form3 | shown Form3 | "
     "Form3.cmbAttack | close Form3 | shown Form3 | Form3.info3: You've Won"},
    {"the closing window's goes back to the title",
     "hero BanditsCave Q2 x5y5 3 | game.NumBomb = 1 | battle LeaderOfBandits | "
     "Form3.cmbUseItem | Form3.Do10 | shown Form10 | close Form10 | shown Form1"},
};

} // namespace

class FlowTest : public QObject {
    Q_OBJECT
private slots:
    void theWindowsFollowTheGame_data() {
        QTest::addColumn<QStringList>("steps");
        for (const auto& [rule, steps] : rows)
            row(rule, QString::fromLatin1(steps));
        row("a player starts a new game, follows the story, trains to level 5, crosses the cave, "
            "beats the leader of the bandits and comes back to the title",
            winningRoute().join(QStringLiteral(" | ")));
    }

    void theWindowsFollowTheGame() {
        QFETCH(QStringList, steps);
        QCOMPARE(Scenario().play(steps), QString());
    }
};

QTEST_MAIN(FlowTest)
#include "FlowTest.moc"
