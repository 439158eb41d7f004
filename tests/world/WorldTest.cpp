#include "state/RulesTesting.h"
#include "world/Encounters.h"
#include "world/Movement.h"
#include "world/Screens.h"
#include "world/Talk.h"
#include "world/Travel.h"

#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <tuple>

namespace {

// Ann on a cell of a screen as the move screen draws it, at no story stage, HP 4 and TP 5 of 20.
GameState standingAt(const Screen& screen, std::string_view cell) {
    GameState game = newHero("Ann");
    putHeroAt(game, {screen.location, screen.quadrant, cell});
    loadScreenTables(game, screen);
    game.StoryStage = 0;
    game.YourHP = 4;
    game.YourTP = 5;
    return game;
}

} // namespace

// A screen shows each tile's picture and sets, as its edge bars show, the exits to its neighbours.
TEST(Screens, eachScreenShowsItsTilesAndOpensTheSidesFacingItsNeighbours) {
    // Each tile has its own picture, but a man or a floor looks the same open or blocked.
    EXPECT_NE(pictureOfTile('X'), pictureOfTile('f'));
    EXPECT_EQ(pictureOfTile('g'), pictureOfTile('G'));
    EXPECT_EQ(pictureOfTile('f'), pictureOfTile('F'));
    EXPECT_FALSE(edgeBarsOf("Q5").down); // a saved quadrant that names none has no neighbours
    for (const Screen& screen : allScreens()) {
        GameState game; // the tables of the other two sides keep what they held
        game.ExitUp(1) = 7;
        game.ExitDown(1) = 7;
        game.ExitLeft(1) = 7;
        game.ExitRight(1) = 7;
        loadScreenTables(game, screen);
        const EdgeBars bars = edgeBarsOf(screen.quadrant);
        EXPECT_EQ(std::vector({game.ExitUp(1) != 7, game.ExitDown(1) != 7, game.ExitLeft(1) != 7,
                               game.ExitRight(1) != 7}),
                  std::vector({bars.up, bars.down, bars.left, bars.right}));
    }
}

