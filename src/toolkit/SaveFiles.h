#pragma once

#include <QString>
#include <string>

// Writes a save file so that an earlier file of the same name is either kept whole or replaced
// whole, never left half-written: the record goes to a temporary file beside it, every byte is
// checked, the file is synced, renamed over the old one, and the folder synced. Returns an
// empty string, or why the game was not saved (a phrase that can follow a colon).
QString writeSaveFile(const QString& path, const std::string& record);

// Reads a save file whole. A save file is one short line, so anything larger than a save could
// ever be is refused rather than read.
struct SaveFileRead {
    bool ok = false;
    std::string text;
    QString problem;
};
SaveFileRead readSaveFile(const QString& path);
