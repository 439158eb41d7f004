#pragma once

#include <QString>
#include <QStringList>

// How the program starts. The command line is "quillmar [--help] [--version] [SAVED-GAME]":
// the usage and the version are answered without a window, a mistake is told and ends the
// program with status 2, and a saved game is opened as Load Game on the title would open it.
struct Start {
    int exitStatus = -1; // the program ends at once with this status, unless -1
    QString output{};    // for standard output
    QString mistake{};   // for standard error
    QString savedGame{};
};
Start readCommandLine(const QStringList& arguments);

// What the program sets up once, before its first window: the icon every window carries, the
// desktop entry its windows belong to, and that hiding one window to show the next never ends
// the program (the game ends only through its own ways out).
void prepareApplication();
