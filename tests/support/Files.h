#pragma once

#include "state/GameState.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// What tests read and write on disk: whole files, whole folders, and the record a save holds.

// The bytes of a file, or "<unreadable>".
QByteArray contents(const QString& path);
void write(const QString& path, const QByteArray& bytes);

// Every entry under a folder, hidden ones too, as sorted paths relative to it.
QStringList everythingIn(const QString& folder);

// The save record of a game, as a save file holds it.
QByteArray recordOf(const GameState& game);
