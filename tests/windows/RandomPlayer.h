#pragma once

#include "windows/Scenario.h"

#include <functional>
#include <random>
#include <set>

// A random player: random scenario steps on the windows, and after each what must always hold.
// The window layer plays it alone for many thousand actions, the desktop view through its
// widgets for fewer.
class RandomPlayer {
public:
    explicit RandomPlayer(unsigned seed, Setting* setting = nullptr);

    // One random action, and the problem if anything that must hold broke.
    std::string act();

    // Checked after every action besides the game's own rules, when set (a view that must
    // show what the windows say).
    std::function<std::string(const Flow&)> alsoCheck;

    std::vector<std::string> steps; // since the program last started
    std::set<std::string> seen;     // the windows on show at some time
    int ends = 0;
    int roundTrips = 0;

private:
    std::vector<std::string> possibleSteps();
    std::string checkShownWindows();
    void restart();
    int pick(std::size_t count);

    std::mt19937 random_;
    Scenario scenario_;
};

// Plays `count` actions and answers the first problem, with the seed, the action and the steps
// since the program last started, which replay as a scenario; or that play never met all 13
// windows, an end of the program and a save loaded back.
std::string playRandomly(RandomPlayer& player, unsigned seed, int count);

// A count the environment sets (QUILLMAR_RANDOM_SEED, QUILLMAR_RANDOM_ACTIONS), or `otherwise`.
int fromEnvironment(const char* name, int otherwise);
