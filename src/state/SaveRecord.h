#pragma once

#include "state/GameState.h"

#include <string>
#include <string_view>

// A save file is one line of 41 comma-separated fields in the order of GameState's saved
// fields: numbers in decimal, strings between double quotes (nothing escaped), flags as
// #TRUE# or #FALSE#, and CR LF at the end.
std::string formatSaveRecord(const GameState& game);

// Reads a whole save file. Nothing is taken unless all of it reads: exactly 41 fields of the
// right kinds, numbers within -32768..32767, strings in double quotes, flags #TRUE# or #FALSE#,
// and CR LF, LF or nothing at the end. On success `game` is `current` with the 41 saved fields
// replaced (values are not checked against the rules); otherwise `problem` says what is wrong
// and `game` is `current` unchanged.
struct SaveRecordRead {
    bool ok = false;
    GameState game;
    std::string problem;
};
SaveRecordRead readSaveRecord(std::string_view text, const GameState& current);
