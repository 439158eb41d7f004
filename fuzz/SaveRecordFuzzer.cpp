// Fuzzes the save record. Each input is used twice: as the text of a save file, which must be
// refused cleanly or read and written back faithfully, and as the source of a whole saved state,
// which must come back unchanged through its own record.
#include "state/SaveRecord.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>

namespace {

// Stops the run naming the property that broke; libFuzzer keeps the input that broke it.
void require(bool holds, const char* property, std::string_view detail = {}) {
    if (holds)
        return;
    std::fprintf(stderr, "Broken property: %s %.*s\n", property, int(detail.size()), detail.data());
    std::abort();
}

// A game in the middle of a fight on some screen: reading a record must not touch these.
GameState playing() {
    GameState game;
    game.EnemyName = "Bat", game.EnemyHP = 3, game.BattleAT = 12;
    game.CellOpen(2, 3) = True, game.ExitLeft(4) = True;
    return game;
}

// Any file at all is either refused, with a reason and the game left as it was, or taken; a
// taken file writes back to a record that reads to the same game, and writing that game again
// gives the same text.
void checkFileText(std::string_view text, const GameState& current) {
    const SaveRecordRead read = readSaveRecord(text, current);
    if (!read.ok) {
        require(!read.problem.empty(), "a refused file says why");
        require(read.game == current, "a refused file leaves the game as it was");
        return;
    }
    require(read.problem.empty(), "a taken file reports no problem", read.problem);
    const std::string written = formatSaveRecord(read.game);
    const SaveRecordRead again = readSaveRecord(written, current);
    require(again.ok, "a taken file writes back to a record that reads", again.problem);
    require(again.game == read.game, "a taken file writes back to the same fields", written);
    require(formatSaveRecord(again.game) == written, "writing a read record is a fixed point");
}

// The saved fields, listed here apart from the reader's own table, so that a field the table
// leaves out or holds twice shows up as a state that does not come back.
constexpr Integer GameState::*savedNumbers[] = {
    &GameState::StoryStage,   &GameState::YourLevel, &GameState::YourEX,      &GameState::YourHP,
    &GameState::YourTP,       &GameState::YourAT,    &GameState::YourDE,      &GameState::YourSE,
    &GameState::YourSP,       &GameState::YourMaxHP, &GameState::YourMaxTP,   &GameState::YourMaxAT,
    &GameState::YourMaxDE,    &GameState::YourMaxSE, &GameState::YourMaxSP,   &GameState::YourGold,
    &GameState::NumBread,     &GameState::NumLBread, &GameState::NumFruit,    &GameState::NumLFruit,
    &GameState::NumChocolate, &GameState::NumMace,   &GameState::NumHelmet,   &GameState::NumShoes,
    &GameState::NumBoomerang, &GameState::NumBomb,   &GameState::StepsToFight};
constexpr Flag GameState::*savedFlags[] = {&GameState::HasSlash,     &GameState::HasStrike,
                                           &GameState::HasBandage,   &GameState::HasDSlash,
                                           &GameState::HasDStrike,   &GameState::HasHeatSword,
                                           &GameState::HasColdSword, &GameState::HasElectricSword,
                                           &GameState::HasLBandage,  &GameState::HasNuke};
constexpr std::string GameState::*savedTexts[] = {&GameState::YourName, &GameState::Location,
                                                  &GameState::Position, &GameState::Quadrant};

// A text the record can hold: anything but a double quote (nothing is escaped), a line break or
// a NUL byte.
std::string savableText(FuzzedDataProvider& bytes) {
    std::string text = bytes.ConsumeRandomLengthString(2000);
    std::erase_if(text, [](char c) { return c == '"' || c == '\r' || c == '\n' || c == '\0'; });
    return text;
}

// Any state the record can hold comes back whole through its own record, and the fields that
// are never saved stay as they were.
void checkAnyState(FuzzedDataProvider& bytes, const GameState& current) {
    GameState state = current;
    for (std::string GameState::*field : savedTexts)
        state.*field = savableText(bytes);
    for (Integer GameState::*field : savedNumbers)
        state.*field = bytes.ConsumeIntegral<Integer>();
    // Only -1 is true: the record has no way to write any other number into a flag.
    for (Flag GameState::*field : savedFlags)
        state.*field = bytes.ConsumeBool() ? True : False;
    const std::string written = formatSaveRecord(state);
    const SaveRecordRead read = readSaveRecord(written, current);
    require(read.ok, "any state's record reads", read.problem);
    require(read.game == state, "any state's record reads back to that state", written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const GameState current = playing();
    checkFileText({reinterpret_cast<const char*>(data), size}, current);
    FuzzedDataProvider bytes(data, size);
    checkAnyState(bytes, current);
    return 0;
}
