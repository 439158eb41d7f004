#include "world/Talk.h"

#include "state/Words.h"

#include <algorithm>
#include <string_view>

namespace {

// Where people's words hold the hero's name.
constexpr NameSlot YourName;

// One list of a screen's script: whoever stands beside these cells hears the hero there.
struct Script {
    std::string_view location;
    std::string_view quadrant;
    std::string_view cells; // cell keys, one blank between two
    Words words;
    TalkEffect effect = TalkEffect::None;
    std::string_view enemy{};
    Integer storyFrom = 0;
};

constexpr Words GuardsHalt("Halt, you can't be here. {FIGHT}");

// Where the inn puts the hero to sleep: on the bed itself, a cell the hero could not step into.
constexpr std::string_view InnBed = "x7y4";

// The screens' scripts in the order each screen tests its lists: the first list holding the
// hero's cell speaks. Lists of one screen share no cell. "TrainingCenter" "Q3" has nobody.
constexpr Script scripts[] = {
    // Farmin: a townswoman, the townsman whose advice starts the journey, the neighbour.
    {"Farmin", "Q1", "x2y4 x2y5 x2y6 x3y4 x3y6 x4y4 x4y5 x4y6", Words("Good luck, ", YourName)},
    {"Farmin", "Q1", "x7y1 x7y2 x7y3 x8y1 x8y3 x9y1 x9y2 x9y3",
     Words("If you want to destroy the bandits, you should go to the 'Training Center' first."),
     TalkEffect::None, "", 1},
    {"Farmin", "Q1", "x8y7 x8y8 x8y9 x9y7 x9y9 x10y7 x10y8 x10y9",
     Words("Hey ", YourName,
           ", sorry about your house. I saw the bandits go to 'Bandits Cave' thought you might "
           "want to know.")},
    {"Farmin", "Q2", "x7y1 x7y3 x8y1 x8y2 x8y3", Words("Hi wecome to the Inn. Good Night."),
     TalkEffect::Rest},
    {"Farmin", "Q3", "x6y7 x6y8 x6y9 x7y7 x7y9 x8y7 x8y8 x8y9",
     Words("Hi ", YourName, " I still can't believe the bandits got past our guards.")},
    {"Farmin", "Q4", "x1y7 x1y9 x2y7 x2y8 x2y9",
     Words("Hi ", YourName, ", I hope those bandits don't come back.")},
    {"Farmin", "Q4", "x7y1 x7y2 x7y3", Words("Wecome to the Item Shop."), TalkEffect::OpenShop},
    // The training center: the lost wanderer, the adviser, the greeter at the entrance.
    {"TrainingCenter", "Q1", "x4y2 x5y2 x6y2 x6y3 x6y4 x5y4",
     Words("Help! I'm lost in here. Do you know the way out? I never have should have come "
           "here.")},
    {"TrainingCenter", "Q2", "x3y7 x3y8 x4y8 x5y6 x5y7 x5y8",
     Words("Hello, this is a good place to build experience.")},
    {"TrainingCenter", "Q4", "x6y1 x6y2",
     Words("Hello! Going thoungh the 'Training Center'? Ok have fun. Oh by the way watch out for "
           "the 'BATS', 'SLIMES', that are here."),
     TalkEffect::None, "", 2},
    // The bandits' cave: three guards and their leader.
    {"BanditsCave", "Q1", "x6y5 x7y5 x8y4 x8y5", Words("Halt you can't be here. {FIGHT}"),
     TalkEffect::Fight, "Bandit"},
    {"BanditsCave", "Q2", "x4y5 x4y6 x4y7 x5y5 x5y7 x6y5 x6y7",
     Words("Hey, you can't be here. What, you are here because I destroyed your house? Guess who "
           "is next... {FIGHT}"),
     TalkEffect::Fight, "LeaderOfBandits", 3},
    {"BanditsCave", "Q3", "x4y6 x4y7 x5y6 x6y6 x6y7", GuardsHalt, TalkEffect::Fight, "Bandit"},
    {"BanditsCave", "Q4", "x8y8 x8y9 x9y8 x10y8", GuardsHalt, TalkEffect::Fight, "Bandit"},
};

bool holds(std::string_view cells, std::string_view position) {
    while (!cells.empty()) {
        const std::size_t end = std::min(cells.find(' '), cells.size());
        if (cells.substr(0, end) == position)
            return true;
        cells.remove_prefix(std::min(end + 1, cells.size()));
    }
    return false;
}

} // namespace

// A talk that moves the story on does its deed only when the story moves: the leader shows his
// words at any stage but fights only at the stage just below his.
std::optional<Talk> hear(const GameState& game) {
    for (const Script& script : scripts) {
        if (script.location != game.Location || script.quadrant != game.Quadrant ||
            !holds(script.cells, game.Position))
            continue;
        const bool deedDone = script.storyFrom == 0 || game.StoryStage == script.storyFrom;
        return Talk{.words = script.words.around(game.YourName),
                    .effect = deedDone ? script.effect : TalkEffect::None,
                    .enemy = std::string(deedDone ? script.enemy : ""),
                    .storyFrom = script.storyFrom};
    }
    return std::nullopt;
}

void afterWords(GameState& game, const Talk& talk) {
    if (talk.storyFrom != 0 && game.StoryStage == talk.storyFrom)
        game.StoryStage = Integer(talk.storyFrom + 1);
    switch (talk.effect) {
    case TalkEffect::Rest:
        game.YourHP = game.YourMaxHP;
        game.YourTP = game.YourMaxTP;
        game.Position = InnBed;
        break;
    case TalkEffect::Fight:
        game.EnemyName = talk.enemy;
        break;
    case TalkEffect::None:
    case TalkEffect::OpenShop:
        break;
    }
}
