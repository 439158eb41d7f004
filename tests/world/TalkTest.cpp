#include "world/Talk.h"

#include "world/Movement.h"
#include "world/Screens.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// Everyone who hears the hero, as the game tells it. "Ann" stands where the words hold the name.
struct Listener {
    std::string location, quadrant, cells, words;
    TalkEffect effect = TalkEffect::None;
    std::string enemy{};
    Integer storyFrom = 0; // the stage the talk moves on from
};

const Listener listeners[] = {
    {"Farmin", "Q1", "x2y4 x2y5 x2y6 x3y4 x3y6 x4y4 x4y5 x4y6", "Good luck, Ann"},
    {"Farmin", "Q1", "x7y1 x7y2 x7y3 x8y1 x8y3 x9y1 x9y2 x9y3",
     "If you want to destroy the bandits, you should go to the 'Training Center' first.",
     TalkEffect::None, "", 1},
    {"Farmin", "Q1", "x8y7 x8y8 x8y9 x9y7 x9y9 x10y7 x10y8 x10y9",
     "Hey Ann, sorry about your house. I saw the bandits go to 'Bandits Cave' thought you might "
     "want to know."},
    {"Farmin", "Q2", "x7y1 x7y3 x8y1 x8y2 x8y3", "Hi wecome to the Inn. Good Night.",
     TalkEffect::Rest},
    {"Farmin", "Q3", "x6y7 x6y8 x6y9 x7y7 x7y9 x8y7 x8y8 x8y9",
     "Hi Ann I still can't believe the bandits got past our guards."},
    {"Farmin", "Q4", "x1y7 x1y9 x2y7 x2y8 x2y9", "Hi Ann, I hope those bandits don't come back."},
    {"Farmin", "Q4", "x7y1 x7y2 x7y3", "Wecome to the Item Shop.", TalkEffect::OpenShop},
    {"TrainingCenter", "Q1", "x4y2 x5y2 x6y2 x6y3 x6y4 x5y4",
     "Help! I'm lost in here. Do you know the way out? I never have should have come here."},
    {"TrainingCenter", "Q2", "x3y7 x3y8 x4y8 x5y6 x5y7 x5y8",
     "Hello, this is a good place to build experience."},
    {"TrainingCenter", "Q4", "x6y1 x6y2",
     "Hello! Going thoungh the 'Training Center'? Ok have fun. Oh by the way watch out for the "
     "'BATS', 'SLIMES', that are here.",
     TalkEffect::None, "", 2},
    {"BanditsCave", "Q1", "x6y5 x7y5 x8y4 x8y5", "Halt you can't be here. {FIGHT}",
     TalkEffect::Fight, "Bandit"},
    {"BanditsCave", "Q2", "x4y5 x4y6 x4y7 x5y5 x5y7 x6y5 x6y7",
     "Hey, you can't be here. What, you are here because I destroyed your house? Guess who is "
     "next... {FIGHT}",
     TalkEffect::Fight, "LeaderOfBandits", 3},
    {"BanditsCave", "Q3", "x4y6 x4y7 x5y6 x6y6 x6y7", "Halt, you can't be here. {FIGHT}",
     TalkEffect::Fight, "Bandit"},
    {"BanditsCave", "Q4", "x8y8 x8y9 x9y8 x10y8", "Halt, you can't be here. {FIGHT}",
     TalkEffect::Fight, "Bandit"},
};

const Listener* listenerAt(const GameState& game) {
    for (const Listener& listener : listeners)
        if (listener.location == game.Location && listener.quadrant == game.Quadrant &&
            (" " + listener.cells + " ").find(" " + game.Position + " ") != std::string::npos)
            return &listener;
    return nullptr;
}

std::string withName(std::string words, const std::string& name) {
    if (const std::size_t at = words.find("Ann"); at != std::string::npos)
        words.replace(at, 3, name);
    return words;
}

