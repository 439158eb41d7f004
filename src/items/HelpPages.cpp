#include "items/HelpPages.h"

#include <span>
#include <stdexcept>
#include <string_view>

namespace {

// One piece of a page: its text with the blanks that stand before and after it.
struct Piece {
    int blanksBefore;
    std::string_view text;
    int blanksAfter;
};

constexpr Piece controlsPage[] = {
    {10, "Starting a Game and the Controls", 23},
    {18, "To begin a new game", 1},
    {0, "press the new game button. Then using the buttons", 1},
    {0, "on the screen type in your name. Use", 1},
    {0, "the arrow buttons on the screen to move.", 1},
    {0, "Use the Talk button to Talk to the people", 1},
    {0, "that you see. The menu button takes you", 1},
    {0, "to the menu system. In the menu system,", 1},
    {0, "you can see your status, see how many", 1},
    {0, "items you have, use items, and see what", 1},
    {0, "techniques, you have.", 0},
};

constexpr Piece savingPage[] = {
    {12, "Loading a Saved Game and Saving a Game", 5},
    {12, "Press the load game button, then find", 1},
    {0, "the saved file name that you save your game as.", 1},
    {0, "Press the file name, then press OK to load", 1},
    {0, "your game. To save your game, you must be on", 1},
    {0, "the move around screen, press Save type in", 1},
    {0, "the name of the file in the box that has to", 1},
    {0, "the left, 'File Name'. Your game will save.", 0},
};

constexpr Piece storyPage[] = {
    {33, "The Story", 28},
    {34, "A 100 years ago,", 1},
    {0, "a man and his 3 friends", 1},
    {0, "defeated the Evilons.", 1},
    {0, "the man's name was Goodman.", 1},
    {0, "You are his descendant.", 1},
    {0, "which is why should they,", 1},
    {0, "the Evilons ever return you", 2},
    {0, "must defeat them again, at", 1},
    {0, "all costs. And now they have", 1},
    {0, "come back. They took the", 1},
    {0, "king and now rule the", 1},
    {0, "world. They put all of", 1},
    {0, "the king's troops in jail.", 1},
    {0, "Your house has just been", 1},
    {0, "burned to the ground by the", 1},
    {0, "bandits that live to the", 1},
    {0, "south of your town. And So", 1},
    {0, "It Begins...", 0},
};

// "Techni" and "ques" are two pieces with no blank between them: together one word.
constexpr Piece combatPage[] = {
    {24, "Combat", 36},
    {38, "Combat happens, when you are exporing some", 1},
    {0, "towns, cave, etc. When it happens you are taken", 1},
    {0, "to the combat screen. On the combat screen, you", 1},
    {0, "can find out which enemy you are fighting, attack,", 1},
    {0, "defend, use items, and use techniques. After", 1},
    {0, "pressing one of the buttons, that say, Attack or", 1},
    {0, "Defend, you will do that action, or you can press", 1},
    {0, "Use Item to use an item, all your items and the", 1},
    {0, "number you have of them, are listed on the right", 1},
    {0, "after you press Use Item, or you can press Techni", 0},
    {0, "ques, then the name of the techniques to the", 1},
    {0, "right. after you press one of the buttons, the", 1},
    {0, "enemy will attack you. After the turn of combat", 1},
    {0, "is done, you can read what happen, in the upper", 1},
    {0, "half of the screen. Combat is over when you, or", 1},
    {0, "the enemy's HP is zero. If your HP is zero you", 1},
    {0, "are in formed of this. If the enemy's HP is zero", 1},
    {0, "then you go back to the move screen, to continue.", 0},
};

std::span<const Piece> piecesOf(int page) {
    switch (page) {
    case 1:
        return controlsPage;
    case 2:
        return savingPage;
    case 3:
        return storyPage;
    case 4:
        return combatPage;
    default:
        throw std::out_of_range("no such help page");
    }
}

} // namespace

std::string helpPageText(int page) {
    std::string text;
    for (const Piece& piece : piecesOf(page)) {
        text.append(std::size_t(piece.blanksBefore), ' ');
        text.append(piece.text);
        text.append(std::size_t(piece.blanksAfter), ' ');
    }
    return text;
}
