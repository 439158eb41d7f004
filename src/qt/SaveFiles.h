#pragma once

#include "windows/Platform.h"

#include <QString>
#include <QtGlobal>
#include <string>

class QIODevice;

// Writes a save file so that an earlier file of the same name is either kept whole or replaced
// whole, never left half-written: the record goes to a temporary file beside it, every byte is
// checked, the file is synced, renamed over the old one, and the folder synced. Returns an
// empty string, or why the game was not saved (a phrase that can follow a colon).
QString writeSaveFile(const QString& path, const std::string& record);

// Writes all of a record to a device, writing on where a write was cut short. Returns an empty
// string, or why it could not.
QString writeWhole(QIODevice& device, const std::string& record);

// A record with a name of many thousand letters is still far below this.
constexpr qint64 LargestSaveFile = qint64{1024} * 1024;

// Reads a save file whole. A save file is one short line, so anything larger than a save could
// ever be is refused rather than read.
SaveFileRead readSaveFile(const QString& path);