GameState standingAt(std::string location, std::string quadrant, std::string position) {
    GameState game;
    game.Location = std::move(location);
    game.Quadrant = std::move(quadrant);
    game.Position = std::move(position);
    game.YourName = "Ann";
    game.StoryStage = 3;
    game.StepsToFight = 2;
    game.EnemyName = "none yet";
    return game;
}

} // namespace

// Each listed cell hears its words (with any name) and effect; every other cell hears nobody.
TEST(Talk, eachListedCellHearsItsWordsAndEveryOtherCellHearsNobody) {
    for (const Screen& screen : allScreens())
        for (int cell = 0; cell < 100; ++cell)
            for (const std::string name : {"Ann", ""}) {
                GameState game =
                    standingAt(std::string(screen.location), std::string(screen.quadrant),
                               keyOfCell({cell / 10 + 1, cell % 10 + 1}));
                game.YourName = name;
                SCOPED_TRACE(game.Location + " " + game.Quadrant + " " + game.Position);
                const Listener* listener = listenerAt(game);
                const std::optional<Talk> talk = hear(game);
                ASSERT_EQ(talk.has_value(), listener != nullptr);
                if (!listener)
                    continue;
                EXPECT_EQ(talk->words, withName(listener->words, name));
                EXPECT_EQ(talk->effect, listener->effect);
                EXPECT_EQ(talk->enemy, listener->enemy);
                const GameState before = game;
                afterWords(game, *talk);
                EXPECT_EQ(game.StepsToFight, before.StepsToFight);
                if (talk->effect == TalkEffect::None || talk->effect == TalkEffect::OpenShop) {
                    EXPECT_EQ(game, before);
                }
                if (talk->effect == TalkEffect::Fight) {
                    EXPECT_EQ(game.EnemyName, listener->enemy);
                }
            }
}

// The story moves on only from the stage just below, and the leader fights only then.
TEST(Talk, theStoryAdvancesOnlyFromTheStageJustBelow) {
    for (const Listener& teller : listeners)
        for (const Integer stage : {1, 2, 3, 4, 50}) {
            if (teller.storyFrom == 0)
                continue;
            GameState game =
                standingAt(teller.location, teller.quadrant, teller.cells.substr(0, 4));
            game.StoryStage = stage;
            GameState expected = game;
            const bool fights = stage == teller.storyFrom && teller.effect == TalkEffect::Fight;
            if (stage == teller.storyFrom)
                expected.StoryStage = Integer(stage + 1);
            if (fights)
                expected.EnemyName = teller.enemy;
            const Talk talk = hear(game).value();
            EXPECT_EQ(talk.effect, fights ? TalkEffect::Fight : TalkEffect::None);
            afterWords(game, talk);
            EXPECT_EQ(game, expected) << teller.location << " at stage " << stage;
        }
}

// The inn fills HP and TP and lays the hero on the bed at "x7y4", even when nothing is missing.
TEST(Talk, theInnRestsTheHeroOnTheBedEvenWhenNothingNeedsRefilling) {
    for (const Integer before : {4, 20}) {
        GameState game = standingAt("Farmin", "Q2", "x8y2");
        game.YourMaxHP = game.YourMaxTP = 20;
        game.YourHP = game.YourTP = before;
        GameState expected = game;
        expected.YourHP = expected.YourTP = 20;
        expected.Position = "x7y4";
        afterWords(game, hear(game).value());
        EXPECT_EQ(game, expected) << "HP and TP " << before;
    }
}

// Place, quadrant and cell are compared exactly and case-sensitively, each cell key whole.
TEST(Talk, onlyExactlySpeltPlacesQuadrantsAndCellsAreHeard) {
    const char* const misspelt[][3] = {{"farmin", "Q1", "x3y4"},
                                       {"Farmin", "q1", "x3y4"},
                                       {"Farmin", "Q1", "x3y4 "},
                                       {"Farmin", "Q1", "x2y4 x2y5"}};
    for (const auto& [location, quadrant, position] : misspelt)
        EXPECT_FALSE(hear(standingAt(location, quadrant, position)))
            << location << " " << quadrant << " '" << position << "'";
}
