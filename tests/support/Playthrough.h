#pragma once

#include <QString>
#include <functional>

// The winning route through the whole game, clicked through the real windows as a player
// would. The playthrough test checks the game between the legs; the playthrough benchmark
// plays them all in a row. A leg returns false when a window it needs was not there to take a
// step, or a battle went wrong.

// Attacks until the battle on screen is won, then leaves it by END BATTLE. False when the
// hero died or the battle would not end.
bool fightIfAttacked();

// Clicks the arrows for a path such as "UU L" (up, up, left; blanks only group the steps),
// fighting out every battle that opens on the way.
bool walk(const char* path);

// "Talk" on the move screen.
void talk();

// Where the hero stands, as "Location Quadrant Position".
QString place();

// From the title: a new game, the name "Ann" on the keys, the opening story, the king's
// permission.
void startAsAnn();
// Out of the house to the townsman by the west road, and a word with him.
bool meetTheTownsman();
// West out of town, then the training center on the travel window.
bool goToTheTrainingCenter();
// Up to the greeter at the entrance, and a word with him.
bool meetTheGreeter();
// Back and forth beside the greeter: a bat comes on every fifth step. False when 200 rounds
// have not made level 5.
bool trainToLevelFive();
// Out by the entrance, then the bandits' cave on the travel window.
bool goToTheCave();
// Through the cave: west along the straw into the bottom left screen, round its guard and up
// into the top left, east into the leader's hall, and up to the leader.
bool crossTheCaveWest();
bool climbToTheTopLeft();
bool enterTheLeadersHall();
bool walkUpToTheLeader();
// The closing window's button, back to the title.
void leaveTheClosingWindow();

// The whole route from the title back to the title; false where a leg went wrong.
bool playTheWholeGame();

// Runs after every click of the route, for instance to let the windows paint; by default
// nothing runs.
void setAfterEachClick(std::function<void()> hook);
