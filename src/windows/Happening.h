#pragma once

#include "state/GameState.h"
#include "world/Travel.h"

class Window;

// What a window tells the flow. A window says what happened in it, never what should open next:
// that is the flow's to decide.
enum class Happening {
    NewGameChosen,
    HelpChosen,
    ContactChosen,
    AboutChosen,
    QuitChosen,
    AboutClosed,
    NameChosen,
    NameEntryClosed,
    StoryRead,
    MoveScreenLeft,
    MenuChosen,
    EdgeOfPlaceReached, // a step off the outer edge of a place
    FightStarted,       // EnemyName names the enemy
    ShopEntered,
    TravelCancelled,
    BattleWon, // END BATTLE after a victory
    BattleLost,
    LeaderBeaten,
    EnemyUnknown, // a battle opened on an enemy that is not in the roster
    SecondMenuPageChosen,
    FirstMenuPageChosen,
    MenuLeft,
    MealEaten,
    ShopLeft,
    BackToTitle, // the help, closing and contact windows' way out
};

// Where the windows' news goes: the flow.
class Announcements {
public:
    virtual ~Announcements() = default;
    virtual void happened(const Window& window, Happening what) = 0;
    // The title read a whole saved game, which the game becomes.
    virtual void gameRead(const GameState& record) = 0;
    virtual void placeChosen(Destination destination) = 0;
};