// Each way from every open cell, a step goes to the next cell or screen exactly when it is open.
TEST(Movement, everyStepGoesOnExactlyWhenTheCellAheadIsOpen) {
    constexpr int offsets[][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    const auto isOpen = [](const Screen& screen, Cell cell) {
        return std::islower(static_cast<unsigned char>(screen.tile(cell.row, cell.column))) != 0;
    };
    for (const Screen& screen : allScreens())
        for (int way = 0; way < 4; ++way)
            for (int cell = 0; cell < 100; ++cell) {
                const Cell from{cell / 10 + 1, cell % 10 + 1};
                if (!isOpen(screen, from))
                    continue;
                const auto [rows, columns] = offsets[way];
                Cell to{from.row + rows, from.column + columns};
                GameState game = standingAt(screen, keyOfCell(from));
                GameState expected = game;
                const Screen* next = &screen;
                if (to.row < 1 || to.row > 10 || to.column < 1 || to.column > 10) {
                    // Q1 and Q2 lie above Q3 and Q4; the next screen is entered from its far side.
                    const int q = screen.quadrant[1] - '1';
                    const int row = q / 2 + rows;
                    const int column = q % 2 + columns;
                    expected.Quadrant = {'Q', char('1' + row * 2 + column)};
                    const bool inPlace = row >= 0 && row <= 1 && column >= 0 && column <= 1;
                    next = inPlace ? findScreen(screen.location, expected.Quadrant) : nullptr;
                    to = {(to.row + 9) % 10 + 1, (to.column + 9) % 10 + 1};
                }
                const StepResult result = !next                ? StepResult::OpenTravel
                                          : !isOpen(*next, to) ? StepResult::Blocked
                                          : next == &screen    ? StepResult::Moved
                                                               : StepResult::Crossed;
                expected.Position = keyOfCell(to);
                if (result == StepResult::Blocked || result == StepResult::OpenTravel)
                    expected = game;
                EXPECT_EQ(step(game, Direction(way)), result) << keyOfCell(from) << way;
                EXPECT_EQ(game, expected);
            }
    // From a saved key that names no cell a step goes nowhere: only the game's own keys name one.
    GameState game = standingAt(*findScreen("Farmin", "Q1"), "x10y7");
    using namespace std::string_view_literals;
    for (const std::string_view key : {""sv, "x3y"sv, "y4x3"sv, "x03y4"sv, "x0y4"sv, "x3y11"sv,
                                       "X3y4"sv, " x3y4"sv, "x3y4 "sv, "x+3y4"sv, "x3y4\0"sv}) {
        game.Position = key;
        EXPECT_EQ(step(game, Direction::Down), StepResult::Blocked) << key;
    }
}

// The town opens at stage 1, the training center at 2, the cave from 3 to 21; others offer none.
TEST(Travel, theStoryStageDecidesWhichPlacesCanBeChosen) {
    std::string offered;
    for (const int stage : {0, 1, 2, 3, 21, 22, 50, -1}) {
        const auto [town, center, cave] = travelChoices(static_cast<Integer>(stage));
        offered += std::to_string(town) + std::to_string(center) + std::to_string(cave) + ' ';
    }
    EXPECT_EQ(offered, "000 100 110 111 111 000 000 000 ");
}

// Place and quadrant choose the enemy; only positive counts in dangerous places count down.
TEST(Encounters, thePlaceAndQuadrantChooseTheEnemy) {
    std::string met;
    // 0 fights at every step, an unknown quadrant with the last enemy; -1, the town, a typo never.
    const std::tuple<const char*, const char*, Integer, Integer> walks[] = {
        {"TrainingCenter", "Q1", 1, 0}, {"TrainingCenter", "Q2", 1, 0},
        {"TrainingCenter", "Q3", 1, 0}, {"TrainingCenter", "Q4", 1, 0},
        {"BanditsCave", "Q1", 1, 0},    {"BanditsCave", "Q2", 1, 0},
        {"BanditsCave", "Q3", 1, 0},    {"BanditsCave", "Q4", 1, 0},
        {"BanditsCave", "q4", 1, 0},    {"BanditsCave", "Q1", 0, 0},
        {"BanditsCave", "Q1", -1, -1},  {"Farmin", "Q1", 1, 1},
        {"trainingcenter", "Q1", 1, 1}};
    for (const auto& [location, quadrant, steps, after] : walks) {
        GameState game;
        putHeroAt(game, {location, quadrant, "x1y1"});
        game.StepsToFight = steps;
        game.EnemyName.assign(1, '-');
        met += countEncounterStep(game) ? game.EnemyName + " " : ". ";
        EXPECT_EQ(game.StepsToFight, after) << location << quadrant << steps;
    }
    EXPECT_EQ(met, "Slime Slime Bat Bat Bat BanditInTraining BanditInTraining Bandit - Bat . . . ");
}

// Each person has his own words, heard only beside him; the inn rests the hero, guards fight.
TEST(Talk, everyPersonIsHeardOnlyFromBesideHimAndDoesHisOwnDeed) {
    for (const Screen& screen : allScreens()) {
        std::vector<Cell> people;
        for (int cell = 0; cell < 100; ++cell)
            if (std::strchr("gGEAJV", screen.tile(cell / 10 + 1, cell % 10 + 1)))
                people.push_back({cell / 10 + 1, cell % 10 + 1});
        std::set<std::string> words;
        for (int cell = 0; cell < 100; ++cell) {
            const Cell at{cell / 10 + 1, cell % 10 + 1};
            GameState game = standingAt(screen, keyOfCell(at));
            GameState expected = game;
            const std::optional<Talk> talk = hear(game);
            if (!talk)
                continue;
            // Beside a person, or across a counter from him ('T' at the shop, 'L' at a door).
            EXPECT_TRUE(std::any_of(people.begin(), people.end(), [&](Cell p) {
                const int away = std::max(std::abs(p.row - at.row), std::abs(p.column - at.column));
                const char between = screen.tile((p.row + at.row) / 2, (p.column + at.column) / 2);
                return away <= 1 || (away == 2 && (between == 'T' || between == 'L'));
            })) << talk->words;
            words.insert(talk->words);
            if (talk->effect == TalkEffect::Rest) { // full HP and TP, on the inn's bed
                expected.YourHP = 20;
                expected.YourTP = 20;
                expected.Position = "x7y4";
            }
            if (talk->effect == TalkEffect::Fight)
                expected.EnemyName = "Bandit";
            afterWords(game, *talk);
            EXPECT_EQ(game, expected) << talk->words;
        }
        EXPECT_EQ(words.size(), people.size()) << screen.location << screen.quadrant;
    }
}

// The advice, the greeting and the leader move the story on from 1, 2 and 3 only; guards fight.
TEST(Talk, theStoryAdvancesOnlyFromTheStageJustBelow) {
    const Place advice{"Farmin", "Q1", "x9y3"}, greeting{"TrainingCenter", "Q4", "x6y2"},
        leader{"BanditsCave", "Q2", "x6y7"}, guard{"BanditsCave", "Q4", "x10y8"};
    GameState game = newHero("Ann");
    EXPECT_EQ(hear(game)->words, "Good luck, Ann"); // a new hero stands beside the townswoman
    std::string story;
    for (const Place& teller : {greeting, leader, guard, advice, advice, leader, greeting, greeting,
                                leader, leader, advice}) {
        putHeroAt(game, teller);
        game.EnemyName = "";
        afterWords(game, hear(game).value());
        story += std::to_string(game.StoryStage) + game.EnemyName + " ";
    }
    EXPECT_EQ(story, "1 1 1Bandit 2 2 2 3 3 4LeaderOfBandits 4 4 "); // the leader only then
}
